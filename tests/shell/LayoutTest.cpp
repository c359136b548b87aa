#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "core/Twips.h"
#include "shell/FrameTable.h"
#include "shell/Layout.h"
#include "widgets/ControlBuilder.h"
#include "widgets/SizeLimit.h"

// Readable failures.
void PrintTo(const TwipsRect& r, std::ostream* os) {
    *os << "{" << r.left << ", " << r.top << ", " << r.width << ", " << r.height << "}";
}

namespace {

WindowInfo Window(int widthPx, int heightPx, int frame, int lineHeight = 195) {
    // About 14400 twips of text at one line of lineHeight twips, as the window's font measures it.
    return {.width = PixelsToTwips(widthPx),
            .height = PixelsToTwips(heightPx),
            .mCurrentFrame = frame,
            .mInitialised = 1,
            .textHeight = [lineHeight](const std::string&, const TwipsRect& r) {
                return (14400 + r.width - 1) / r.width * lineHeight;
            }};
}

ControlGeometry LaidOut(int widthPx, int heightPx, int frame, int lineHeight = 195) {
    ControlGeometry g = DesignGeometry();
    LayoutMainWindow(g, Window(widthPx, heightPx, frame, lineHeight));
    return g;
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

// Every control of the frame: positive size, inside its container, clear of its siblings, and
// grids with column widths that fit them.
std::vector<std::string> Problems(const ControlGeometry& g, int frame) {
    std::vector<std::string> problems;
    std::map<std::string, std::vector<std::string>> children;
    for (const LayoutControl& c : LayoutControls()) {
        // The winners box is centred in the frame whenever it is shown, so has no laid-out place.
        if (c.frame != frame || c.name == "fraTournamentWinners") continue;
        children[c.container].push_back(c.name);
        const TwipsRect r = g[c.name];
        const TwipsRect box = g[c.container];
        if (r.width <= 0 || r.height <= 0) problems.push_back(c.name + " has no size");
        if (r.left < 0 || r.top < 0 || r.Right() > box.width || r.Bottom() > box.height) {
            problems.push_back(c.name + " is cut off");
        }
        int sum = 0;
        for (int w : g.Columns(c.name)) sum += w;
        if (sum > r.width) problems.push_back(c.name + " columns wider than the grid");
        if (c.name.starts_with("grd") && g.Columns(c.name).empty()) {
            problems.push_back(c.name + " has no column widths");
        }
    }
    // The Tournaments frame's phase buttons stand centred in their panel.
    if (frame == 2) {
        int left = g["fraDadidurez"].width, right = 0;
        for (int i = 0; i <= 4; ++i) {
            left = std::min(left, g[ArrayName("chbRounds", i)].left);
            right = std::max(right, g[ArrayName("chbRounds", i)].Right());
        }
        if (std::abs(left - (g["fraDadidurez"].width - right)) > 1) {
            problems.push_back("phase buttons off centre");
        }
    }
    for (const auto& [container, names] : children) {
        for (size_t i = 0; i < names.size(); ++i) {
            for (size_t j = i + 1; j < names.size(); ++j) {
                if (Overlap(g[names[i]], g[names[j]]) && !MeantToOverlap(names[i], names[j])) {
                    problems.push_back(names[i] + " overlaps " + names[j]);
                }
            }
        }
    }
    return problems;
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
    EXPECT_EQ(Problems(g, frame), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(Layout, LayoutFitTest,
                         testing::Combine(testing::Range(0, FrameCount()), testing::Range(0, 3)));

// At every height of the window, and with a larger font, the Tournaments frame fits, its phase
// buttons in one column while there is room, side by side when there is not.
TEST(LayoutTest, TheTournamentsFrameFitsAtEveryHeightAndWithALargerFont) {
    for (const int lineHeight : {195, 225}) {
        for (int height = kMainMinHeight; height <= kMainMaxHeight; ++height) {
            ASSERT_EQ(Problems(LaidOut(kMainMinWidth, height, 2, lineHeight), 2),
                      std::vector<std::string>{})
                << height << " " << lineHeight;
        }
    }
    const ControlGeometry g = LaidOut(kMainMinWidth, kMainMinHeight, 2);
    EXPECT_GT(g["chbRounds_3"].left, g["chbRounds_0"].Right());
}

// The window reads the geometry back from its widgets, in whole pixels, before each layout; a
// second layout at the same size must put everything in the same place.
TEST(LayoutTest, RepeatedLayoutThroughPixelsIsStable) {
    const auto snap = [](int twips) { return PixelsToTwips(TwipsToPixels(twips)); };
    for (int frame = 0; frame < FrameCount(); ++frame) {
        ControlGeometry first = LaidOut(733, 517, frame);
        ControlGeometry second = first;
        for (const auto& [name, r] : first.Rects()) {
            second.Set(name, {snap(r.left), snap(r.top), snap(r.width), snap(r.height)});
        }
        LayoutMainWindow(second, Window(733, 517, frame));
        for (const LayoutControl& c : LayoutControls()) {
            if (c.frame != frame) continue;
            EXPECT_EQ(second[c.name], first[c.name]) << c.name;
        }
        EXPECT_EQ(second.AllColumns(), first.AllColumns()) << frame;
    }
}

}  // namespace
