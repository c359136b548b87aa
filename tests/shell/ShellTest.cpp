// The main window as router (what one frame asks for reaches the window or the other frames), its
// place and size on the screen, and the status line at any scale factor.

#include <QImage>
#include <QPixmap>

#include "core/Twips.h"
#include "shell/StatusLine.h"
#include "support/MainWindowFixtures.h"
#include "widgets/Frame.h"
#include "widgets/ScreenPlacement.h"
#include "widgets/TextsToWidgets.h"
#include "widgets/WindowSize.h"

namespace {

class Shell : public SampleMainWindow {};

TEST_F(Shell, WaitBoxAnswersAnyFrame) {
    emit C<Frame>("fraFrame_7").waitProgress(QStringLiteral("Vodad R vs O'Neil S"));
    EXPECT_EQ(window.ui.txtWait->text(), "Vodad R vs O'Neil S");
}

TEST_F(Shell, DatabaseTextIsNeverReadAsMarkup) {
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        EXPECT_EQ(label->textFormat(), Qt::PlainText) << label->objectName().toStdString();
    }
    // No text, no tip: an empty one would show as an empty box.
    EXPECT_EQ(PlainToolTip(QString()), QString());
}

TEST_F(Shell, HelpGoesWithItsFrameAndOptionsHasNone) {
    const auto press = [this](QKeySequence keys) { QTest::keySequence(&window, keys); };
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    // A help panel left open goes with its frame.
    window.HelpClick(2);
    press(QKeySequence(Qt::CTRL | Qt::Key_2));
    EXPECT_TRUE(window.ui.picInfo->isHidden());
    // The Options frame has no help to show.
    press(QKeySequence(Qt::CTRL | Qt::Key_7));
    press(QKeySequence(Qt::Key_F1));
    EXPECT_TRUE(window.ui.picInfo->isHidden());
}

TEST(PlaceOnScreen, KeepsEveryWindowInsideTheAvailableArea) {
    // 800 x 600 at a scale factor of 2 on 1280 x 1024 leaves 640 x 512 logical pixels.
    const QRect area(0, 0, 640, 482);
    EXPECT_EQ(PlaceOnScreen({800, 600}, {600, 460}, area), QRect(0, 0, 640, 482));
    EXPECT_EQ(PlaceOnScreen({917, 400}, {0, 0}, QRect(10, 20, 640, 480)), QRect(10, 60, 640, 400));
    // A screen smaller than the minimum gets all of it, no more.
    EXPECT_EQ(PlaceOnScreen({800, 600}, {600, 460}, QRect(0, 0, 500, 400)), QRect(0, 0, 500, 400));
    // 1600 x 1000 at a scale factor of 2: the title bar and borders fit too.
    EXPECT_EQ(PlaceOnScreen({800, 600}, {600, 460}, QRect(0, 0, 800, 500), QMargins(1, 24, 1, 1)),
              QRect(1, 24, 798, 475));
}

TEST(OuterSize, AWindowFillingTheScreenIsNoLargerThanTheAreaItFills) {
    const QRect screen(0, 0, 1280, 1024);
    // Maximised, with the margins of the normal window still reported.
    WindowOutline outline{.frame = QRect(-1, -6, 1282, 1030),
                          .maximised = true,
                          .screen = screen,
                          .available = screen};
    EXPECT_EQ(OuterSize(outline), QSize(1280, 1024));
    // A panel takes part of the screen; a maximised window keeps out of it.
    outline.frame = screen;
    outline.available = QRect(0, 0, 1280, 994);
    EXPECT_EQ(OuterSize(outline), QSize(1280, 994));
    // A normal window is its frame, margins and all.
    outline.frame = QRect(100, 80, 812, 631);
    outline.maximised = false;
    EXPECT_EQ(OuterSize(outline), QSize(812, 631));
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
