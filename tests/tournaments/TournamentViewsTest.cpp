// The Tournaments and World Cups views on a purpose-built DUZEDO.

#include <gtest/gtest.h>

#include <sstream>

#include "duzedo/Report.h"
#include "support/ConnectedDuzedo.h"
#include "support/TempDir.h"
#include "tournaments/Tournament.h"
#include "tournaments/TournamentsDuzedo.h"
#include "tournaments/WorldCup.h"

namespace {

using TournamentViews = ConnectedSuite<WriteTournamentsDuzedo>;

Texts Column(const Grid& grid, std::size_t col) {
    Texts values;
    for (std::size_t r = 1; r < grid.size(); ++r) values.push_back(grid[r][col]);
    return values;
}

TEST_F(TournamentViews, ListLeavesOutWorldCupsInAnyCaseAndFiltersByCountry) {
    EXPECT_EQ(TournamentNames(std::nullopt),
              (Texts{"Velmoor Open", "O'Hara Cup", "dadidurez vii", "Autumn League",
                     "Worldcup Open", "Spring cup"}));
    EXPECT_EQ(TournamentNames("O'Land"), Texts{"Autumn League"});
    EXPECT_EQ(TournamentNames("WC"), Texts{});
    EXPECT_EQ(TournamentListView("Ostland").list("lstTournaments"), Texts{"O'Hara Cup"});
}

TEST_F(TournamentViews, ConditionsDifferBetweenFilterAndGames) {
    EXPECT_EQ(PlayerFilterCondition("Velmoor Open"), "tournament='Velmoor Open'");
    EXPECT_EQ(PlayerFilterCondition("O'Hara Cup"), "tournament like 'O''Hara Cup%'");
    EXPECT_EQ(PlayerFilterCondition("dadidurez vii"), "tournament='dadidurez vii'");
    EXPECT_EQ(GamesCondition("dadidurez vii"), "tournament like 'dadidurez vii%'");
    EXPECT_EQ(GamesCondition("Spring CUP"), "tournament like 'Spring CUP%'");
    EXPECT_EQ(GamesCondition("Cupboard Open"), "tournament='Cupboard Open'");
}

TEST_F(TournamentViews, OrdinaryTournamentShowsItsTableFilterAndGames) {
    const ViewTexts view = TournamentView("Velmoor Open", "");
    EXPECT_EQ(view.text("lblTournamentDate"), "Velmoor Open - held in Velmoor on 18/05/2003");
    EXPECT_EQ(view.text("Label2_0"), "Table");
    EXPECT_FALSE(view.visible("fraDadidurez"));
    // In the stored order, not by position.
    EXPECT_EQ(view.grid("grdTournamentTables"),
              (Grid{{"Pos", "Player", "G", "W", "D", "L", "GF", "GA", "Pts"},
                    {"2", "Bob", "3", "1", "1", "1", "4", "4", "4"},
                    {"1", "Ann", "3", "1", "1", "1", "4", "4", "6"}}));
    // Team A players in stored order, then Dan, who only played as Team B; Ann once.
    const ComboList& filter = view.combo("cmbGamesFilter");
    ASSERT_EQ(filter.items.size(), 5U);
    EXPECT_EQ(filter.items[0].text, "<all players>");
    EXPECT_EQ(filter.items[1].text, "Ann");
    EXPECT_EQ(filter.items[2].text, "Bob");
    EXPECT_EQ(filter.items[3].text, "Cid");
    EXPECT_EQ(filter.items[4].text, "Dan");
    EXPECT_EQ(filter.selected, 0);
    EXPECT_EQ(view.grid("grdTournamentGames"), (Grid{{"Team A", "Team B", "A", "B"},
                                                     {"Bob", "Cid", "2", "2"},
                                                     {"Cid", "Ann", "0", "3"},
                                                     {"Ann", "Bob", "1", "0"},
                                                     {"Cid", "Dan", "1", "1"}}));
}

TEST_F(TournamentViews, OnePlayersGamesAsTeamAOrTeamB) {
    EXPECT_EQ(
        TournamentGames("Velmoor Open", "Ann"),
        (Grid{{"Team A", "Team B", "A", "B"}, {"Cid", "Ann", "0", "3"}, {"Ann", "Bob", "1", "0"}}));
    EXPECT_EQ(TournamentGames("Velmoor Open", "Dan").size(), 2U);
    EXPECT_EQ(TournamentGames("Worldcup Open", ""), (Grid{{"Team A", "Team B", "A", "B"}}));
    const ViewTexts view = TournamentView("Velmoor Open", "Dan");
    EXPECT_EQ(view.combo("cmbGamesFilter").selected, 4);
    EXPECT_EQ(view.grid("grdTournamentGames").size(), 2U);
}

TEST_F(TournamentViews, CupHidesTheTableAndTakesEveryPhase) {
    const ViewTexts view = TournamentView("O'Hara Cup", "");
    EXPECT_EQ(view.text("lblTournamentDate"), "O'Hara Cup - held in Ostland on 01/06/2003");
    EXPECT_EQ(view.text("Label2_0"), "No table available");
    EXPECT_EQ(view.text("lblTournamentCup"), "This tournament was a cup competition");
    EXPECT_FALSE(view.visible("grdTournamentTables"));
    EXPECT_FALSE(view.visible("fraDadidurez"));
    EXPECT_EQ(view.combo("cmbGamesFilter").items.size(), 5U);  // Eve, Gus; then Fay, Hal
    EXPECT_EQ(Column(view.grid("grdTournamentGames"), 0), (Texts{"Eve", "Gus", "Eve"}));
}

TEST_F(TournamentViews, MultiPhaseTournamentInLowerCase) {
    const ViewTexts view = TournamentView("dadidurez vii", "");
    EXPECT_TRUE(view.visible("fraDadidurez"));
    EXPECT_FALSE(view.visible("grdTournamentTables"));
    // The filter looks only at the tournament's own name, the games at every phase.
    EXPECT_EQ(view.combo("cmbGamesFilter").items.size(), 1U);
    EXPECT_EQ(Column(view.grid("grdTournamentGames"), 0), (Texts{"Ann", "Cid"}));
}

TEST_F(TournamentViews, NameEndingInCupWithATable) {
    const ViewTexts view = TournamentView("Spring cup", "");
    EXPECT_EQ(view.grid("grdTournamentTables").size(), 3U);
    EXPECT_EQ(view.combo("cmbGamesFilter").items.size(), 4U);  // Eve, Gus; then Fay
    EXPECT_EQ(view.grid("grdTournamentGames").size(), 3U);
    // No row in tables: the header only; a null pts is an empty cell.
    EXPECT_EQ(TournamentTable("Worldcup Open").size(), 1U);
    EXPECT_EQ(TournamentTable("Autumn League")[1][8], "");
}

TEST_F(TournamentViews, WinnersInChronologicalOrderWithSharedFirstPlace) {
    const Grid winners = WinnersView().grid("grdTournamentWinners");
    EXPECT_EQ(winners[0], (Texts{"Tournament", "Winner"}));
    EXPECT_EQ(Column(winners, 0),
              (Texts{"Velmoor Open", "World Cup I ", "Autumn League", "Spring cup", "Spring cup",
                     "World Cup II ", "World Cup III "}));
    const Texts spring = {winners[4][1], winners[5][1]};
    EXPECT_TRUE(spring == (Texts{"Eve", "Fay"}) || spring == (Texts{"Fay", "Eve"}));
    EXPECT_EQ(WinnersView().grid("grdTournamentWinners"), winners);
}

TEST_F(TournamentViews, WorldCupGroupsAndFinalResults) {
    ViewTexts view = WorldCupView(0, 0);
    EXPECT_EQ(view.text("lblWC_0"), "Round 1 - Group A table");
    EXPECT_EQ(Column(view.grid("grdWC_0"), 1), (Texts{"Bob", "Ann"}));
    EXPECT_EQ(Column(view.grid("grdWC_1"), 0), Texts{"Ann"});
    EXPECT_FALSE(view.enabled("chbWC_1"));
    EXPECT_TRUE(view.enabled("chbWC_0"));

    view = WorldCupView(0, 1);
    EXPECT_EQ(view.grid("grdWC_0").size(), 1U);
    EXPECT_EQ(view.text("lblWC_0"), "Round 1 - Group B table");

    // "World Cup I " never takes World Cup II's or III's table or games.
    view = WorldCupView(0, kAllGamesPhase);
    EXPECT_EQ(view.text("lblWC_0"), "All games (final results) table");
    EXPECT_EQ(Column(view.grid("grdWC_0"), 1), (Texts{"Ann", "Bob"}));
    EXPECT_EQ(Column(view.grid("grdWC_1"), 0), (Texts{"Ann", "Ann"}));

    view = WorldCupView(1, kAllGamesPhase);
    EXPECT_TRUE(view.enabled("chbWC_1"));
    EXPECT_EQ(Column(view.grid("grdWC_0"), 1), Texts{"Cid"});
    EXPECT_EQ(Column(view.grid("grdWC_1"), 0), Texts{"Cid"});
    EXPECT_EQ(Column(WorldCupView(1, 0).grid("grdWC_0"), 1), Texts{"Cid"});
}

TEST(TournamentReports, ListsAndHiddenControlsInJson) {
    TempDir dir("tournamentreport");
    const std::string db = (dir / "duzedo.sqlite").string();
    WriteTournamentsDuzedo(db);
    std::ostringstream list;
    RunReport("tournaments", db, {{"--country", "Ostland"}}, list);
    EXPECT_EQ(list.str(), "{\n  \"lstTournaments\": [\n    \"O'Hara Cup\"\n  ]\n}\n");
    std::ostringstream cup;
    RunReport("tournament", db, {{"--name", "O'Hara Cup"}, {"--player", "Hal"}}, cup);
    EXPECT_NE(cup.str().find("\"grdTournamentTables\": {\"visible\": false}"), std::string::npos);
    EXPECT_NE(cup.str().find("\"fraDadidurez\": {\"visible\": false}"), std::string::npos);
    EXPECT_NE(cup.str().find("\"selected\": 4}"), std::string::npos) << cup.str();
    std::ostringstream worldCup;
    RunReport("worldcup", db, {{"--wc", "1"}, {"--phase", "8"}}, worldCup);
    EXPECT_NE(worldCup.str().find("\"chbWC_1\": {\"enabled\": true}"), std::string::npos);
    std::ostringstream bad;
    EXPECT_THROW(RunReport("worldcup", db, {{"--phase", "9"}}, bad), std::exception);
}

TEST(WorldCupTrees, FileNamesAndCaption) {
    EXPECT_EQ(WorldCupTreeName(1, 0), "wc2ploff.bmp");
    EXPECT_EQ(WorldCupTreeName(0, 1), "wc1plout.bmp");
    EXPECT_EQ(WorldCupTreeCaption(1), "World Cup 2: Playoff tree");
}

}  // namespace
