// The home and away games window and the finishing positions window, against the hand-made
// DUZEDO.

#include <gtest/gtest.h>

#include "players/Games.h"
#include "players/Positions.h"
#include "support/ConnectedDuzedo.h"
#include "support/HandMadeDuzedo.h"

namespace {

class PlayerWindows : public ConnectedSuite<WriteHandMadeDuzedo> {
  protected:
    // Each game as "Team A a-b Team B", after checking the numbering and the "Dif" column.
    static std::vector<std::string> Games(const std::string& player, int mode, int order) {
        const Grid grid = GamesView(player, mode, order).grid("grdGames");
        EXPECT_EQ(grid.at(0), (std::vector<std::string>{"#", "Team A", "Team B", "A", "B", "Dif",
                                                        "Tournament"}));
        std::vector<std::string> games;
        for (std::size_t row = 1; row < grid.size(); ++row) {
            const auto& g = grid[row];
            EXPECT_EQ(g[0], std::to_string(row));
            EXPECT_EQ(g[5], std::to_string(std::stoi(g[3]) - std::stoi(g[4])));
            games.push_back(g[1] + " " + g[3] + "-" + g[4] + " " + g[2]);
        }
        return games;
    }
};

using Names = std::vector<std::string>;

TEST_F(PlayerWindows, AwayGamesInEveryOrder) {
    EXPECT_EQ(GamesView("Vezuv L", kAwayGames, 0).text("frmGames"), "Vezuv L:  away games");
    EXPECT_EQ(Games("Vodad R", kAwayGames, 0),
              (Names{"José P 0-4 Vodad R", "Vezuv L 0-0 Vodad R", "Müller K 1-0 Vodad R",
                     "ÁBDO K 1-3 Vodad R", "O'Neil S 1-2 Vodad R", "Vezuv L 2-1 Vodad R"}));
    EXPECT_EQ(Games("Vodad R", kAwayGames, 1).front(), "Vezuv L 2-1 Vodad R");  // Dadidurez VII Cup
    EXPECT_EQ(Games("Vodad R", kAwayGames, 2).front(), "ÁBDO K 1-3 Vodad R");
    EXPECT_EQ(Games("Vodad R", kAwayGames, 3).front(), "José P 0-4 Vodad R");
    EXPECT_EQ(Games("Vodad R", kAwayGames, 4).back(), "Vezuv L 0-0 Vodad R");
    // Biggest away wins first, although their "Dif" (A - B) is the most negative.
    EXPECT_EQ(Games("Vodad R", kAwayGames, 5),
              (Names{"José P 0-4 Vodad R", "ÁBDO K 1-3 Vodad R", "O'Neil S 1-2 Vodad R",
                     "Vezuv L 0-0 Vodad R", "Müller K 1-0 Vodad R", "Vezuv L 2-1 Vodad R"}));
}

TEST_F(PlayerWindows, HomeGamesAndPlayersWithoutGames) {
    EXPECT_EQ(GamesView("Vodad R", kHomeGames, 0).text("frmGames"), "Vodad R:  home games");
    const Names home = Games("Vodad R", kHomeGames, 3);
    ASSERT_EQ(home.size(), 10u);
    EXPECT_EQ(home[0], "Vodad R 20000-0 O'Neil S");
    EXPECT_EQ(Games("Vodad R", kHomeGames, 0)[1], "VODAD R 1-1 Müller K");
    EXPECT_EQ(Games("Nobody X", kHomeGames, 5).size(), 0u);
    EXPECT_THROW(GamesQuery("Vodad R", kHomeGames, 6), std::out_of_range);
}

TEST_F(PlayerWindows, PositionsTableAndGraph) {
    // The World Cup tables have no row in [tournament players]; DADIDUREZ VII joins in any case.
    const ViewTexts view = PositionsView("Vodad R", 9000, 6000, 2);
    EXPECT_EQ(view.text("frmPositions"), "Vodad R: Tournament positions");
    EXPECT_EQ(view.grid("grdPos"), (Grid{{"Tournament", "Pos", "", ""},
                                         {"Velmoor Open 2002", "1 / 6", "1", "6"},
                                         {"DADIDUREZ VII", "2 / 6", "2", "6"},
                                         {"Autumn League 2003", "1 / 4", "1", "4"}}));
    // Row 2 highlighted: a yellow circle over the second point.
    const Graph& graph = view.graph("picGraph");
    ASSERT_EQ(graph.circles.size(), 4u);
    EXPECT_EQ(graph.circles[3], (GraphCircle{3120, 1120, 80, kYellow, 1, true}));
    EXPECT_EQ(view.text("lblNote"), "");
}

TEST_F(PlayerWindows, PositionsGraphLeavesOutFieldsWithoutSize) {
    // Winning and coming last of 16 put the points on the top margin and 15/16 below it.
    const std::vector<TournamentPosition> rows = {
        {"A", "1", "16"}, {"B", "3", "0"}, {"C", "16", "16"}, {"D", "2", ""}};
    const Graph graph = PositionsGraph(rows, 6000, 5000, 2);
    ASSERT_EQ(graph.circles.size(), 2u);  // row 2 has no point, so nothing is highlighted
    EXPECT_EQ(graph.circles[1], (GraphCircle{3120, 4808, 80}));  // 4807.5 to the even number
    // The points name their tournaments and the rows they stand for, rows without one skipped.
    EXPECT_EQ(graph.spots, (std::vector<GraphSpot>{{120, 120, 80, "A\nPlace 1 of 16", 1},
                                                   {3120, 4808, 80, "C\nPlace 16 of 16", 3}}));

    // Damaged rows: no infinity and no position far outside the field leaves the picture.
    const Graph damaged = PositionsGraph(
        {{"E", "1e300", "2"}, {"F", "inf", "16"}, {"G", "-5e20", "3"}}, 6000, 5000, std::nullopt);
    ASSERT_EQ(damaged.circles.size(), 2u);
    EXPECT_EQ(damaged.circles[0].y, 5120);
    EXPECT_EQ(damaged.circles[1].y, 0);

    const ViewTexts nobody = PositionsView("Nobody X", 9000, 6000);
    EXPECT_EQ(nobody.grid("grdPos").size(), 1u);
    EXPECT_TRUE(nobody.graph("picGraph").empty());
    EXPECT_NE(nobody.text("lblNote"), "");
}

}  // namespace
