// The league's games and table in grids that make only the rows they draw: the same texts as the
// league's view, and the whole league copied and exported.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHelpEvent>
#include <QItemSelectionModel>
#include <QTest>
#include <QToolTip>

#include "core/QtText.h"
#include "fantasy/FantasyTexts.h"
#include "fantasy/League.h"
#include "support/FakeServices.h"
#include "support/FileBytes.h"
#include "support/SaveDialog.h"
#include "support/TempDir.h"
#include "tournaments/TournamentLists.h"
#include "widgets/ModelGrid.h"

namespace {

// 40 players and 1,560 games of varied scores.
League Played() {
    std::vector<std::string> players;
    for (int i = 0; i < 40; ++i) players.push_back("Player " + std::to_string(i));
    const Predictor predict = [](std::size_t home, std::size_t away) {
        return Prediction{.home = static_cast<int>((home * 7 + away) % 5),
                          .away = static_cast<int>((away * 3 + home) % 4)};
    };
    return *PlayLeague(players, predict);
}

class LeagueGrid : public testing::Test {
  protected:
    void SetUp() override {
        SetServices(services);
        games.setObjectName("grdFantasyGames");
        games.setRows({.header = kGamesHeader,
                       .count = league.games.size(),
                       .row = [this](std::size_t g) { return GameTexts(league, g); }});
        games.resize(400, 300);
        games.show();
        QGuiApplication::clipboard()->clear();
    }
    void TearDown() override { SetServices(nullptr); }

    std::shared_ptr<FakeServices> services = std::make_shared<FakeServices>();
    const League league = Played();
    const Grid view = LeagueView(league).grid("grdFantasyGames");
    ModelGrid games;
};

TEST_F(LeagueGrid, RowsReadAsTheViewsTexts) {
    ASSERT_EQ(games.rows(), static_cast<int>(view.size()));
    for (const int row : {0, 1, games.rows() / 2, games.rows() - 1}) {
        for (int col = 0; col < 4; ++col) {
            EXPECT_EQ(games.textMatrix(row, col), view[row][col]) << row << ", " << col;
        }
    }
    EXPECT_EQ(games.textMatrix(games.rows(), 0), "");
    EXPECT_EQ(games.allTexts(), view);

    // A new league replaces the rows at once.
    games.setRows({.header = kGamesHeader});
    EXPECT_EQ(games.rows(), 1);
    EXPECT_EQ(games.allTexts(), Grid{kGamesHeader});
}

TEST_F(LeagueGrid, CopiesTheSelectionAndTheWholeLeague) {
    games.selectionModel()->select(
        QItemSelection(games.model()->index(2, 1), games.model()->index(3, 3)),
        QItemSelectionModel::ClearAndSelect);
    QTest::keyClick(&games, Qt::Key_C, Qt::ControlModifier);
    // Model rows 2 and 3 are the grid's rows 3 and 4, under the header.
    std::string two =
        ToTsv({{view[3][1], view[3][2], view[3][3]}, {view[4][1], view[4][2], view[4][3]}});
    two.pop_back();
    EXPECT_EQ(ToUtf8(QGuiApplication::clipboard()->text()), two);

    games.findChild<QAction*>("mnuGridCopyAll")->trigger();
    std::string all = ToTsv(view);
    all.pop_back();
    EXPECT_EQ(ToUtf8(QGuiApplication::clipboard()->text()), all);

    const TempDir dir("league-export");
    AnswerSaveDialog(QString::fromStdString((dir / "games").string()));
    games.findChild<QAction*>("mnuGridExport")->trigger();
    EXPECT_EQ(ReadBytes(dir / "games.csv"), ToCsv(view, "\r\n"));
    EXPECT_TRUE(services->messages.empty());
}

TEST_F(LeagueGrid, CutOffTextsShowWholeAsTips) {
    const auto tipAt = [&](int width) {
        games.setColumnWidth(1, width);
        const QRect cell = games.visualRect(games.model()->index(0, 1));
        QHelpEvent help(QEvent::ToolTip, cell.center(),
                        games.viewport()->mapToGlobal(cell.center()));
        QApplication::sendEvent(games.viewport(), &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    EXPECT_EQ(tipAt(300), "");
    EXPECT_TRUE(tipAt(8).contains(ToQString(view[1][1])));
}

}  // namespace
