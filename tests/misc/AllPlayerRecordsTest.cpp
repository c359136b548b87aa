// The all-player list of each record category, from players' totals.

#include <gtest/gtest.h>

#include "core/DisplayLocale.h"
#include "misc/AllPlayerRecords.h"

namespace {

PlayerTotals Totals(std::int64_t aGames, std::int64_t bGames, std::int64_t goalsFor,
                    std::int64_t goalsAgainst) {
    return {Tally{aGames, aGames, 0, 0, goalsFor, goalsAgainst}, Tally{bGames, 0, 0, bGames, 0, 0}};
}

class AllPlayerRecords : public testing::Test {
  protected:
    AllPlayerRecords() { SetCurrentLocale(MakeFixedLocale()); }
    ~AllPlayerRecords() override { SetCurrentLocale(nullptr); }

    Grid List(int stat, bool limit = true, int minGames = 20) const {
        return AllPlayerRecordsView(players, totals, stat, limit, minGames).grid("grdTop");
    }
    // The players listed, in their order.
    Texts Names(int stat, bool limit = true, int minGames = 20) const {
        Texts names;
        const Grid grid = List(stat, limit, minGames);
        for (std::size_t row = 1; row < grid.size(); ++row) names.push_back(grid[row][1]);
        return names;
    }

    // 19 and 20 games, 10 of them as Team A for Ann; Bob none as Team B; Cid no game at all.
    std::vector<std::string> players = {"Ann", "Bob", "Cid", "Dan"};
    std::vector<PlayerTotals> totals = {Totals(10, 10, 30, 20), Totals(19, 0, 19, 57),
                                        PlayerTotals{}, Totals(5, 14, 38, 19)};
};

TEST_F(AllPlayerRecords, TheLimitIsAtLeastTheMinimumOrHalfOfIt) {
    EXPECT_EQ(Names(1), (Texts{"Ann"}));  // 20 games listed, 19 not
    EXPECT_EQ(Names(1, true, 19), (Texts{"Dan", "Ann", "Bob"}));
    EXPECT_EQ(Names(5), (Texts{"Ann", "Bob"}));     // 10 Team A games are at least 10.0
    EXPECT_EQ(Names(5, true, 21), (Texts{"Bob"}));  // 10 is below 10.5
    EXPECT_EQ(List(9, true, 30).size(), 1u);
    // Toggling the box off lists everyone; the counts are never limited.
    EXPECT_EQ(Names(15, false).size(), 4u);
    EXPECT_EQ(Names(13).size(), 4u);
    EXPECT_EQ(Names(21).size(), 4u);
}

TEST_F(AllPlayerRecords, ZeroRuleAndSortDirections) {
    // Without the limit Cid is listed with "0" and sorts as the number 0.
    EXPECT_EQ(List(1, false)[4], (Texts{"4", "Cid", "0", "0"}));
    EXPECT_EQ(List(3, false)[1], (Texts{"1", "Cid", "0", "0"}));
    // Best defence ascending, worst defence descending.
    EXPECT_EQ(List(2, false)[3][1], "Dan");
    EXPECT_EQ(List(4, false)[1], (Texts{"1", "Bob", "3.00", "19"}));
    // Team B: Bob has no Team B game.
    EXPECT_EQ(List(10, false)[1], (Texts{"1", "Ann", "0.00", "10"}));
    EXPECT_EQ(List(10, false)[2], (Texts{"2", "Bob", "0", "0"}));
    // Percentages divide first: 10 wins of 20 games.
    EXPECT_EQ(List(18)[1], (Texts{"1", "Ann", "50.00", "20"}));
}

TEST_F(AllPlayerRecords, CountsHideTheLimitBox) {
    for (const auto& [stat, shown] : {std::pair(0, false), {19, true}, {21, false}}) {
        EXPECT_EQ(
            AllPlayerRecordsView(players, totals, stat, true, 20).checkBox("chkLimit").visible,
            shown)
            << stat;
    }
    EXPECT_EQ(List(0)[4], (Texts{"4", "Cid", "", "0"}));
    EXPECT_EQ(List(22).size(), 1u);
}

TEST_F(AllPlayerRecords, EqualShownValuesKeepTheListOrder) {
    // 2.004 and 2.001 both show as 2.00: the grid ranks them alike.
    players = {"Ann", "Bob"};
    totals = {Totals(1000, 0, 2001, 0), Totals(1000, 0, 2004, 0)};
    EXPECT_EQ(Names(1), (Texts{"Ann", "Bob"}));
    EXPECT_EQ(Names(3), (Texts{"Ann", "Bob"}));
}

}  // namespace
