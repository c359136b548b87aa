// The Player Stats frame of the main window and the windows its buttons open, on the sample
// DUZEDO.

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include "app/Players.h"
#include "players/PlayerStats.h"
#include "rankings/frmRankGraph.h"
#include "ui/main/Button.h"
#include "ui/main/FrameTestSupport.h"
#include "ui/main/ViewToWidgets.h"

namespace {

class PlayerFrame : public SampleMainWindow {
  protected:
    void SetUp() override {
        SampleMainWindow::SetUp();
        window.BarClick(1);
    }
    std::string Heading() const { return window.ui.Label2[1]->text().toStdString(); }
    void PressEnter(QWidget* target) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        QApplication::sendEvent(target, &press);
    }
    void Go(const std::string& name) {
        window.ui.txtPlayer->setText(ToQString(name));
        window.ui.chbPlayerGo->click();
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
    QListWidget& list = *window.ui.lstPlayers;
    ASSERT_TRUE(list.item(3)->text().endsWith(")"));  // "Name (Country)"
    ClickRow(list, 3);
    EXPECT_EQ(window.ui.txtPlayer->text().toStdString(), gPlayers[3]);
    EXPECT_EQ(Heading(), kNoPlayerHeading);
    EXPECT_EQ(Buttons(), "0000");

    ClickRow(list, 5, true);
    EXPECT_EQ(window.ui.txtPlayer->text().toStdString(), gPlayers[5]);
    EXPECT_TRUE(Heading().starts_with(gPlayers[5])) << Heading();
    EXPECT_EQ(Buttons(), "1111");
}

TEST_F(PlayerFrame, EnterInTheTextBoxOrTheListIsGo) {
    window.ui.txtPlayer->setText(ToQString(gPlayers[1]));
    PressEnter(window.ui.txtPlayer);
    EXPECT_TRUE(Heading().starts_with(gPlayers[1])) << Heading();

    // Enter in the list shows the row's player without copying anew.
    window.ui.lstPlayers->setCurrentRow(2);
    PressEnter(window.ui.lstPlayers);
    EXPECT_EQ(window.CurrentPlayer(), gPlayers[2]);
    EXPECT_TRUE(Heading().starts_with(gPlayers[2])) << Heading();

    window.ui.txtPlayer->setText("Nobody X");
    PressEnter(window.ui.txtPlayer);
    EXPECT_EQ(Heading(), kNoPlayerHeading);
    EXPECT_EQ(Buttons(), "0000");
}

TEST_F(PlayerFrame, GamesWindowsShowTheLastLookedUpPlayerWhateverTheTextBoxSaysSince) {
    const std::string player = gPlayers[0];
    Go(player);
    window.ui.txtPlayer->setText("Somebody Else");
    EXPECT_EQ(window.CurrentPlayer(), player);

    int games = 0;
    WhenModal(window, [&](QDialog& dialog) {
        EXPECT_EQ(dialog.objectName(), "frmGames");
        EXPECT_EQ(dialog.windowTitle().toStdString(), player + ":  home games");
        auto* grid = Find<GridControl>(dialog, "grdGames");
        games = grid->rows() - 1;
        Find<QComboBox>(dialog, "cmbOrder")->setCurrentIndex(3);
        EXPECT_EQ(grid->rows() - 1, games);
    });
    window.ui.chbPlayerHome->click();
    EXPECT_GT(games, 0);

    WhenModal(window, [&](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle().toStdString(), player + ":  away games");
        Find<QPushButton>(dialog, "chbClose")->click();
        EXPECT_TRUE(dialog.isHidden());
    });
    window.ui.chbPlayerAway->click();
    EXPECT_EQ(window.findChild<QDialog*>(), nullptr);
}

TEST_F(PlayerFrame, PositionsWindowHighlightsTheClickedTournament) {
    const std::string player = gPlayers[0];
    Go(player);
    WhenModal(window, [&](QDialog& dialog) {
        EXPECT_EQ(dialog.objectName(), "frmPositions");
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
    window.ui.chbPlayerPositions->click();
}

TEST_F(PlayerFrame, ProgressWindowDrawsTheRankingsOrSaysThereAreNone) {
    const std::string player = gPlayers[0];
    Go(player);
    WhenModal(window, [&](QDialog& dialog) {
        EXPECT_EQ(dialog.objectName(), "frmRankGraph");
        EXPECT_EQ(dialog.windowTitle(), "Ranking Progress");
        EXPECT_EQ(Find<QLabel>(dialog, "Label1")->text().toStdString(), player);
        const auto* picture = Find<GraphPicture>(dialog, "picGraph");
        EXPECT_FALSE(picture->graph().empty());
        EXPECT_EQ(picture->graph().width, picture->widthTwips());
    });
    window.ui.chbPlayerRankGraph->click();

    frmRankGraph unranked(&window);
    unranked.Init("Nobody X");
    const auto* picture = Find<GraphPicture>(unranked, "picGraph");
    EXPECT_TRUE(picture->graph().empty());
    EXPECT_EQ(picture->note(), "No ranked month to draw");
}

}  // namespace
