// The Player Stats texts and the finishing positions graph, worked out on plain records. (The
// views on the hand-made DUZEDO are checked by the view cases of the report tests.)

#include <gtest/gtest.h>

#include "players/PlayerStats.h"
#include "players/Positions.h"

namespace {

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

TEST(PositionsGraph, LeavesOutFieldsWithoutSize) {
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
}

}  // namespace
