#include <QPainter>

#include "players/ui/PlayerStatsFrame.h"
#include "widgets/NavPicture.h"

namespace {

using namespace design;

void Design(DesignBuilder& b) {
    b.Add("lstPlayers");
    b.Add("txtPlayer", Size(0, kComboHeight));
    b.Add("chbPlayerGo", Size(375, kComboHeight));
    b.Add("fraPlayerStats");
    b.In("fraPlayerStats");
    b.Add("Label2_1", Size(0, 315));
    b.Add("grdPlayerStats");
    for (const char* button :
         {"chbPlayerHome", "chbPlayerAway", "chbPlayerPositions", "chbPlayerRankGraph"}) {
        b.Add(button, Size(0, kButtonHeight));
    }
}

void Layout(ControlGeometry& g, const FrameArea& area) {
    const int FW = area.width, FH = area.height;
    g.Move("lstPlayers", 180, 540, RoundTwips(FW / 3.0), FH - 1275);
    const TwipsRect list = g["lstPlayers"];
    g.Move("txtPlayer", 180, list.height + 600, list.width - 500);
    g.Move("chbPlayerGo", list.Right() - g["chbPlayerGo"].width, g["txtPlayer"].top);

    const int X = list.Right() + 400;
    g.Move("fraPlayerStats", X, list.top, FW - X - 160, FH - 1105);
    const TwipsRect frame = g["fraPlayerStats"];
    g["Label2_1"].width = frame.width;

    g.Move("grdPlayerStats", 120, 420, frame.width - 240,
           frame.height - g["chbPlayerPositions"].height - 620);
    const TwipsRect grid = g["grdPlayerStats"];
    const double GW = grid.width;
    g.SetColumns("grdPlayerStats", {RoundTwips(GW / 10 * 5), RoundTwips(GW / 10 * 4)});

    const int B = RoundTwips(grid.width / 4.0 - 60);
    const int top = frame.height - 400;
    g.Move("chbPlayerHome", grid.left, top, B);
    g.Move("chbPlayerAway", grid.left + B + 60, top, B);
    g.Move("chbPlayerRankGraph", grid.Right() - B, top, B);
    g.Move("chbPlayerPositions", g["chbPlayerRankGraph"].left - B - 60, top, B);
}

void Picture(QPainter& p) {
    PaintPerson(p, 8, 7, 1.3, kNavInk);
}

}  // namespace

const FrameDescription& PlayerStatsFrame::Description() {
    static const FrameDescription description{.title = "Player Stats",
                                              .caption = "Player Stats",
                                              .titleLabel = 1,
                                              .helpButton = 0,
                                              .design = Design,
                                              .layout = Layout,
                                              .picture = Picture};
    return description;
}
