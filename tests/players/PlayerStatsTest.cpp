// The player record and the texts of the Player Stats frame. The worked examples are checked on
// plain records; the queries against the hand-made DUZEDO, whose figures were counted by hand
// from its games.

#include <gtest/gtest.h>

#include "players/PlayerStats.h"
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

class PlayerStats : public ConnectedSuite<WriteHandMadeDuzedo> {};

TEST_F(PlayerStats, RecordCountsEveryGameWhateverTheNamesLetterCase) {
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

TEST_F(PlayerStats, RankingPositionNeedsTwoTournaments) {
    // One tournament: no position, even with points.
    const PlayerRecord jose = ComputePlayerRecord("José P", "R0303");
    EXPECT_EQ(jose.RankingPoints, 1600);
    EXPECT_EQ(jose.RankingPosition, 0);
    // Not ranked this month but two tournaments: last of the order. The apostrophe is no problem.
    const PlayerRecord oneil = ComputePlayerRecord("O'Neil S", "R0303");
    EXPECT_EQ(oneil.Games, 4);
    EXPECT_EQ(PlayerHeading(oneil), "O'Neil S ( #7 - -1 pts )");
}

TEST_F(PlayerStats, NamesWithoutGamesShowNoPlayer) {
    ExpectNoPlayer(PlayerStatsView(""));
    ExpectNoPlayer(PlayerStatsView("Nobody X"));
}

}  // namespace
