// The Player Stats frame of the main window and the windows its buttons open, on the sample
// DUZEDO.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include "core/PlayerNames.h"
#include "core/QtText.h"
#include "players/PlayerStats.h"
#include "players/ui/PlayerStatsFrame.h"
#include "support/MainWindowFixtures.h"
#include "support/ServicedMainWindow.h"
#include "support/TestDuzedo.h"
#include "support/WindowControls.h"
#include "widgets/Button.h"
#include "widgets/GraphPicture.h"

namespace {

class PlayerFrame : public SampleMainWindow {
  protected:
    void SetUp() override {
        SampleMainWindow::SetUp();
        window.BarClick(1);
    }
    std::string Heading() const { return Ctl<QLabel>(window, "Label2_1")->text().toStdString(); }
    void Go(const std::string& name) {
        Ctl<QLineEdit>(window, "txtPlayer")->setText(ToQString(name));
        Ctl<Button>(window, "chbPlayerGo")->click();
    }
    // The four buttons' states as one text, "1111" or "0000".
    std::string Buttons() const {
        std::string states;
        for (const std::string_view name : kPlayerButtons) {
            states += window.ui.byName.at(std::string(name))->isEnabled() ? '1' : '0';
        }
        return states;
    }
};

TEST_F(PlayerFrame, ListClickCopiesTheBareNameAndDoubleClickShowsThePlayer) {
    QListWidget& list = *Ctl<QListWidget>(window, "lstPlayers");
    ASSERT_TRUE(list.item(3)->text().endsWith(")"));  // "Name (Country)"
    ClickRow(list, 3);
    EXPECT_EQ(Ctl<QLineEdit>(window, "txtPlayer")->text().toStdString(), gPlayers[3]);
    EXPECT_EQ(Heading(), kNoPlayerHeading);
    EXPECT_EQ(Buttons(), "0000");

    ClickRow(list, 5, true);
    EXPECT_EQ(Ctl<QLineEdit>(window, "txtPlayer")->text().toStdString(), gPlayers[5]);
    EXPECT_TRUE(Heading().starts_with(gPlayers[5])) << Heading();
    EXPECT_EQ(Buttons(), "1111");
}

TEST_F(PlayerFrame, EnterInTheListIsGo) {
    // Enter in the list shows the row's player without copying anew.
    Ctl<QListWidget>(window, "lstPlayers")->setCurrentRow(2);
    PressEnter(*Ctl<QListWidget>(window, "lstPlayers"));
    EXPECT_EQ(FrameOf<PlayerStatsFrame>(window).CurrentPlayer(), gPlayers[2]);
    EXPECT_TRUE(Heading().starts_with(gPlayers[2])) << Heading();
}

TEST_F(PlayerFrame, GamesWindowsShowTheLastLookedUpPlayerWhateverTheTextBoxSaysSince) {
    const std::string player = gPlayers[0];
    Go(player);
    Ctl<QLineEdit>(window, "txtPlayer")->setText("Somebody Else");
    EXPECT_EQ(FrameOf<PlayerStatsFrame>(window).CurrentPlayer(), player);

    WhenModal(window, [&](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle().toStdString(), player + ":  home games");
        auto* grid = Find<GridControl>(dialog, "grdGames");
        const int games = grid->rows();
        EXPECT_GT(games, 1);
        Find<QComboBox>(dialog, "cmbOrder")->setCurrentIndex(3);
        EXPECT_EQ(grid->rows(), games);
    });
    Ctl<Button>(window, "chbPlayerHome")->click();

    WhenModal(window, [&](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle().toStdString(), player + ":  away games");
        Find<QPushButton>(dialog, "chbClose")->click();
        EXPECT_TRUE(dialog.isHidden());
    });
    Ctl<Button>(window, "chbPlayerAway")->click();
    EXPECT_EQ(window.findChild<QDialog*>(), nullptr);
}

TEST_F(PlayerFrame, PositionsAndProgressWindowsDrawThePlayer) {
    const std::string player = gPlayers[0];
    Go(player);
    WhenModal(window, [&](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle().toStdString(), player + ": Tournament positions");
        auto* grid = Find<GridControl>(dialog, "grdPos");
        auto* picture = Find<GraphPicture>(dialog, "picGraph");
        // The highlight is the last circle, a filled one.
        const auto highlighted = [picture] { return picture->graph().circles.back().filled; };
        ASSERT_GT(grid->rows(), 2);
        EXPECT_FALSE(highlighted());
        ClickRow(*grid, 0);
        EXPECT_FALSE(highlighted());
        ClickRow(*grid, 2);
        EXPECT_TRUE(highlighted());
        EXPECT_EQ(picture->graph().circles.back().x, picture->graph().circles[1].x);

        // A new size gets a graph of that size, the highlight kept.
        dialog.resize(dialog.width() + 150, dialog.height() + 60);
        EXPECT_EQ(picture->graph().width, picture->widthTwips());
        EXPECT_TRUE(highlighted());
    });
    Ctl<Button>(window, "chbPlayerPositions")->click();

    WhenModal(window, [&](QDialog& dialog) {
        EXPECT_EQ(Find<QLabel>(dialog, "Label1")->text().toStdString(), player);
        EXPECT_FALSE(Find<GraphPicture>(dialog, "picGraph")->graph().empty());
    });
    Ctl<Button>(window, "chbPlayerRankGraph")->click();
}

class PlayerFrameOnADamagedDuzedo : public ServicedMainWindow {
  protected:
    PlayerFrameOnADamagedDuzedo()
        : ServicedMainWindow("damaged", [](const std::string& path) {
              WriteTestDuzedo(path, {.goalAsText = true});
          }) {}
};

TEST_F(PlayerFrameOnADamagedDuzedo, AGoalHeldAsTextIsAMessageNotAnEnd) {
    window.BarClick(1);
    Ctl<QLineEdit>(window, "txtPlayer")->setText("Bodo");
    Ctl<Button>(window, "chbPlayerGo")->click();
    // The record's sums pass over the text; the games list cannot show it as a number.
    EXPECT_EQ(Ctl<QLabel>(window, "Label2_1")->text().left(4), "Bodo");
    EXPECT_TRUE(services->messages.empty());
    Ctl<Button>(window, "chbPlayerHome")->click();
    ASSERT_EQ(services->messages.size(), 1u);
    EXPECT_NE(services->messages[0].text.find("'two' is not a number"), std::string::npos);
    EXPECT_EQ(window.findChild<QDialog*>(), nullptr);
    EXPECT_EQ(window.mCurrentFrame, 1);
}

}  // namespace
