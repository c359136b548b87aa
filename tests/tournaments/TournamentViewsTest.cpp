// The Tournaments and World Cups views on a purpose-built DUZEDO.

#include <gtest/gtest.h>

#include "support/ConnectedDuzedo.h"
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

Texts FilterNames(const ViewTexts& view) {
    Texts names;
    for (const ComboItem& item : view.combo("cmbGamesFilter").items) names.push_back(item.text);
    return names;
}

TEST_F(TournamentViews, ListLeavesOutWorldCupsInAnyCaseAndFiltersByCountry) {
    EXPECT_EQ(TournamentNames(std::nullopt),
              (Texts{"Velmoor Open", "O'Hara Cup", "dadidurez vii", "Autumn League",
                     "Worldcup Open", "Spring cup"}));
    EXPECT_EQ(TournamentNames("O'Land"), Texts{"Autumn League"});
    EXPECT_EQ(TournamentNames("WC"), Texts{});
}

TEST_F(TournamentViews, OrdinaryTournamentShowsItsTableFilterAndGames) {
    const ViewTexts view = TournamentView("Velmoor Open", "");
    EXPECT_EQ(view.text("lblTournamentDate"), "Velmoor Open - held in Velmoor on 18/05/2003");
    EXPECT_FALSE(view.visible("fraDadidurez"));
    // In the stored order, not by position.
    EXPECT_EQ(view.grid("grdTournamentTables")[1],
              (Texts{"2", "Bob", "3", "1", "1", "1", "4", "4", "4"}));
    EXPECT_EQ(Column(view.grid("grdTournamentTables"), 1), (Texts{"Bob", "Ann"}));
    // Team A players in stored order, then Dan, who only played as Team B; Ann once.
    EXPECT_EQ(FilterNames(view), (Texts{"<all players>", "Ann", "Bob", "Cid", "Dan"}));
    EXPECT_EQ(view.combo("cmbGamesFilter").selected, 0);
    const Grid games = view.grid("grdTournamentGames");
    EXPECT_EQ(Column(games, 0), (Texts{"Bob", "Cid", "Ann", "Cid"}));
    EXPECT_EQ(games[2], (Texts{"Cid", "Ann", "0", "3"}));
    // One player's games, as Team A or Team B.
    EXPECT_EQ(Column(TournamentGames("Velmoor Open", "Ann", GameTournamentNames()), 1),
              (Texts{"Ann", "Bob"}));
    EXPECT_EQ(TournamentView("Velmoor Open", "Dan").combo("cmbGamesFilter").selected, 4);
    EXPECT_EQ(TournamentGames("Worldcup Open", "", GameTournamentNames()),
              (Grid{{"Team A", "Team B", "A", "B"}}));
}

TEST_F(TournamentViews, CupsPhasesAndNamesEndingInCup) {
    const ViewTexts cup = TournamentView("O'Hara Cup", "");
    EXPECT_EQ(cup.text("lblTournamentCup"), "This tournament was a cup competition");
    EXPECT_FALSE(cup.visible("grdTournamentTables"));
    EXPECT_EQ(FilterNames(cup).size(), 5U);  // Eve, Gus; then Fay, Hal
    EXPECT_EQ(Column(cup.grid("grdTournamentGames"), 0), (Texts{"Eve", "Gus", "Eve"}));

    // The filter looks only at the tournament's own name, the games at every phase.
    const ViewTexts phases = TournamentView("dadidurez vii", "");
    EXPECT_TRUE(phases.visible("fraDadidurez"));
    EXPECT_FALSE(phases.visible("grdTournamentTables"));
    EXPECT_EQ(FilterNames(phases).size(), 1U);
    EXPECT_EQ(Column(phases.grid("grdTournamentGames"), 0), (Texts{"Ann", "Cid"}));

    const ViewTexts spring = TournamentView("Spring cup", "");
    EXPECT_EQ(spring.grid("grdTournamentTables").size(), 3U);
    EXPECT_EQ(FilterNames(spring).size(), 4U);  // Eve, Gus; then Fay
    EXPECT_EQ(spring.grid("grdTournamentGames").size(), 3U);
    // A null pts is an empty cell.
    EXPECT_EQ(TournamentTable("Autumn League")[1][8], "");
}

TEST_F(TournamentViews, WinnersInChronologicalOrderWithSharedFirstPlace) {
    const Grid winners = WinnersView().grid("grdTournamentWinners");
    EXPECT_EQ(Column(winners, 0),
              (Texts{"Velmoor Open", "World Cup I ", "Autumn League", "Spring cup", "Spring cup",
                     "World Cup II ", "World Cup III "}));
    const Texts spring = {winners[4][1], winners[5][1]};
    EXPECT_TRUE(spring == (Texts{"Eve", "Fay"}) || spring == (Texts{"Fay", "Eve"}));
}

TEST_F(TournamentViews, WorldCupGroupsAndFinalResults) {
    ViewTexts view = WorldCupView(0, 0);
    EXPECT_EQ(view.text("lblWC_0"), "Round 1 - Group A table");
    EXPECT_EQ(Column(view.grid("grdWC_0"), 1), (Texts{"Bob", "Ann"}));
    EXPECT_EQ(Column(view.grid("grdWC_1"), 0), Texts{"Ann"});
    EXPECT_FALSE(view.enabled("chbWC_1"));

    view = WorldCupView(0, 1);
    EXPECT_EQ(view.grid("grdWC_0").size(), 1U);

    // "World Cup I " never takes World Cup II's or III's table or games.
    view = WorldCupView(0, kAllGamesPhase);
    EXPECT_EQ(Column(view.grid("grdWC_0"), 1), (Texts{"Ann", "Bob"}));
    EXPECT_EQ(Column(view.grid("grdWC_1"), 0), (Texts{"Ann", "Ann"}));

    EXPECT_TRUE(WorldCupView(1, kAllGamesPhase).enabled("chbWC_1"));
    EXPECT_EQ(Column(WorldCupView(1, 0).grid("grdWC_0"), 1), Texts{"Cid"});
}

}  // namespace
