// The Tournaments frame's layout on its own, without the window: the phase chooser's buttons.

#include <gtest/gtest.h>

#include "shell/Layout.h"
#include "tournaments/ui/TournamentsFrame.h"

namespace {

// The design laid out by the frame's own rules in a frame of the given size, its text lines
// lineHeight twips high (about 14400 twips of text in all).
ControlGeometry LaidOut(int frameWidth, int frameHeight, int lineHeight) {
    ControlGeometry g = DesignGeometry();
    const FrameDescription& tournaments = TournamentsFrame::Description();
    tournaments.layout(g, {.width = frameWidth,
                           .height = frameHeight,
                           .helpButton = tournaments.HelpButtonName(),
                           .textHeight = [lineHeight](const std::string&, const TwipsRect& r) {
                               return (14400 + r.width - 1) / r.width * lineHeight;
                           }});
    return g;
}

TwipsRect Button(const ControlGeometry& g, int i) {
    return g["chbRounds_" + std::to_string(i)];
}

// Below the framed text the five phase buttons stand in one column while the panel is high
// enough.
TEST(TournamentsLayout, PhaseButtonsStandInOneColumnInHighPanels) {
    const ControlGeometry g = LaidOut(23790, 16500, 195);
    EXPECT_EQ(g["lblDadidurez"].height, 195);
    const int middle = (g["fraDadidurez"].width - Button(g, 0).width) / 2;
    for (int i = 0; i <= 4; ++i) {
        EXPECT_NEAR(Button(g, i).left, middle, 1) << i;
        EXPECT_EQ(Button(g, i).top, Button(g, 0).top + 420 * i) << i;
    }
    EXPECT_GT(Button(g, 0).top, g["shpDadidurez"].Bottom());
}

// In the smallest window they go three and two side by side, centred, closer together when the
// text takes more room, and still inside the panel.
TEST(TournamentsLayout, PhaseButtonsGoSideBySideInLowPanels) {
    for (const int lineHeight : {195, 225}) {
        SCOPED_TRACE(lineHeight);
        const ControlGeometry g = LaidOut(8790, 5400, lineHeight);
        const TwipsRect panel = g["fraDadidurez"];
        EXPECT_GT(g["shpDadidurez"].Bottom(), g["lblDadidurez"].Bottom());
        EXPECT_GT(Button(g, 0).top, g["shpDadidurez"].Bottom());

        for (const int i : {1, 2}) EXPECT_EQ(Button(g, i).left, Button(g, 0).left) << i;
        EXPECT_EQ(Button(g, 4).left, Button(g, 3).left);
        EXPECT_GT(Button(g, 3).left, Button(g, 0).Right());
        EXPECT_NEAR(Button(g, 0).left, panel.width - Button(g, 3).Right(), 1);
        EXPECT_EQ(Button(g, 3).top, Button(g, 0).top);
        EXPECT_EQ(Button(g, 4).top, Button(g, 1).top);

        const int gap = Button(g, 1).top - Button(g, 0).Bottom();
        EXPECT_EQ(Button(g, 2).top - Button(g, 1).Bottom(), gap);
        EXPECT_TRUE(lineHeight == 195 ? gap == 45 : gap >= 0 && gap < 45) << gap;
        EXPECT_LE(Button(g, 2).Bottom(), panel.height);
    }
}

// At every height between the smallest window and a high one, no phase button leaves the panel.
TEST(TournamentsLayout, PhaseButtonsStayInsideThePanelAtEveryHeight) {
    for (int height = 5400; height <= 16500; height += 15) {
        const ControlGeometry g = LaidOut(8790, height, 195);
        for (int i = 0; i <= 4; ++i) {
            ASSERT_LE(Button(g, i).Bottom(), g["fraDadidurez"].height) << height << " " << i;
        }
    }
}

}  // namespace
