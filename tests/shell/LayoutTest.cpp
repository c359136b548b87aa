#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <ostream>
#include <set>
#include <stdexcept>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "core/Twips.h"
#include "shell/Layout.h"
#include "widgets/SizeLimit.h"

// Readable failures.
void PrintTo(const TwipsRect& r, std::ostream* os) {
    *os << "{" << r.left << ", " << r.top << ", " << r.width << ", " << r.height << "}";
}

namespace {

// Stands in for the window's measure of the phase chooser's text in its 8 point font: about
// 13100 twips on one line, a tenth more for breaking at words, lines of lineHeight twips.
auto TextLines(int lineHeight) {
    return [lineHeight](const std::string&, const TwipsRect& rect) {
        return static_cast<int>(std::ceil(14400.0 / rect.width)) * lineHeight;
    };
}

WindowInfo Window(int widthPx, int heightPx, int frame) {
    return {.width = PixelsToTwips(widthPx),
            .height = PixelsToTwips(heightPx),
            .mCurrentFrame = frame,
            .mInitialised = 1,
            .textHeight = TextLines(195)};
}

ControlGeometry LaidOut(int widthPx, int heightPx, int frame) {
    ControlGeometry g = DesignGeometry();
    LayoutMainWindow(g, Window(widthPx, heightPx, frame));
    return g;
}

ControlGeometry Smallest(int frame) {
    return LaidOut(kMainMinWidth, kMainMinHeight, frame);
}

bool Overlap(const TwipsRect& a, const TwipsRect& b) {
    return a.left < b.Right() && b.left < a.Right() && a.top < b.Bottom() && b.top < a.Bottom();
}

// Controls laid over others on purpose: the buttons on a frame's title bar, the cup notice over
// the empty table, the phase chooser in place of the table panel, shapes framing their labels,
// the "List all" button on the records heading.
bool MeantToOverlap(const std::string& a, const std::string& b) {
    static const std::set<std::pair<std::string, std::string>> pairs = {
        {"grdTournamentTables", "lblTournamentCup"},
        {"fraDadidurez", "fraTournaments_0"},
        {"lblDadidurez", "shpDadidurez"},
        {"lblOptInfo", "shpOpt"},
        {"chbMiscTop", "lblMisc_3"},
    };
    if (pairs.contains({std::min(a, b), std::max(a, b)})) return true;
    const auto onTitle = [](const std::string& title, const std::string& other) {
        return title.starts_with("lblTitle_") &&
               (other.starts_with("chbPlayerHelp_") || other == "chbShowTournamentWinners" ||
                other == "chbMiscRecalc");
    };
    return onTitle(a, b) || onTitle(b, a);
}

struct Problems {
    std::set<std::string> cutOff;
    std::vector<std::string> other;
};

// Every control of the frame: positive size, inside its container, clear of its siblings, and
// grid columns that fit their grid.
Problems Check(const ControlGeometry& g, int frame) {
    Problems p;
    std::map<std::string, std::vector<std::string>> children;
    for (const LayoutControl& c : LayoutControls()) {
        // The winners box is centred in the frame whenever it is shown, so has no laid-out place.
        if (c.frame != frame || c.container == "window" || c.name == "fraTournamentWinners") {
            continue;
        }
        children[c.container].push_back(c.name);
        const TwipsRect r = g[c.name];
        const TwipsRect box = g[c.container];
        if (r.width <= 0 || r.height <= 0) p.other.push_back(c.name + " has no size");
        if (r.left < 0 || r.top < 0 || r.Right() > box.width || r.Bottom() > box.height) {
            p.cutOff.insert(c.name);
        }
        const std::vector<int>& columns = g.Columns(c.name);
        int sum = 0;
        for (int w : columns) sum += w;
        if (sum > r.width) p.other.push_back(c.name + " columns wider than the grid");
    }
    for (const auto& [container, names] : children) {
        for (size_t i = 0; i < names.size(); ++i) {
            for (size_t j = i + 1; j < names.size(); ++j) {
                if (Overlap(g[names[i]], g[names[j]]) && !MeantToOverlap(names[i], names[j])) {
                    p.other.push_back(names[i] + " overlaps " + names[j]);
                }
            }
        }
    }
    return p;
}

std::string Join(const auto& names) {
    std::string text;
    for (const std::string& n : names) text += n + "; ";
    return text;
}

class LayoutFitTest : public testing::TestWithParam<std::tuple<int, int>> {};

TEST_P(LayoutFitTest, FrameInFrontFitsWithoutCutsOrOverlaps) {
    const auto [frame, sizeIndex] = GetParam();
    const int sizes[][2] = {
        {kMainMinWidth, kMainMinHeight}, {800, 600}, {kMainMaxWidth, kMainMaxHeight}};
    const auto [w, h] = sizes[sizeIndex];
    const ControlGeometry g = LaidOut(w, h, frame);

    const TwipsRect f = g["fraFrame_" + std::to_string(frame)];
    EXPECT_LE(f.Right(), PixelsToTwips(w));
    EXPECT_LE(f.Bottom(), PixelsToTwips(h));

    const Problems p = Check(g, frame);
    EXPECT_TRUE(p.other.empty()) << Join(p.other);
    EXPECT_TRUE(p.cutOff.empty()) << Join(p.cutOff);
}

INSTANTIATE_TEST_SUITE_P(Layout, LayoutFitTest,
                         testing::Combine(testing::Range(0, 8), testing::Range(0, 3)));

TEST(LayoutTest, UnknownNamesAreProgrammingErrors) {
    ControlGeometry g;
    g.Set("grdRankings", {1, 2, 3, 4});
    g.Move("grdRankings", std::nullopt, 20, std::nullopt, 40);
    EXPECT_EQ(g["grdRankings"], (TwipsRect{1, 20, 3, 40}));

    try {
        (void)g["grdRanking"];
        FAIL() << "no exception";
    } catch (const std::out_of_range& e) {
        EXPECT_NE(std::string(e.what()).find("\"grdRanking\""), std::string::npos);
    }
    EXPECT_THROW(g.SetColumns("grdMisc_9", {1}), std::out_of_range);
    EXPECT_THROW((void)g.RowHeight("grdRankings"), std::out_of_range);

    // The listed names are all the layout needs, whichever frame is in front.
    ControlGeometry laidOutOnly;
    const ControlGeometry design = DesignGeometry();
    for (const std::string& name : LayoutControlNames()) {
        laidOutOnly.Set(name, design[name]);
        if (name == "grdMisc_0") laidOutOnly.SetRowHeight(name, design.RowHeight(name));
    }
    for (int frame = 0; frame <= 7; ++frame) {
        EXPECT_NO_THROW(LayoutMainWindow(laidOutOnly, Window(700, 500, frame))) << frame;
    }
}

TEST(LayoutTest, NothingMovesWhileLoadingOrMinimised) {
    const ControlGeometry design = DesignGeometry();
    for (int frame = 0; frame <= 7; ++frame) {
        ControlGeometry g = design;
        WindowInfo loading = Window(1000, 700, frame);
        loading.mInitialised = 0;
        LayoutMainWindow(g, loading);
        WindowInfo minimised = Window(1000, 700, frame);
        minimised.minimised = true;
        LayoutMainWindow(g, minimised);
        EXPECT_EQ(g, design) << frame;
    }
}

TEST(LayoutTest, GripHiddenOnlyWhileMaximised) {
    ControlGeometry g = DesignGeometry();
    WindowInfo window = Window(1600, 1200, 0);
    window.maximised = true;
    LayoutMainWindow(g, window);
    EXPECT_FALSE(g.Visible("picResize"));
    EXPECT_EQ(g["picResize"].left, 24000 - 255 - 120);

    window.maximised = false;
    LayoutMainWindow(g, window);
    EXPECT_TRUE(g.Visible("picResize"));
}

// The window reads the geometry back from its widgets, in whole pixels, before each layout; a
// second layout at the same size must put everything in the same place.
TEST(LayoutTest, RepeatedLayoutThroughPixelsIsStable) {
    const auto snap = [](int twips) { return PixelsToTwips(TwipsToPixels(twips)); };
    for (int frame = 0; frame <= 7; ++frame) {
        ControlGeometry first = LaidOut(733, 517, frame);
        ControlGeometry second = first;
        for (const auto& [name, r] : first.Rects()) {
            second.Set(name, {snap(r.left), snap(r.top), snap(r.width), snap(r.height)});
        }
        LayoutMainWindow(second, Window(733, 517, frame));
        for (const LayoutControl& c : LayoutControls()) {
            if (c.frame == frame) {
                EXPECT_EQ(second[c.name], first[c.name]) << c.name;
            }
        }
        EXPECT_EQ(second.AllColumns(), first.AllColumns()) << frame;
    }
}

// Worked by hand for a 600 x 460 pixel window: frames 8790 x 5400 twips.
TEST(LayoutTest, SmallestWindowValues) {
    ControlGeometry g = Smallest(0);
    EXPECT_EQ(g["fraFrame_5"], (TwipsRect{60, 780, 8790, 5400}));
    EXPECT_EQ(g["chbPlayerHelp_2"].left, 8790 - 315 - 60);
    EXPECT_EQ(g["picInfo"].left, 8790 - 2655);
    EXPECT_EQ(g["grdRankings"], (TwipsRect{120, 500, 8550, 4340}));
    EXPECT_EQ(g.Columns("grdRankings"), (std::vector<int>{684, 2565, 2565, 2394, 0}));
    EXPECT_EQ(g["lblRankMonth"].left, 8790 - 120 - 2415 - 540 - 120);

    g = Smallest(1);
    EXPECT_EQ(g["fraPlayerStats"], (TwipsRect{3510, 540, 5120, 4295}));
    EXPECT_EQ(g["chbPlayerPositions"], (TwipsRect{2620, 3895, 1160, 375}));

    g = Smallest(2);
    EXPECT_EQ(g["fraTournaments_0"].height, 2148);  // (5400 - 1105) / 2 = 2147.5
    EXPECT_EQ(g["cmbTournamentFilter"], (TwipsRect{800, 4845, 2310, 330}));
    EXPECT_EQ(g.Columns("grdTournamentTables"),
              (std::vector<int>{439, 982, 439, 439, 439, 439, 488, 488, 488}));
    EXPECT_EQ(g.Columns("grdTournamentGames"), (std::vector<int>{1368, 1368, 912, 912}));
    EXPECT_EQ(g.Columns("grdTournamentWinners"), (std::vector<int>{2720, 2720}));

    g = Smallest(3);
    EXPECT_EQ(g["fraWC_1"], (TwipsRect{120, 3350, 8550, 1890}));
    EXPECT_EQ(g["chbWC_1"].left, 2078 + 120);  // half of 4155, to the even 2078

    g = Smallest(4);
    EXPECT_EQ(g["grdMisc_0"], (TwipsRect{60, 620, 3855, 7 * 270 + 10}));
    EXPECT_EQ(g["grdMisc_3"], (TwipsRect{60, 2920, 3855, 1640}));

    g = Smallest(5);
    EXPECT_EQ(g["chbPair"].top, 2632);  // 2580 + 105 / 2, the half to the even
    EXPECT_EQ(g["fraPair"], (TwipsRect{3290, 540, 5320, 4600}));

    g = Smallest(6);
    EXPECT_EQ(g["lblOptInfo"], (TwipsRect{240, 2620, 8370, 655}));

    g = Smallest(7);
    EXPECT_EQ(g["lstFantasySelected"], (TwipsRect{2538, 1700, 1758, 2320}));
    EXPECT_EQ(g["grdFantasyTable"], (TwipsRect{120, 2760, 4014, 1760}));
}

// Below the framed text the five phase buttons stand in one column while the panel is high
// enough; in the smallest window they go three and two side by side, centred, closer together
// when the text takes more room, and still inside the panel.
TEST(LayoutTest, PhaseButtonsGoSideBySideInLowPanels) {
    const auto laidOut = [](int widthPx, int heightPx, int lineHeight) {
        WindowInfo window = Window(widthPx, heightPx, 2);
        window.textHeight = TextLines(lineHeight);
        ControlGeometry g = DesignGeometry();
        LayoutMainWindow(g, window);
        return g;
    };
    const auto button = [](const ControlGeometry& g, int i) {
        return g["chbRounds_" + std::to_string(i)];
    };

    // Wide enough for the text on one line.
    ControlGeometry g = laidOut(kMainMaxWidth, kMainMaxHeight, 195);
    EXPECT_EQ(g["lblDadidurez"].height, 195);
    const int middle = (g["fraDadidurez"].width - button(g, 0).width) / 2;
    for (int i = 0; i <= 4; ++i) {
        EXPECT_NEAR(button(g, i).left, middle, 1) << i;
        EXPECT_EQ(button(g, i).top, button(g, 0).top + 420 * i) << i;
    }
    EXPECT_GT(button(g, 0).top, g["shpDadidurez"].Bottom());

    for (const int lineHeight : {195, 225}) {
        SCOPED_TRACE(lineHeight);
        g = laidOut(kMainMinWidth, kMainMinHeight, lineHeight);
        const TwipsRect panel = g["fraDadidurez"];
        EXPECT_GT(g["shpDadidurez"].Bottom(), g["lblDadidurez"].Bottom());
        EXPECT_GT(button(g, 0).top, g["shpDadidurez"].Bottom());

        for (const int i : {1, 2}) EXPECT_EQ(button(g, i).left, button(g, 0).left) << i;
        EXPECT_EQ(button(g, 4).left, button(g, 3).left);
        EXPECT_GT(button(g, 3).left, button(g, 0).Right());
        EXPECT_NEAR(button(g, 0).left, panel.width - button(g, 3).Right(), 1);
        EXPECT_EQ(button(g, 3).top, button(g, 0).top);
        EXPECT_EQ(button(g, 4).top, button(g, 1).top);

        const int gap = button(g, 1).top - button(g, 0).Bottom();
        EXPECT_EQ(button(g, 2).top - button(g, 1).Bottom(), gap);
        EXPECT_TRUE(lineHeight == 195 ? gap == 45 : gap >= 0 && gap < 45) << gap;
        EXPECT_LE(button(g, 2).Bottom(), panel.height);
    }
}

// As many column widths as the grids have columns.
TEST(LayoutTest, EveryGridGetsAllItsColumns) {
    const std::map<std::string, std::pair<int, size_t>> grids = {
        {"grdRankings", {0, 5}},
        {"grdPlayerStats", {1, 2}},
        {"grdTournamentTables", {2, 9}},
        {"grdTournamentGames", {2, 4}},
        {"grdTournamentWinners", {2, 2}},
        {"grdWC_0", {3, 9}},
        {"grdWC_1", {3, 4}},
        {"grdMisc_0", {4, 2}},
        {"grdMisc_1", {4, 7}},
        {"grdMisc_2", {4, 7}},
        {"grdMisc_3", {4, 2}},
        {"grdPairGames", {5, 6}},
        {"grdFantasyGames", {7, 4}},
        {"grdFantasyTable", {7, 8}},
    };
    for (const auto& [grid, expected] : grids) {
        EXPECT_EQ(Smallest(expected.first).Columns(grid).size(), expected.second) << grid;
    }
}

}  // namespace
