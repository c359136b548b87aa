#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "tournaments/ui/TournamentsFrame.h"
#include "widgets/NavPicture.h"

namespace {

using namespace design;
using G = ControlGeometry;

void DesignPanels(DesignBuilder& b) {
    b.In("fraTournaments_0");
    b.Add("Label2_0", Size(0, kLabelHeight));
    b.Add("lblTournamentDate", Size(0, kLabelHeight));
    b.Add("grdTournamentTables");
    b.Add("lblTournamentCup", Size(0, kLabelHeight));

    b.In("fraTournaments_1");
    b.Add("Label2_2", Size(0, kLabelHeight));
    b.Add("grdTournamentGames");
    b.Add("cmbGamesFilter", Size(1600, kComboHeight));
    b.Add("lblFilter_1", Size(495, kLabelHeight));

    b.In("fraDadidurez");
    // Three lines of text; the window measures the text for the width the layout gives it.
    b.Add("lblDadidurez", Size(0, 645));
    b.Add("shpDadidurez");
    for (int i = 0; i <= 4; ++i) b.Add(ArrayName("chbRounds", i), Size(1815, kButtonHeight));

    b.In("fraTournamentWinners");
    b.Fixed("Label2_3", {0, 0, 6000, kLabelHeight});
    b.Add("grdTournamentWinners", {120, 360, 5760, 3480});
    b.Fixed("chbClose", {4680, 3990, 1200, kButtonHeight});
}

void Design(DesignBuilder& b) {
    b.Add("chbShowTournamentWinners", Size(1935, kButtonHeight));
    b.Add("lstTournaments");
    b.Add("lblFilter_0", Size(495, kLabelHeight));
    b.Add("cmbTournamentFilter", {800, 0, 0, kComboHeight});
    b.Add("fraTournaments_0");
    b.Add("fraTournaments_1");
    b.Add("fraDadidurez");
    b.Fixed("fraTournamentWinners", {2895, 1500, 6000, 4500});
    DesignPanels(b);
}

void LayoutTables(G& g) {
    const TwipsRect frame = g["fraTournaments_0"];
    g["Label2_0"].width = frame.width;
    g.Move("lblTournamentDate", 60, 320, frame.width - 180);
    g.Move("grdTournamentTables", 120, 620, frame.width - 240, frame.height - 720);
    const TwipsRect grid = g["grdTournamentTables"];
    const double GW = grid.width;
    g.SetColumns(
        "grdTournamentTables",
        {RoundTwips(GW / 10 * 0.9), RoundTwips(GW / 10 * 2.3 - 140), RoundTwips(GW / 10 * 0.9),
         RoundTwips(GW / 10 * 0.9), RoundTwips(GW / 10 * 0.9), RoundTwips(GW / 10 * 0.9),
         RoundTwips(GW / 10), RoundTwips(GW / 10), RoundTwips(GW / 10)});
    // The cup notice lies over the middle of the (then empty) table.
    g.Move("lblTournamentCup", grid.left, RoundTwips(grid.top + grid.height / 2.0 - 330),
           grid.width);
}

void LayoutGames(G& g) {
    const TwipsRect frame = g["fraTournaments_1"];
    g["Label2_2"].width = frame.width;
    g.Move("grdTournamentGames", 120, 320, frame.width - 240, frame.height - 820);
    const TwipsRect grid = g["grdTournamentGames"];
    const double U = (grid.width - 320) / 10.0;
    g.SetColumns("grdTournamentGames",
                 {RoundTwips(U * 3), RoundTwips(U * 3), RoundTwips(U * 2), RoundTwips(U * 2)});
    g.Move("cmbGamesFilter", grid.Right() - 1600, frame.height - 680 + 240, 1600);
    const TwipsRect filter = g["cmbGamesFilter"];
    g.Move("lblFilter_1", filter.left - 600, filter.top + 30);
}

// The phase buttons stand below the framed text: one column with the designed spacing where the
// panel is high enough, else three and two buttons side by side, closer together if need be.
constexpr int kRoundsGap = 45;         // between two buttons of a column
constexpr int kRoundsBelowShape = 75;  // from the frame around the text to the first row
constexpr int kRoundsBottomMargin = 60;
constexpr int kRoundsColumnGap = 240;

void LayoutPhaseButtons(G& g, const TwipsRect& panel) {
    int buttonWidth = 0, buttonHeight = 0;
    for (int i = 0; i <= 4; ++i) {
        buttonWidth = std::max(buttonWidth, g[ArrayName("chbRounds", i)].width);
        buttonHeight = std::max(buttonHeight, g[ArrayName("chbRounds", i)].height);
    }
    const int first = g["shpDadidurez"].Bottom() + kRoundsBelowShape;
    const int room = panel.height - kRoundsBottomMargin - first;
    const bool oneColumn = 5 * buttonHeight + 4 * kRoundsGap <= room;
    const int rows = oneColumn ? 5 : 3;
    const int columns = oneColumn ? 1 : 2;
    const int gap =
        oneColumn ? kRoundsGap : std::clamp((room - 3 * buttonHeight) / 2, 0, kRoundsGap);
    const double columnPitch = buttonWidth + kRoundsColumnGap;
    for (int i = 0; i <= 4; ++i) {
        const std::string button = ArrayName("chbRounds", i);
        const int column = i / rows;
        const double offset = (column - (columns - 1) / 2.0) * columnPitch;
        g[button].left = RoundTwips((panel.width - g[button].width) / 2.0 + offset);
        g[button].top = first + (i % rows) * (buttonHeight + gap);
    }
}

void LayoutDadidurez(G& g, const FrameArea& area) {
    g["fraDadidurez"] = g["fraTournaments_0"];  // shown in place of the table panel
    const TwipsRect panel = g["fraDadidurez"];
    g.Move("lblDadidurez", 120, 120, panel.width - 240);
    // The text wraps to more lines as the panel narrows; the frame around it grows with it.
    if (area.textHeight) {
        g["lblDadidurez"].height = area.textHeight("lblDadidurez", g["lblDadidurez"]);
    }
    g.Move("shpDadidurez", 60, 60, panel.width - 120, g["lblDadidurez"].height + 120);
    LayoutPhaseButtons(g, panel);
}

void Layout(G& g, const FrameArea& area) {
    const int FW = area.width, FH = area.height;
    g.Move("chbShowTournamentWinners",
           FW - g[area.helpButton].width - 160 - g["chbShowTournamentWinners"].width, 0);

    g.Move("lstTournaments", 180, 540, RoundTwips(FW / 3.0), FH - 1275);
    const TwipsRect list = g["lstTournaments"];
    g.Move("lblFilter_0", 180, list.height + 750);
    // The filter's right edge lines up with the list's. Measured from the filter's new left, not
    // the one it had before the move, so the width does not depend on where it was last put.
    g.Move("cmbTournamentFilter", 800, list.height + 720, list.Right() - 800);

    const int X = list.Right() + 400;
    const int half = RoundTwips((FH - 1105) / 2.0);
    g.Move("fraTournaments_0", X, list.top, FW - X - 160, half);
    const TwipsRect tables = g["fraTournaments_0"];
    g.Move("fraTournaments_1", X, tables.Bottom() + 240, tables.width, half);

    LayoutTables(g);
    LayoutGames(g);
    LayoutDadidurez(g, area);

    const double GW = g["grdTournamentWinners"].width;
    const int column = RoundTwips((GW - 320) / 2);
    g.SetColumns("grdTournamentWinners", {column, column});
}

// A cup.
void Picture(QPainter& p) {
    p.setPen(QPen(kNavGold.darker(140), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(1.5, 3, 4, 5), 90 * 16, 180 * 16);
    p.drawArc(QRectF(10.5, 3, 4, 5), -90 * 16, 180 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(kNavGold);
    QPainterPath cup;
    cup.moveTo(3.5, 2);
    cup.lineTo(12.5, 2);
    cup.cubicTo(12.5, 8, 10, 10, 8, 10);
    cup.cubicTo(6, 10, 3.5, 8, 3.5, 2);
    p.drawPath(cup);
    p.drawRect(QRectF(7, 10, 2, 3));
    p.drawRect(QRectF(4.5, 13, 7, 2));
}

}  // namespace

const FrameDescription& TournamentsFrame::Description() {
    static const FrameDescription description{.title = "Tournaments",
                                              .caption = "Tournaments",
                                              .titleLabel = 2,
                                              .helpButton = 1,
                                              .helpTooltip = true,
                                              .design = Design,
                                              .layout = Layout,
                                              .picture = Picture};
    return description;
}
