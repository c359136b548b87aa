// The main window as router: what one frame asks for reaches the window or the other frames.

#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "shell/StatusLine.h"
#include "support/MainWindowFixtures.h"
#include "support/WindowControls.h"
#include "widgets/Frame.h"
#include "widgets/ScreenPlacement.h"
#include "widgets/TextsToWidgets.h"

namespace {

class Shell : public SampleMainWindow {};

TEST_F(Shell, WaitBoxAnswersAnyFrame) {
    emit Ctl<Frame>(window, "fraFrame_7")->waitProgress(QStringLiteral("Vodad R vs O'Neil S"));
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

}  // namespace
