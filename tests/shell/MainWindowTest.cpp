#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>

#include "core/PlayerNames.h"
#include "core/Settings.h"
#include "core/Twips.h"
#include "shell/FrameTable.h"
#include "shell/Layout.h"
#include "shell/Navigation.h"
#include "shell/StatusLine.h"
#include "shell/frmMain.h"
#include "support/MainWindowFixtures.h"
#include "support/WindowControls.h"
#include "widgets/Button.h"
#include "widgets/Grid.h"
#include "widgets/SizeLimit.h"

namespace {

std::string Text(const QWidget* widget) {
    if (auto* label = qobject_cast<const QLabel*>(widget)) return label->text().toStdString();
    if (auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        return button->text().toStdString();
    }
    return {};
}

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

    QWidget* Control(const std::string& name) const {
        return window.findChild<QWidget*>(QString::fromStdString(name));
    }
    int Top(int frame) const { return PixelsToTwips(window.ui.fraFrame[frame]->y()); }
};

TEST_F(MainWindow, EveryControlIsThereUnderItsName) {
    std::vector<std::string> names = {"Picture1", "picStatus", "fraWait", "txtWait", "Label1"};
    for (const LayoutControl& control : LayoutControls()) names.push_back(control.name);
    for (int i = 0; i < FrameCount(); ++i) names.push_back("chbBar_" + std::to_string(i));
    for (const std::string& name : names) {
        EXPECT_TRUE(window.ui.byName.contains(name)) << name;
        EXPECT_NE(Control(name), nullptr) << name;
    }
    EXPECT_TRUE(qobject_cast<GridControl*>(Control("grdMisc_3")));
    EXPECT_TRUE(qobject_cast<QCheckBox*>(Control("chkOpt_2")));
    EXPECT_EQ(Control("picResize")->parentWidget(), Control("picStatus"));
    EXPECT_EQ(Control("Label2_2")->parentWidget(), Control("fraTournaments_1"));

    for (int frame = 0; frame < FrameCount(); ++frame) {
        const FrameDescription& description = DescriptionOf(frame);
        const QWidget* title = Control(description.TitleLabelName());
        EXPECT_EQ(title->parentWidget(), window.ui.fraFrame[frame]);
        EXPECT_EQ(Text(title), description.title);
        EXPECT_EQ(Text(window.ui.chbBar[frame]), description.caption);
        EXPECT_FALSE(window.ui.chbBar[frame]->icon().isNull());
    }
    EXPECT_EQ(Text(Control("lblTitle_6")), "World Cups");
    EXPECT_EQ(Text(Control("chbBar_7")), "Fantasy");
    EXPECT_EQ(Text(Control("chbPlayerHelp_5")), "i");
    EXPECT_EQ(Control("chbPlayerHelp_1")->toolTip(), "Click to see info about the current frame");
    EXPECT_EQ(Control("chbMiscRecalc")->toolTip(), "Click here to recalculate the statistics");
    EXPECT_EQ(Text(Control("chbRounds_2")), "League Playouts");
    EXPECT_EQ(Text(Control("lblPairResults_1")), "Player Two");
}

// Every frame fills its controls once while the window loads; the player lists are read once.
TEST_F(MainWindow, InitControlsFillsGridsAndLists) {
    EXPECT_GT(Ctl<GridControl>(window, "grdRankings")->rows(), 1);
    EXPECT_EQ(Ctl<GridControl>(window, "grdMisc_3")->rows(), 22);
    EXPECT_EQ(Ctl<QLabel>(window, "Label2_1")->text(), "< no player selected >");
    EXPECT_EQ(Ctl<QLabel>(window, "lblOpt_2")->text(), "v0.9 - 18/5/2003");
    EXPECT_EQ(Ctl<QComboBox>(window, "cmbWC_1")->count(), 9);
    EXPECT_EQ(Ctl<QComboBox>(window, "cmbRankMonth")->currentText(), "December 2003");

    const int players = static_cast<int>(ScalarQuery("select count(*) from rankings"));
    EXPECT_EQ(Ctl<QListWidget>(window, "lstPair_1")->count(), players);
    ASSERT_EQ(gPlayers.size(), static_cast<std::size_t>(players) + 1);
    EXPECT_EQ(Ctl<QListWidget>(window, "lstFantasyPlayers")->item(0)->text().toStdString(),
              gPlayers[0] + " (England)");
    EXPECT_EQ(Ctl<QListWidget>(window, "lstTournaments")->item(0)->text(), "Dadidurez I");
    EXPECT_TRUE(Ctl<QComboBox>(window, "cmbTournamentFilter")->isEnabled());
}

TEST_F(MainWindow, NavigationShowsOneFrameAndParksTheOthers) {
    window.resize(800, 600);
    window.BarClick(3);
    EXPECT_EQ(window.mCurrentFrame, 3);
    EXPECT_FALSE(window.ui.fraFrame[3]->isHidden());
    EXPECT_EQ(Top(3), kFrameTop);
    for (int frame : {0, 1, 2, 4, 5, 6, 7}) {
        EXPECT_TRUE(window.ui.fraFrame[frame]->isHidden()) << frame;
        EXPECT_EQ(Top(frame), 9000) << frame;
    }
    // The button of the frame in front does nothing, not even a layout.
    window.ui.fraFrame[3]->move(5, 5);
    window.ui.chbBar[3]->click();
    EXPECT_EQ(window.ui.fraFrame[3]->pos(), QPoint(5, 5));

    Ctl<QFrame>(window, "fraTournamentWinners")->show();
    window.BarClick(2);
    EXPECT_TRUE(Ctl<QFrame>(window, "fraTournamentWinners")->isHidden());
}

TEST_F(MainWindow, FramesSlideInFromTheBottom) {
    const std::vector<int> tops = SlideTops(6000);
    ASSERT_EQ(tops.size(), 175u);
    EXPECT_EQ(tops[1], 5970);
    EXPECT_EQ(SlideTops(6010).back(), 790);

    gOptFrameAnimation = 1;
    window.resize(800, 461);  // 6915 twips: the slide stops at 795
    window.BarClick(5);
    EXPECT_EQ(Top(5), 795);
}

TEST_F(MainWindow, LayoutFollowsTheWindowSize) {
    window.show();
    window.resize(1000, 700);
    // The rules work on the outer size, window frame included.
    const QSize outer = window.frameGeometry().size();
    const QRect frame = window.ui.fraFrame[0]->geometry();
    EXPECT_EQ(frame, QRect(4, 52, outer.width() - 14, outer.height() - 100));
    // Column widths come from the layout: four tenths-based columns and the hidden fifth.
    EXPECT_GT(Ctl<GridControl>(window, "grdRankings")->colWidthTwips(1), 0);
    EXPECT_EQ(Ctl<GridControl>(window, "grdRankings")->colWidthTwips(4), 0);
    EXPECT_EQ(window.ui.Picture1->width(), 1000);
    EXPECT_EQ(window.ui.picStatus->geometry(), QRect(0, 683, 1000, 17));
    EXPECT_EQ(StatusLineTexts(1000, 700)[1].text, "1000 x 700 pixels");

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
// window the label is exactly as high as its wrapped text and the buttons stay in their panel.
TEST_F(MainWindow, PhaseChooserFitsTheSmallestWindow) {
    window.resize(kMainMinWidth, kMainMinHeight);
    window.BarClick(2);
    const QLabel& text = *Ctl<QLabel>(window, "lblDadidurez");
    EXPECT_EQ(text.height(), text.heightForWidth(text.width()));
    for (int i = 0; i < 5; ++i) {
        const Button* button = Ctl<Button>(window, "chbRounds_" + std::to_string(i));
        EXPECT_TRUE(Ctl<QFrame>(window, "fraDadidurez")->rect().contains(button->geometry()))
            << button->objectName().toStdString();
    }
}

TEST_F(MainWindow, HelpTextsFollowTheOptions) {
    window.ui.chbPlayerHelp[3]->click();
    EXPECT_FALSE(window.ui.picInfo->isHidden());
    EXPECT_EQ(window.ui.lblInfo[0]->text().toStdString(),
              "The minimum number of games for a player to be included in the individual record "
              "calculation is 20");
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.ui.lblInfo[1], &press);
    EXPECT_TRUE(window.ui.picInfo->isHidden());

    gOptRankingLimit = 0;
    window.HelpClick(4);
    EXPECT_EQ(window.ui.lblInfo[0]->text(),
              "All VPA players are included in the rankings table. To change this, use the "
              "'Options' dialog");
    window.HelpClick(1);
    EXPECT_TRUE(
        window.ui.lblInfo[0]->text().endsWith("Use the filter to limit the tournaments "
                                              "displayed"));
}

class MainWindowWithoutHostCountries : public MainWindow {
  protected:
    MainWindowWithoutHostCountries() : MainWindow(false) {}
};

TEST_F(MainWindowWithoutHostCountries, FilterIsNotSupported) {
    EXPECT_FALSE(Ctl<QComboBox>(window, "cmbTournamentFilter")->isEnabled());
    EXPECT_EQ(Ctl<QComboBox>(window, "cmbTournamentFilter")->currentText(), "<not supported>");
    window.HelpClick(1);
    EXPECT_EQ(window.ui.lblInfo[0]->text(),
              "Select a tournament from the list to view the final table and the results. ");
}

}  // namespace
