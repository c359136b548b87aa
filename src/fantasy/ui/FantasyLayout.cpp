#include <QPainter>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "fantasy/ui/FantasyFrame.h"
#include "widgets/NavPicture.h"

namespace {

using namespace design;

void Design(DesignBuilder& b) {
    b.Add("lstFantasyPlayers");
    b.Add("lstFantasySelected");
    for (int i = 0; i <= 3; ++i) b.Add(ArrayName("chbFantasyLst", i), Size(450, kButtonHeight));
    b.Add("chbFantasyCalc", Size(1215, kButtonHeight));
    b.Add("lblFantasyChosen", Size(0, kLabelHeight));
    b.Add("lblFantasyNote");
    b.Add("fraFantasyResults");
    b.In("fraFantasyResults");
    b.Add("lblFantasyResults", Size(0, kLabelHeight));
    b.Add("grdFantasyGames");
    b.Add("grdFantasyTable");
}

void LayoutResults(ControlGeometry& g) {
    const TwipsRect frame = g["fraFantasyResults"];
    g.Move("grdFantasyGames", 120, 320, frame.width - 240, RoundTwips(frame.height / 2.0));
    const TwipsRect games = g["grdFantasyGames"];
    const double U = (games.width - 240) / 10.0;
    g.SetColumns("grdFantasyGames",
                 {RoundTwips(U * 3), RoundTwips(U * 3), RoundTwips(U * 2), RoundTwips(U * 2)});

    const int T = games.Bottom() + 120;
    g.Move("grdFantasyTable", 120, T, frame.width - 240, frame.height - T - 120);
    const double GW = g["grdFantasyTable"].width;
    g.SetColumns("grdFantasyTable",
                 {RoundTwips(GW / 10 * 0.7), RoundTwips(GW / 10 * 2.7 - 160), RoundTwips(GW / 10),
                  RoundTwips(GW / 10), RoundTwips(GW / 10), RoundTwips(GW / 10),
                  RoundTwips(GW / 10), RoundTwips(GW / 10 * 1.3)});
    g.Move("lblFantasyResults", 0, 0, frame.width);
}

void Layout(ControlGeometry& g, const FrameArea& area) {
    const int FW = area.width, FH = area.height;
    g.Move("lstFantasyPlayers", 180, 540, RoundTwips(FW / 5.0), FH - 760);
    const TwipsRect players = g["lstFantasyPlayers"];
    g.Move("lstFantasySelected", players.Right() + 600,
           RoundTwips(players.top + (players.height - players.height / 2.0) / 2), players.width,
           RoundTwips(players.height / 2.0));
    const TwipsRect selected = g["lstFantasySelected"];

    // The four list buttons stand in the gap between the lists, around its middle.
    const int M = RoundTwips(selected.height / 2.0 - 200);
    const int offsets[] = {-600, -200, 200, 600};
    for (int i = 0; i <= 3; ++i) {
        g.Move(ArrayName("chbFantasyLst", i), players.Right() + 80, selected.top + M + offsets[i]);
    }
    g.Move("chbFantasyCalc",
           RoundTwips(selected.left + (selected.width - g["chbFantasyCalc"].width) / 2.0),
           selected.Bottom() + 120);
    // The count of the chosen over their list, the league's note under Start.
    g.Move("lblFantasyChosen", selected.left, selected.top - kLabelHeight - 60, selected.width);
    const int noteTop = g["chbFantasyCalc"].Bottom() + 120;
    g.Move("lblFantasyNote", selected.left, noteTop, selected.width,
           std::max(players.Bottom() - noteTop, kLabelHeight));

    const int L = selected.Right() + 120;
    g.Move("fraFantasyResults", L, 540, FW - L - 120, players.height);
    LayoutResults(g);
}

// A star.
void Picture(QPainter& p) {
    p.setPen(QPen(kNavGold.darker(140), 1));
    p.setBrush(kNavGold);
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const qreal angle = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        const qreal radius = (i % 2 == 0) ? 7.5 : 3.2;
        star << QPointF(8, 8.5) + QPointF(std::cos(angle), std::sin(angle)) * radius;
    }
    p.drawPolygon(star);
}

}  // namespace

const FrameDescription& FantasyFrame::Description() {
    static const FrameDescription description{.title = "Fantasy League",
                                              .caption = "Fantasy",
                                              .titleLabel = 7,
                                              .helpButton = 5,
                                              .helpTooltip = true,
                                              .design = Design,
                                              .layout = Layout,
                                              .picture = Picture};
    return description;
}
