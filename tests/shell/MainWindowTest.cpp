#include <QScreen>
#include <QVariantAnimation>

#include "core/Twips.h"
#include "shell/Navigation.h"
#include "shell/StatusLine.h"
#include "support/MainWindowFixtures.h"
#include "widgets/Button.h"
#include "widgets/SizeLimit.h"

namespace {

// Loaded, not shown: the tests show it when they need to.
class MainWindow : public LoadedMainWindow {
  protected:
    explicit MainWindow(bool hostCountries = true)
        : LoadedMainWindow("mainwin", [hostCountries](const std::string& path) {
              if (hostCountries) {
                  WriteSampleDb(path);
              } else {
                  WriteListsDuzedo(path, false);
              }
          }) {}

    int Top(int frame) const { return PixelsToTwips(window.ui.fraFrame[frame]->y()); }
    QString Help() const { return window.ui.lblInfo[0]->text(); }
    // Only the frame in front is in sight.
    void ExpectOnlyInFront(int front) const {
        for (int frame = 0; frame < 8; ++frame) {
            EXPECT_EQ(window.ui.fraFrame[frame]->isHidden(), frame != front) << frame;
        }
    }
};

TEST_F(MainWindow, NavigationShowsOneFrameAndParksTheOthers) {
    window.resize(800, 600);
    window.BarClick(3);
    EXPECT_EQ(window.mCurrentFrame, 3);
    EXPECT_EQ(Top(3), kFrameTop);
    ExpectOnlyInFront(3);
    // The button of the frame in front does nothing, not even a layout.
    window.ui.fraFrame[3]->move(5, 5);
    window.ui.chbBar[3]->click();
    EXPECT_EQ(window.ui.fraFrame[3]->pos(), QPoint(5, 5));
}

TEST_F(MainWindow, FramesSlideInQuicklyAndAClickDuringASlideGoesOnAtOnce) {
    gOptFrameAnimation = 1;
    window.show();
    // The tallest window: the longest way.
    window.resize(kMainMaxWidth, kMainMaxHeight);
    QTest::mouseClick(window.ui.chbBar[5], Qt::LeftButton);
    // The click does not wait for the slide: the frame comes up from below, over in a fixed
    // short time (a wall clock would make the test depend on the machine's load).
    EXPECT_GT(Top(5), kFrameTop);
    int slides = 0;
    for (const auto* animation : window.findChildren<QVariantAnimation*>()) {
        if (animation->state() != QAbstractAnimation::Running) continue;
        ++slides;
        EXPECT_LE(animation->totalDuration(), 200);
    }
    EXPECT_EQ(slides, 1);
    QTRY_COMPARE_WITH_TIMEOUT(Top(5), kFrameTop, 5000);

    QTest::mouseClick(window.ui.chbBar[2], Qt::LeftButton);
    QTest::mouseClick(window.ui.chbBar[3], Qt::LeftButton);
    // The interrupted slide is over at once; the new one runs over its frame.
    EXPECT_EQ(Top(2), kFrameTop);
    EXPECT_GT(Top(3), kFrameTop);
    QTRY_COMPARE_WITH_TIMEOUT(Top(3), kFrameTop, 5000);
    ExpectOnlyInFront(3);
}

// As start-up shows it: the whole window, frame included, on the screen, however much of it the
// window asked for, and laid out for its outer size as a frame switch would lay it out.
TEST_F(MainWindow, TheShownWindowFitsTheScreenFrameAndAllAndIsLaidOutForIt) {
    window.resize(window.screen()->availableSize());
    window.show();
    EXPECT_TRUE(window.screen()->availableGeometry().contains(window.frameGeometry()));
    const QRect grid = C("grdRankings").geometry();
    window.BarClick(1);
    window.BarClick(0);
    EXPECT_EQ(C("grdRankings").geometry(), grid);
}

TEST_F(MainWindow, LayoutFollowsTheWindowSize) {
    window.show();
    window.resize(1000, 700);
    // The rules work on the outer size, window frame included.
    const QSize outer = window.frameGeometry().size();
    const QRect frame = window.ui.fraFrame[0]->geometry();
    EXPECT_EQ(frame, QRect(4, 52, outer.width() - 14, outer.height() - 100));
    EXPECT_GT(C<GridControl>("grdRankings").colWidthTwips(1), 0);
    EXPECT_EQ(window.ui.Picture1->width(), 1000);
    EXPECT_EQ(window.ui.picStatus->geometry(), QRect(0, 683, 1000, 17));

    EXPECT_FALSE(window.ui.picResize->isHidden());
    window.showMaximized();
    EXPECT_TRUE(window.ui.picResize->isHidden());
    window.showNormal();
    EXPECT_FALSE(window.ui.picResize->isHidden());

    window.mInitialised = 0;
    window.resize(900, 650);
    EXPECT_EQ(window.ui.fraFrame[0]->geometry(), frame);
}

// The layout gets the phase chooser's text measured in the window's font, so in the smallest
// window the label is exactly as high as its wrapped text (the buttons below it are placed from
// that height: TournamentsLayoutTest).
TEST_F(MainWindow, PhaseChooserFitsTheSmallestWindow) {
    window.resize(kMainMinWidth, kMainMinHeight);
    window.BarClick(2);
    const auto& text = C<QLabel>("lblDadidurez");
    EXPECT_EQ(text.height(), text.heightForWidth(text.width()));
}

TEST_F(MainWindow, HelpTextsFollowTheOptionsAndAClickClosesThem) {
    window.ui.chbPlayerHelp[3]->click();
    EXPECT_FALSE(window.ui.picInfo->isHidden());
    EXPECT_TRUE(Help().endsWith("individual record calculation is 20"));
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.ui.lblInfo[1], &press);
    EXPECT_TRUE(window.ui.picInfo->isHidden());

    gOptRankingLimit = 0;
    window.HelpClick(4);
    EXPECT_TRUE(Help().startsWith("All VPA players are included in the rankings table."));
    window.HelpClick(1);
    EXPECT_TRUE(Help().endsWith("Use the filter to limit the tournaments displayed"));
}

class MainWindowWithoutHostCountries : public MainWindow {
  protected:
    MainWindowWithoutHostCountries() : MainWindow(false) {}
};

TEST_F(MainWindowWithoutHostCountries, FilterIsNotSupported) {
    EXPECT_FALSE(C("cmbTournamentFilter").isEnabled());
    EXPECT_EQ(C<QComboBox>("cmbTournamentFilter").currentText(), "<not supported>");
    window.HelpClick(1);
    EXPECT_TRUE(Help().endsWith("the results. "));
}

}  // namespace
