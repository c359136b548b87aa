#include "shell/Layout.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <utility>

#include "widgets/ControlBuilder.h"

// Arithmetic: every rule is evaluated in double precision in the order it is written, "/" being
// true division, and a value becomes whole twips only where the rule says int(...) or where it is
// stored as a position, size or column width. Both conversions round halves to the even number.
// Values read back within one pass are the stored whole twips, never snapped to pixels: the
// window converts to pixels once, when it applies the result.

namespace {

int Round(double twips) {
    return static_cast<int>(std::nearbyint(twips));  // default rounding mode: halves to even
}

[[noreturn]] void Unknown(const std::string& what, const std::string& name) {
    throw std::out_of_range("ControlGeometry: no " + what + " \"" + name + "\"");
}

}  // namespace

// ControlGeometry

void ControlGeometry::Set(const std::string& name, TwipsRect rect) {
    rects_[name] = rect;
}

bool ControlGeometry::Has(const std::string& name) const {
    return rects_.contains(name);
}

TwipsRect& ControlGeometry::operator[](const std::string& name) {
    auto it = rects_.find(name);
    if (it == rects_.end()) Unknown("control", name);
    return it->second;
}

const TwipsRect& ControlGeometry::operator[](const std::string& name) const {
    auto it = rects_.find(name);
    if (it == rects_.end()) Unknown("control", name);
    return it->second;
}

void ControlGeometry::Move(const std::string& name, std::optional<int> left, std::optional<int> top,
                           std::optional<int> width, std::optional<int> height) {
    TwipsRect& r = (*this)[name];
    r.left = left.value_or(r.left);
    r.top = top.value_or(r.top);
    r.width = width.value_or(r.width);
    r.height = height.value_or(r.height);
}

const std::vector<int>& ControlGeometry::Columns(const std::string& grid) const {
    static const std::vector<int> none;
    (void)(*this)[grid];
    auto it = columns_.find(grid);
    return it == columns_.end() ? none : it->second;
}

void ControlGeometry::SetColumns(const std::string& grid, std::vector<int> widths) {
    (void)(*this)[grid];
    columns_[grid] = std::move(widths);
}

int ControlGeometry::RowHeight(const std::string& grid) const {
    auto it = rowHeights_.find(grid);
    if (it == rowHeights_.end()) Unknown("row height of grid", grid);
    return it->second;
}

void ControlGeometry::SetRowHeight(const std::string& grid, int height) {
    (void)(*this)[grid];
    rowHeights_[grid] = height;
}

bool ControlGeometry::Visible(const std::string& name) const {
    (void)(*this)[name];
    auto it = visible_.find(name);
    return it == visible_.end() || it->second;
}

void ControlGeometry::SetVisible(const std::string& name, bool visible) {
    (void)(*this)[name];
    visible_[name] = visible;
}

// The rules, one function per frame. FW and FH are the frames' width and height.

namespace {

using G = ControlGeometry;

void LayoutRankings(G& g, int FW, int FH) {
    g.Move("grdRankings", 120, 500, FW - 240, FH - 1060);
    const double GW = g["grdRankings"].width;
    g.SetColumns("grdRankings", {Round(GW / 10 * 0.8), Round(GW / 10 * 3), Round(GW / 10 * 3),
                                 Round(GW / 10 * 2.8), 0});

    g.Move("lblRankingFilter", 120, FH - 350);
    g.Move("cmbRankingFilter", 1320, FH - 410);
    g.Move("cmbRankMonth", FW - 120 - g["cmbRankMonth"].width, FH - 410);
    g.Move("lblRankMonth", g["cmbRankMonth"].left - g["lblRankMonth"].width - 120, FH - 350);
}

void LayoutPlayerStats(G& g, int FW, int FH) {
    g.Move("lstPlayers", 180, 540, Round(FW / 3.0), FH - 1275);
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
    g.SetColumns("grdPlayerStats", {Round(GW / 10 * 5), Round(GW / 10 * 4)});

    const int B = Round(grid.width / 4.0 - 60);
    const int top = frame.height - 400;
    g.Move("chbPlayerHome", grid.left, top, B);
    g.Move("chbPlayerAway", grid.left + B + 60, top, B);
    g.Move("chbPlayerRankGraph", grid.Right() - B, top, B);
    g.Move("chbPlayerPositions", g["chbPlayerRankGraph"].left - B - 60, top, B);
}

void LayoutTournamentTables(G& g) {
    const TwipsRect frame = g["fraTournaments_0"];
    g["Label2_0"].width = frame.width;
    g.Move("lblTournamentDate", 60, 320, frame.width - 180);
    g.Move("grdTournamentTables", 120, 620, frame.width - 240, frame.height - 720);
    const TwipsRect grid = g["grdTournamentTables"];
    const double GW = grid.width;
    g.SetColumns("grdTournamentTables",
                 {Round(GW / 10 * 0.9), Round(GW / 10 * 2.3 - 140), Round(GW / 10 * 0.9),
                  Round(GW / 10 * 0.9), Round(GW / 10 * 0.9), Round(GW / 10 * 0.9), Round(GW / 10),
                  Round(GW / 10), Round(GW / 10)});
    // The cup notice lies over the middle of the (then empty) table.
    g.Move("lblTournamentCup", grid.left, Round(grid.top + grid.height / 2.0 - 330), grid.width);
}

void LayoutTournamentGames(G& g) {
    const TwipsRect frame = g["fraTournaments_1"];
    g["Label2_2"].width = frame.width;
    g.Move("grdTournamentGames", 120, 320, frame.width - 240, frame.height - 820);
    const TwipsRect grid = g["grdTournamentGames"];
    const double U = (grid.width - 320) / 10.0;
    g.SetColumns("grdTournamentGames", {Round(U * 3), Round(U * 3), Round(U * 2), Round(U * 2)});
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

void LayoutDadidurez(G& g, const WindowInfo& window) {
    g["fraDadidurez"] = g["fraTournaments_0"];  // shown in place of the table panel
    const TwipsRect panel = g["fraDadidurez"];
    g.Move("lblDadidurez", 120, 120, panel.width - 240);
    // The text wraps to more lines as the panel narrows; the frame around it grows with it.
    if (window.textHeight) {
        g["lblDadidurez"].height = window.textHeight("lblDadidurez", g["lblDadidurez"]);
    }
    g.Move("shpDadidurez", 60, 60, panel.width - 120, g["lblDadidurez"].height + 120);

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
        g[button].left = Round((panel.width - g[button].width) / 2.0 + offset);
        g[button].top = first + (i % rows) * (buttonHeight + gap);
    }
}

void LayoutTournaments(G& g, int FW, int FH, const WindowInfo& window) {
    g.Move("chbShowTournamentWinners",
           FW - g["chbPlayerHelp_1"].width - 160 - g["chbShowTournamentWinners"].width, 0);

    g.Move("lstTournaments", 180, 540, Round(FW / 3.0), FH - 1275);
    const TwipsRect list = g["lstTournaments"];
    g.Move("lblFilter_0", 180, list.height + 750);
    // The filter's right edge lines up with the list's. Measured from the filter's new left, not
    // the one it had before the move, so the width does not depend on where it was last put.
    g.Move("cmbTournamentFilter", 800, list.height + 720, list.Right() - 800);

    const int X = list.Right() + 400;
    const int half = Round((FH - 1105) / 2.0);
    g.Move("fraTournaments_0", X, list.top, FW - X - 160, half);
    const TwipsRect tables = g["fraTournaments_0"];
    g.Move("fraTournaments_1", X, tables.Bottom() + 240, tables.width, half);

    LayoutTournamentTables(g);
    LayoutTournamentGames(g);
    LayoutDadidurez(g, window);

    const double GW = g["grdTournamentWinners"].width;
    const int column = Round((GW - 320) / 2);
    g.SetColumns("grdTournamentWinners", {column, column});
}

void LayoutWorldCups(G& g, int FW, int FH) {
    const int comboWidth = Round(FW / 2.0 - 240);
    g.Move("cmbWC_0", 120, 540, comboWidth);
    g.Move("cmbWC_1", Round(FW / 2.0 + 120), 540, comboWidth);
    const int buttonWidth = Round(g["cmbWC_0"].width / 2.0);
    g.Move("chbWC_0", 120, 900, buttonWidth);
    g.Move("chbWC_1", g["chbWC_0"].width + 120, 900, buttonWidth);

    const int X = Round((FH - 1300) / 2.0);
    g.Move("fraWC_0", 120, 1380, FW - 240, X - 160);
    g.Move("fraWC_1", 120, FH - X, FW - 240, X - 160);
    for (int i = 0; i <= 1; ++i) {
        const TwipsRect frame = g[ArrayName("fraWC", i)];
        g.Move(ArrayName("grdWC", i), 120, 320, frame.width - 240, frame.height - 620);
        g.Move(ArrayName("lblWC", i), 0, 0, frame.width);
    }

    const double table = g["grdWC_0"].width;
    g.SetColumns("grdWC_0",
                 {Round(table / 10 * 0.9), Round(table / 10 * 2 - 140), Round(table / 10 * 0.9),
                  Round(table / 10), Round(table / 10), Round(table / 10), Round(table / 10),
                  Round(table / 10), Round(table / 10)});
    const double U = (g["grdWC_1"].width - 320) / 10.0;
    g.SetColumns("grdWC_1", {Round(U * 3), Round(U * 3), Round(U * 2), Round(U * 2)});
}

void LayoutMisc(G& g, int FW, int FH) {
    g.Move("chbMiscRecalc", FW - g["chbPlayerHelp_3"].width - 160 - g["chbMiscRecalc"].width, 0);

    const int W0 = Round(FW / 2.0 - 360);
    const int rightWidth = FW - W0 - 240;
    const int rightHeight = Round((FH - 540) / 2.0 - 120);
    g.Move("fraMisc_0", 120, 540, W0, FH - 720);
    g.Move("fraMisc_1", g["fraMisc_0"].Right() + 60, 540, rightWidth, rightHeight);
    g.Move("fraMisc_2", g["fraMisc_1"].left, g["fraMisc_1"].Bottom() + 60, rightWidth, rightHeight);
    for (int i = 0; i <= 2; ++i) {
        const TwipsRect frame = g[ArrayName("fraMisc", i)];
        g.Move(ArrayName("lblMisc", i), 0, 0, frame.width);
        g.Move(ArrayName("grdMisc", i), 120, 320, frame.width - 240, frame.height - 420);
    }

    const TwipsRect left = g["fraMisc_0"];
    // Exactly the seven statistics rows, with room for the grid's border.
    g.Move("grdMisc_0", 60, 620, left.width - 180, g.RowHeight("grdMisc_0") * 7 + 10);
    const int T3 = g["grdMisc_0"].Bottom() + 400;
    g.Move("grdMisc_3", 60, T3, left.width - 180, left.height - T3 - 120);

    const TwipsRect records = g["grdMisc_3"];
    g.Move("lblMisc_3", records.left, records.top - 255, records.width);
    const TwipsRect general = g["grdMisc_0"];
    g.Move("lblMisc_4", general.left, general.top - 255, general.width);
    const TwipsRect heading = g["lblMisc_3"];
    g.Move("chbMiscTop", heading.Right() - g["chbMiscTop"].width, heading.top);

    for (const char* grid : {"grdMisc_0", "grdMisc_3"}) {
        const double GW = g[grid].width;
        g.SetColumns(grid, {Round(GW / 10 * 5.5), Round(GW / 10 * 4.5)});
    }
    for (const char* grid : {"grdMisc_1", "grdMisc_2"}) {
        const double GW = g[grid].width;
        g.SetColumns(grid, {Round(GW / 10 * 0.8), Round(GW / 10 * 1.9), Round(GW / 10 * 1.9),
                            Round(GW / 10), Round(GW / 10), Round(GW / 10), Round(GW / 10 * 2)});
    }
}

void LayoutFindPairResults(G& g) {
    const TwipsRect frame = g["fraPair"];
    g.Move("lblPair", 0, 0, frame.width);
    g.Move("grdPairGames", 120, 320, frame.width - 240, Round(frame.height / 2.0 - 420));
    const TwipsRect grid = g["grdPairGames"];
    const double GW = grid.width;
    g.SetColumns("grdPairGames",
                 {Round(GW / 10 * 0.8), Round(GW / 10 * 2.2), Round(GW / 10 * 2.2),
                  Round(GW / 10 * 0.8), Round(GW / 10 * 0.8), Round(GW / 10 * 2.8)});

    const int G = grid.Bottom();
    g.Move("lstPairResults_0", 120, G + 380, Round(grid.width / 2.0 - 60), frame.height - G - 500);
    const TwipsRect first = g["lstPairResults_0"];
    g.Move("lstPairResults_1", grid.Right() - first.width, first.top, first.width, first.height);
    const TwipsRect second = g["lstPairResults_1"];
    g.Move("lblPairResults_0", 120, first.top - 225, first.width);
    g.Move("lblPairResults_1", second.left, second.top - 225, second.width);
}

void LayoutFindPair(G& g, int FW, int FH) {
    g.Move("lstPair_0", 180, 540, Round(FW / 3.0), Round(FH / 2.0 - 660));
    const TwipsRect first = g["lstPair_0"];
    g.Move("lstPair_1", 180, FH - first.height - 300, Round(FW / 3.0), first.height);

    g.Move("lblVS", Round(first.left + (first.width - g["lblVS"].width) / 2.0), first.Bottom() + 3);
    // The go button sits halfway down the gap between the two lists.
    const int E = first.Bottom();
    g.Move("chbPair", first.Right() - g["chbPair"].width,
           Round(E + (g["lstPair_1"].top - E - g["chbPair"].height) / 2.0));

    const int W = FW - first.width - 540;
    g.Move("fraPair", FW - W - 180, first.top, W, FH - 800);
    LayoutFindPairResults(g);
}

void LayoutOptions(G& g, int FW, int FH) {
    for (int i = 0; i <= 4; ++i) {
        const std::string label = ArrayName("lblOpt", i);
        g.Move(label, 0, FH - 2000 + 320 * i, FW);
    }
    g.Move("shpOpt", 120, 2520, FW - 240);
    const TwipsRect box = g["shpOpt"];
    g.Move("lblOptInfo", box.left + 120, box.top + 100, box.width - 180, box.height - 200);
    g["chbApplyOptions"].left = FW - g["chbApplyOptions"].width - 320;
}

void LayoutFantasy(G& g, int FW, int FH) {
    g.Move("lstFantasyPlayers", 180, 540, Round(FW / 5.0), FH - 760);
    const TwipsRect players = g["lstFantasyPlayers"];
    g.Move("lstFantasySelected", players.Right() + 600,
           Round(players.top + (players.height - players.height / 2.0) / 2), players.width,
           Round(players.height / 2.0));
    const TwipsRect selected = g["lstFantasySelected"];

    // The four list buttons stand in the gap between the lists, around its middle.
    const int M = Round(selected.height / 2.0 - 200);
    const int offsets[] = {-600, -200, 200, 600};
    for (int i = 0; i <= 3; ++i) {
        g.Move(ArrayName("chbFantasyLst", i), players.Right() + 80, selected.top + M + offsets[i]);
    }
    g.Move("chbFantasyCalc",
           Round(selected.left + (selected.width - g["chbFantasyCalc"].width) / 2.0),
           selected.Bottom() + 120);

    const int L = selected.Right() + 120;
    g.Move("fraFantasyResults", L, 540, FW - L - 120, players.height);
    const TwipsRect frame = g["fraFantasyResults"];
    g.Move("grdFantasyGames", 120, 320, frame.width - 240, Round(frame.height / 2.0));
    const TwipsRect games = g["grdFantasyGames"];
    const double U = (games.width - 240) / 10.0;
    g.SetColumns("grdFantasyGames", {Round(U * 3), Round(U * 3), Round(U * 2), Round(U * 2)});

    const int T = games.Bottom() + 120;
    g.Move("grdFantasyTable", 120, T, frame.width - 240, frame.height - T - 120);
    const double GW = g["grdFantasyTable"].width;
    g.SetColumns("grdFantasyTable",
                 {Round(GW / 10 * 0.7), Round(GW / 10 * 2.7 - 160), Round(GW / 10), Round(GW / 10),
                  Round(GW / 10), Round(GW / 10), Round(GW / 10), Round(GW / 10 * 1.3)});
    g.Move("lblFantasyResults", 0, 0, frame.width);
}

void LayoutFrame(G& g, const WindowInfo& window, int FW, int FH) {
    switch (window.mCurrentFrame) {
        case 0:
            return LayoutRankings(g, FW, FH);
        case 1:
            return LayoutPlayerStats(g, FW, FH);
        case 2:
            return LayoutTournaments(g, FW, FH, window);
        case 3:
            return LayoutWorldCups(g, FW, FH);
        case 4:
            return LayoutMisc(g, FW, FH);
        case 5:
            return LayoutFindPair(g, FW, FH);
        case 6:
            return LayoutOptions(g, FW, FH);
        case 7:
            return LayoutFantasy(g, FW, FH);
        default:
            break;
    }
}

}  // namespace

void LayoutMainWindow(ControlGeometry& g, const WindowInfo& window) {
    if (window.mInitialised == 0 || window.minimised) return;

    const int FW = window.width - 210;
    const int FH = window.height - 1500;
    for (int i = 0; i <= 7; ++i) {
        g.Move(ArrayName("fraFrame", i), 60, 780, FW, FH);
        g[ArrayName("lblTitle", i)].width = FW;
    }

    g.Move("picInfo", FW - g["picInfo"].width, 780);
    for (int k = 0; k <= 5; ++k) {
        const std::string help = ArrayName("chbPlayerHelp", k);
        g.Move(help, FW - g[help].width - 60, 60);
    }
    g.Move("picResize", window.width - g["picResize"].width - 120, 0);
    g.SetVisible("picResize", !window.maximised);

    LayoutFrame(g, window, FW, FH);
}
