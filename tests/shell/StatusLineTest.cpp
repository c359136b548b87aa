// The size the status line shows, and how it is drawn, at any scale factor.

#include <QImage>
#include <QPixmap>

#include "core/Twips.h"
#include "shell/StatusLine.h"
#include "support/MainWindowFixtures.h"
#include "widgets/WindowSize.h"

namespace {

TEST(OuterSize, AWindowFillingTheScreenIsNoLargerThanTheAreaItFills) {
    const QRect screen(0, 0, 1280, 1024);
    const QRect available(0, 0, 1280, 1024);
    // Maximised, with the margins of the normal window still reported.
    const WindowOutline stale{.frame = QRect(-1, -6, 1282, 1030),
                              .maximised = true,
                              .screen = screen,
                              .available = available};
    EXPECT_EQ(OuterSize(stale), QSize(1280, 1024));
    // A panel takes part of the screen; a maximised window keeps out of it.
    WindowOutline settled = stale;
    settled.frame = QRect(0, 0, 1280, 1024);
    settled.available = QRect(0, 0, 1280, 994);
    EXPECT_EQ(OuterSize(settled), QSize(1280, 994));
    // A normal window is its frame, margins and all.
    const WindowOutline normal{
        .frame = QRect(100, 80, 812, 631), .screen = screen, .available = available};
    EXPECT_EQ(OuterSize(normal), QSize(812, 631));
}

TEST(StatusLineTexts, TheSizeReadsWidthByHeight) {
    EXPECT_EQ(StatusLineTexts(812, 631)[1].text, "812 x 631 pixels");
}

// Runs at scale factor 1 with the other tests and again at 2 (see tests/CMakeLists.txt).
class StatusLineAtScale : public SampleMainWindow {
  protected:
    // Whether any pixel of the status line's image between x0 and x1 (logical pixels, the text
    // rows only) differs from the background.
    bool Inked(const QImage& image, int x0, int x1) const {
        const qreal ratio = image.devicePixelRatio();
        const QRgb background = image.pixel(image.width() / 2, 1);
        for (int x = static_cast<int>(x0 * ratio); x < static_cast<int>(x1 * ratio); ++x) {
            for (int y = static_cast<int>(2 * ratio); y < image.height() - 1; ++y) {
                if (image.pixel(x, y) != background) return true;
            }
        }
        return false;
    }
};

TEST_F(StatusLineAtScale, TheLargestSizeReadoutStaysClearOfItsSeparator) {
    for (const QSize size : {QSize(1600, 1200), QSize(1280, 1024), QSize(800, 600)}) {
        SCOPED_TRACE(testing::Message() << size.width() << "x" << size.height());
        window.resize(size);
        window.ui.picStatus->setMessage(QString());
        const QImage image = window.ui.picStatus->grab().toImage();
        const int separator = TwipsToPixels(3300);
        // Written, from its place at 2000 twips.
        EXPECT_TRUE(Inked(image, TwipsToPixels(2000), TwipsToPixels(2000) + 20));
        // Nothing in the 4 pixels before the separator's line (a pixel wide at scale 1, two
        // device pixels about its place at scale 2): the text ends well before it.
        EXPECT_FALSE(Inked(image, separator - 5, separator - 1));
        // The times-run text after the separator is there too.
        EXPECT_TRUE(Inked(image, TwipsToPixels(3500), TwipsToPixels(3500) + 20));
    }
}

}  // namespace
