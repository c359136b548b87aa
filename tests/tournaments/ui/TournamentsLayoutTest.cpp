// The Tournaments frame's layout on its own, without the window: the phase chooser's buttons.

#include <gtest/gtest.h>

#include <algorithm>

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

// At every height between the smallest window and a high one, and with a larger font, the five
// phase buttons stand below the framed text, centred and inside the panel: in one column while
// there is room, side by side when there is not.
TEST(TournamentsLayout, PhaseButtonsStayCentredInsideThePanelAtEveryHeight) {
    for (const int lineHeight : {195, 225}) {
        for (int height = 5400; height <= 16500; height += 15) {
            const ControlGeometry g = LaidOut(8790, height, lineHeight);
            const TwipsRect panel = g["fraDadidurez"];
            ASSERT_GT(Button(g, 0).top, g["shpDadidurez"].Bottom()) << height;
            int left = panel.width, right = 0;
            for (int i = 0; i <= 4; ++i) {
                ASSERT_LE(Button(g, i).Bottom(), panel.height) << height << " " << i;
                left = std::min(left, Button(g, i).left);
                right = std::max(right, Button(g, i).Right());
            }
            ASSERT_NEAR(left, panel.width - right, 1) << height;
        }
    }
    EXPECT_GT(Button(LaidOut(8790, 5400, 195), 3).left,
              Button(LaidOut(8790, 5400, 195), 0).Right());
}

}  // namespace
