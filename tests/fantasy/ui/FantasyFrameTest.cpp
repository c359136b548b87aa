// The Fantasy League frame in the main window, and the grids of its games and table.

#include <gmock/gmock.h>

#include <QAction>
#include <QClipboard>
#include <QElapsedTimer>
#include <QItemSelectionModel>
#include <QProgressBar>
#include <regex>

#include "core/PlayerNames.h"
#include "fantasy/FantasyTexts.h"
#include "fantasy/League.h"
#include "fantasy/ui/FantasyFrame.h"
#include "headtohead/PairDuzedo.h"
#include "shell/FrameTable.h"
#include "shell/StatusLine.h"
#include "support/FileBytes.h"
#include "support/MainWindowFixtures.h"
#include "tournaments/TournamentLists.h"
#include "widgets/Button.h"
#include "widgets/ModelGrid.h"

namespace {

class FantasyWindow : public LoadedMainWindow {
  protected:
    FantasyWindow() : LoadedMainWindow("fantasy", WritePairDuzedo, FrameIndex<FantasyFrame>()) {}
    void SetUp() override {
        LoadedMainWindow::SetUp();
        // Served at every pair, so that even a small league can be watched and stopped.
        if (!HasFatalFailure()) Fantasy().SetServiceInterval(0);
    }
    QListWidget& Chosen() { return C<QListWidget>("lstFantasySelected"); }
    Button& ListButton(int i) { return C<Button>(ArrayName("chbFantasyLst", i)); }
    Button& Start() { return C<Button>("chbFantasyCalc"); }
    // The enabled states of the four list buttons and the start button: "00110".
    std::string States() {
        std::string states;
        for (int i = 0; i < 4; ++i) states += ListButton(i).isEnabled() ? '1' : '0';
        return states + (Start().isEnabled() ? '1' : '0');
    }
    FantasyFrame& Fantasy() { return FrameOf<FantasyFrame>(window); }
    ModelGrid& Games() { return C<ModelGrid>("grdFantasyGames"); }
    ModelGrid& Table() { return C<ModelGrid>("grdFantasyTable"); }
    QString Note() { return C<QLabel>("lblFantasyNote").text(); }
    void Choose(const std::vector<std::string>& names) {
        for (const std::string& name : names) Do(window, {"lstFantasyPlayers", name, true});
    }
};

// The steps, the buttons' states and the players chosen after each are in
// tests/data/FantasyChoices.json.
TEST_F(FantasyWindow, ChoosingAndRemovingFollowTheButtonRules) {
    EXPECT_EQ(States(), "00110");
    for (const QJsonValue& c : TestJson("FantasyChoices.json")["steps"].toArray()) {
        const Step step = StepOf(c["step"]);
        SCOPED_TRACE(step.control + " " + step.value);
        Do(window, step);
        EXPECT_EQ(States(), JsonText(c["states"]));
        Texts names(gPlayers.begin(), gPlayers.end() - 1);
        if (c["chosen"].isArray()) names.clear();
        for (const QJsonValue& name : c["chosen"].toArray()) names.push_back(JsonText(name));
        EXPECT_EQ(Items(Chosen()), names);
    }
}

TEST_F(FantasyWindow, StartPlaysTheLeagueOnceWithTheWaitBox) {
    Choose({"Hugo", "Ivan", "Aris"});
    QStringList progress;
    QObject::connect(&Fantasy(), &Frame::waitProgress, &window,
                     [&](const QString& text) { progress << text; });
    QWidget& wait = C("fraWait");
    int presses = 0;
    services->onEvents = [&] {
        EXPECT_TRUE(wait.isVisible());
        EXPECT_TRUE(Fantasy().Running());
        EXPECT_EQ(States(), "00000");
        // A second start and list changes while the league is played change nothing.
        Start().click();
        Fantasy().StartLeague();
        Fantasy().FantasyListClick(2);
        ++presses;
    };
    // Started from the keyboard, Start has it back afterwards.
    QApplication::setActiveWindow(&window);
    Start().setFocus();
    QTest::keyClick(&Start(), Qt::Key_Return);
    EXPECT_TRUE(Start().hasFocus());
    // Once before the league, once per pair.
    EXPECT_EQ(presses, 4);
    EXPECT_FALSE(wait.isVisible());
    EXPECT_EQ(States(), "10111");
    EXPECT_EQ(progress, (QStringList{"", "Hugo vs Ivan", "Hugo vs Aris", "Ivan vs Aris"}));

    EXPECT_EQ(Games().textMatrix(2, 0), "Ivan");
    EXPECT_EQ(Games().textMatrix(2, 1), "Hugo");
    EXPECT_EQ(Table().rows(), 4);
    // Hugo never played as Team B, Ivan never as Team A: counted on the line, named in its tip
    // and in full under Start.
    StatusLine& status = *window.ui.picStatus;
    EXPECT_EQ(ToUtf8(status.message()), "Too few games for a full prediction: 2 players");
    EXPECT_TRUE(status.toolTip().contains("Hugo (no game as Team B), Ivan (no game as Team A)"));
    EXPECT_TRUE(Note().endsWith("2 players\nHugo (no game as Team B), Ivan (no game as Team A)"));
    EXPECT_EQ(C<QLabel>("lblFantasyChosen").text(), "3 players chosen");

    // The next league clears the note before it starts, another frame as it comes forward.
    services->onEvents = [&] { EXPECT_EQ(status.message(), ""); };
    Chosen().clear();
    Choose({"Hugo", "Aris"});
    Start().click();
    EXPECT_EQ(ToUtf8(status.message()), "Too few games for a full prediction: 1 player");
    window.BarClick(0);
    EXPECT_EQ(status.message(), "");
    EXPECT_EQ(status.toolTip(), "");
}

TEST_F(FantasyWindow, CancelLeavesTheLastLeagueAndTheProgressMoves) {
    ListButton(3).click();
    services->onEvents = [&] { C<Button>("chbWaitCancel").click(); };
    Start().click();
    EXPECT_EQ(Note(), "League cancelled: no league is shown");
    services->onEvents = {};
    Start().click();
    const Grid games = Games().allTexts();
    const Grid table = Table().allTexts();
    ASSERT_GT(games.size(), 50U);

    // The bar as the window is served: shown from the start, up by a pair each time.
    const QProgressBar& bar = C<QProgressBar>("prgWait");
    std::vector<int> seen;
    QElapsedTimer sinceCancel;
    services->onEvents = [&] {
        seen.push_back(bar.isVisible() ? bar.value() : -1);
        if (seen.size() == 6) {
            sinceCancel.start();
            C<Button>("chbWaitCancel").click();
        }
    };
    Start().click();
    ASSERT_TRUE(sinceCancel.isValid());
    EXPECT_LT(sinceCancel.elapsed(), 200);
    EXPECT_EQ(seen, (std::vector<int>{0, 0, 1, 2, 3, 4}));
    EXPECT_FALSE(bar.isVisible());
    EXPECT_FALSE(C("fraWait").isVisible());
    EXPECT_EQ(States(), "00111");
    EXPECT_EQ(Games().allTexts(), games);
    EXPECT_EQ(Table().allTexts(), table);
    EXPECT_EQ(Note(), "League cancelled: the table shows the previous league");

    // Slow on its first pairs, the league is judged from them and asked about; declined, it
    // stops as a cancelled one does.
    std::string asked;
    Fantasy().SetLargeLeagueQuestion(
        [&](const std::string& cost) { return (asked += cost, false); });
    int served = 0;
    services->onEvents = [&] { QTest::qSleep(served++ < 4 ? 200 : 0); };
    Start().click();
    // std::regex: GoogleTest's own on Windows knows no character classes.
    EXPECT_TRUE(std::regex_match(asked, std::regex("A league of [0-9]+ players has [0-9]+ games: "
                                                   "about [0-9]+ s and [0-9.]+ GB, .* Play it\\?")))
        << asked;
    EXPECT_EQ(Games().allTexts(), games);
    EXPECT_TRUE(Note().startsWith("League cancelled"));

    // Esc stops a league too; with the help open, the first Esc closes the help.
    QApplication::setActiveWindow(&window);
    QWidget* help = &C("picInfo");
    int escapes = 0;
    services->onEvents = [&] {
        if (escapes++ == 0) QTest::keyClick(&Fantasy(), Qt::Key_F1);
        QTest::keyClick(&Fantasy(), Qt::Key_Escape);
    };
    Start().click();
    EXPECT_FALSE(Fantasy().Running());
    EXPECT_FALSE(help->isVisible());
    EXPECT_GE(escapes, 2);
    EXPECT_EQ(Games().allTexts(), games);
}

// The league's games and table in grids that make only the rows they draw: the same texts as the
// league's view, and the whole league copied and exported.

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

TEST_F(LeagueGrid, ReadsCopiesAndExportsAsTheViewAndShowsCutOffTextsWhole) {
    // Narrow columns in a wide grid: the last one reaches the vertical bar.
    SetGridColumnWidths(games, {600, 600, 600, 600});
    QApplication::processEvents();
    EXPECT_EQ(games.columnViewportPosition(3) + games.columnWidth(3), games.viewport()->width());
    EXPECT_EQ(games.allTexts(), view);
    EXPECT_EQ(games.textMatrix(games.rows() - 1, 3), view.back()[3]);
    EXPECT_EQ(games.textMatrix(games.rows(), 0), "");

    games.selectionModel()->select(
        QItemSelection(games.model()->index(2, 1), games.model()->index(3, 3)),
        QItemSelectionModel::ClearAndSelect);
    QTest::keyClick(&games, Qt::Key_C, Qt::ControlModifier);
    // Model rows 2 and 3 are the grid's rows 3 and 4, under the header; no line break at the end.
    const std::string two =
        ToTsv({{view[3][1], view[3][2], view[3][3]}, {view[4][1], view[4][2], view[4][3]}});
    EXPECT_EQ(ToUtf8(QGuiApplication::clipboard()->text()) + "\n", two);

    const TempDir dir("league-export");
    AnswerSaveDialog(QString::fromStdString((dir / "games").string()));
    games.findChild<QAction*>("mnuGridExport")->trigger();
    EXPECT_EQ(ReadBytes(dir / "games.csv"), ToCsv(view, "\r\n"));
    EXPECT_TRUE(services->messages.empty());

    const auto tipAt = [&](int width) {
        games.setColumnWidth(1, width);
        return TipAt(*games.viewport(), games.visualRect(games.model()->index(0, 1)).center());
    };
    EXPECT_EQ(tipAt(300), "");
    EXPECT_TRUE(tipAt(8).contains(ToQString(view[1][1])));

    // A new league replaces the rows at once.
    games.setRows({.header = kGamesHeader});
    EXPECT_EQ(games.allTexts(), Grid{kGamesHeader});
}

}  // namespace
