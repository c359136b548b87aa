// The player record and the texts of the Player Stats frame, the home and away games window and
// the finishing positions window. The worked examples are checked on plain records; the queries
// against the hand-made DUZEDO, whose figures were counted by hand from its games.

#include <gtest/gtest.h>

#include "players/Games.h"
#include "players/PlayerStats.h"
#include "players/Positions.h"
#include "support/ConnectedDuzedo.h"
#include "support/HandMadeDuzedo.h"

namespace {

std::vector<std::string> ValueCells(const ViewTexts& view) {
    std::vector<std::string> cells;
    for (const auto& row : view.grid("grdPlayerStats")) cells.push_back(row.at(1));
    return cells;
}

void ExpectNoPlayer(const ViewTexts& view) {
    EXPECT_EQ(view.text("Label2_1"), "< no player selected >");
    EXPECT_EQ(ValueCells(view), std::vector<std::string>(19, "<no player>"));
    for (const std::string_view button : kPlayerButtons) EXPECT_FALSE(view.enabled(button));
}

TEST(PlayerStatsTexts, FollowTheWorkedExamples) {
    PlayerRecord r;
    r.Name = "Vodad R";
    r.Games = 8;
    r.Home = {8, 5, 0, 3, 7, 1};
    const auto cells = PlayerStatsCells(r);
    EXPECT_EQ(cells[4], "5 (63%)");
    EXPECT_EQ(cells[5], "0 (%)");
    EXPECT_EQ(cells[7], "7 (.88)");
    EXPECT_EQ(cells[10], "0 (%)");
    // Home games only: the away rows are bare counts.
    for (std::size_t row = 14; row <= 18; ++row) EXPECT_EQ(cells[row], "0") << row;

    r.Games = 3, r.Home.goalsFor = 1;
    EXPECT_EQ(PlayerStatsCells(r)[7], "1 (.33)");

    EXPECT_EQ(PlayerHeading(r), "Vodad R");
    r.RankingPosition = 3, r.RankingPoints = 1540;
    EXPECT_EQ(PlayerHeading(r), "Vodad R ( #3 - 1540 pts )");
}

class PlayerViews : public ConnectedSuite<WriteHandMadeDuzedo> {
  protected:
    // Each game as "Team A a-b Team B", after checking the numbering and the "Dif" column.
    static std::vector<std::string> Games(const std::string& player, int mode, int order) {
        const Grid grid = GamesView(player, mode, order).grid("grdGames");
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

TEST_F(PlayerViews, RecordCountsEveryGameWhateverTheNamesLetterCase) {
    // Game 7 is stored under "VODAD R"; the goal totals pass 32767.
    const PlayerRecord r = ComputePlayerRecord("Vodad R", "R0303");
    const ViewTexts view = PlayerStatsView(r);
    EXPECT_EQ(view.text("Label2_1"), "Vodad R ( #1 - 1560 pts )");
    EXPECT_EQ(ValueCells(view),
              (std::vector<std::string>{"5", "2", "3", "16", "11 (69%)", "3 (19%)", "2 (13%)",
                                        "35027 (2189.19)", "15 (.94)", "8 (80%)", "2 (20%)",
                                        "0 (%)", "35017 (3501.70)", "10 (1.00)", "3 (50%)",
                                        "1 (17%)", "2 (33%)", "10 (1.67)", "5 (.83)"}));

    // Typed in lower case: the same figures, but no ranking position.
    PlayerRecord lower = ComputePlayerRecord("vodad r", "R0303");
    EXPECT_EQ(lower.RankingPosition, 0);
    EXPECT_EQ(PlayerStatsView(lower).text("Label2_1"), "vodad r");
    lower.Name = r.Name, lower.RankingPosition = r.RankingPosition;
    EXPECT_EQ(lower, r);
}

TEST_F(PlayerViews, RankingPositionNeedsTwoTournaments) {
    // One tournament: no position, even with points.
    const PlayerRecord jose = ComputePlayerRecord("José P", "R0303");
    EXPECT_EQ(jose.RankingPoints, 1600);
    EXPECT_EQ(jose.RankingPosition, 0);
    // Not ranked this month but two tournaments: last of the order. The apostrophe is no problem.
    const PlayerRecord oneil = ComputePlayerRecord("O'Neil S", "R0303");
    EXPECT_EQ(oneil.Games, 4);
    EXPECT_EQ(PlayerHeading(oneil), "O'Neil S ( #7 - -1 pts )");
}

TEST_F(PlayerViews, NamesWithoutGamesShowNoPlayer) {
    ExpectNoPlayer(PlayerStatsView(""));
    ExpectNoPlayer(PlayerStatsView("Nobody X"));
}

TEST_F(PlayerViews, AwayGamesInEveryOrder) {
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

TEST_F(PlayerViews, HomeGamesAndPlayersWithoutGames) {
    EXPECT_EQ(GamesView("Vodad R", kHomeGames, 0).text("frmGames"), "Vodad R:  home games");
    const Names home = Games("Vodad R", kHomeGames, 3);
    ASSERT_EQ(home.size(), 10u);
    EXPECT_EQ(home[0], "Vodad R 20000-0 O'Neil S");
    EXPECT_EQ(Games("Vodad R", kHomeGames, 0)[1], "VODAD R 1-1 Müller K");
    EXPECT_EQ(Games("Nobody X", kHomeGames, 5).size(), 0u);
    EXPECT_THROW(GamesQuery("Vodad R", kHomeGames, 6), std::out_of_range);
}

TEST_F(PlayerViews, PositionsTableAndGraph) {
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

TEST_F(PlayerViews, PositionsGraphLeavesOutFieldsWithoutSize) {
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
