// Who holds each individual record, from players' totals alone.

#include <gtest/gtest.h>

#include "core/DisplayLocale.h"
#include "misc/MiscStats.h"

namespace {

// goals for and against spread over Team A games only.
PlayerTotals HomeOnly(std::int64_t games, std::int64_t goalsFor, std::int64_t goalsAgainst) {
    return {Tally{games, games, 0, 0, goalsFor, goalsAgainst}, Tally{}};
}

// games split evenly between the sides, every game won 2:1.
PlayerTotals Even(std::int64_t games) {
    const auto side = [](std::int64_t n) { return Tally{n, n, 0, 0, 2 * n, n}; };
    return {side(games / 2), side(games - games / 2)};
}

class RecordRules : public testing::Test {
  protected:
    RecordRules() { SetCurrentLocale(MakeFixedLocale()); }
    ~RecordRules() override { SetCurrentLocale(nullptr); }
};

TEST_F(RecordRules, AveragesNeedMoreGamesThanTheMinimum) {
    // Twenty games are not more than twenty: the weaker attack of 21 games holds the record.
    PlayerTotals twenty = Even(20);
    twenty.asA.goalsFor += 100;
    const PlayerTotals twentyOne = Even(21);
    const Texts holders = RecordHolderTexts({"Twenty", "TwentyOne"}, {twenty, twentyOne}, 20);
    EXPECT_EQ(holders[1], "TwentyOne (2.0)");
    EXPECT_EQ(holders[18], "TwentyOne (100.0%)");
    // Counts need no minimum.
    EXPECT_EQ(holders[13], "Twenty (140)");

    EXPECT_EQ(RecordHolderTexts({"Twenty"}, {twenty}, 19)[1], "Twenty (7.0)");
}

TEST_F(RecordRules, TeamSidesNeedMoreThanHalfTheMinimumAsARealNumber) {
    const PlayerTotals ten = HomeOnly(10, 30, 5);
    const PlayerTotals eleven = HomeOnly(11, 11, 22);
    const Texts at20 = RecordHolderTexts({"Ten", "Eleven"}, {ten, eleven}, 20);
    EXPECT_EQ(at20[5], "Eleven (1.0)");  // ten games are not more than 10.0
    const Texts at21 = RecordHolderTexts({"Ten", "Eleven"}, {ten, eleven}, 21);
    EXPECT_EQ(at21[5], "Eleven (1.0)");  // 11 > 10.5
    EXPECT_EQ(RecordHolderTexts({"Ten"}, {ten}, 22)[5], "");
    EXPECT_EQ(RecordHolderTexts({"Ten"}, {ten}, 19)[5], "Ten (3.0)");  // 10 > 9.5

    // Without Team B games a player holds none of the Team B records, even with no minimum.
    const Texts noMinimum = RecordHolderTexts({"Ten"}, {ten}, 0);
    for (int row = 9; row <= 12; ++row) EXPECT_EQ(noMinimum[row], "") << row;
    EXPECT_EQ(noMinimum[6], "Ten (0.5)");
}

TEST_F(RecordRules, AnEqualValueNeverTakesTheRecord) {
    const Texts holders = RecordHolderTexts({"First", "Second"}, {Even(30), Even(30)}, 20);
    for (const int row : {0, 1, 2, 3, 4, 13, 15, 18}) {
        EXPECT_TRUE(holders[row].starts_with("First (")) << row << ": " << holders[row];
    }
}

TEST_F(RecordRules, StartValuesAreNeverRecorded) {
    // No draws and no losses: nobody holds those; averages of ten goals a game or more neither
    // best nor worst where the start value is 10.
    const PlayerTotals heavy = HomeOnly(30, 300, 330);
    const Texts holders = RecordHolderTexts({"Heavy"}, {heavy}, 20);
    for (const int row : {16, 17, 19}) EXPECT_EQ(holders[row], "") << row;
    EXPECT_EQ(holders[2], "");  // best defence: 11 a game is not below 10
    EXPECT_EQ(holders[3], "");  // worst attack: 10 a game is not below 10
    EXPECT_EQ(holders[1], "Heavy (10.0)");
    EXPECT_EQ(holders[21], "");  // no tournament won

    const Texts nobody = RecordHolderTexts({"Idle"}, {PlayerTotals{}}, 20);
    for (const std::string& holder : nobody) EXPECT_EQ(holder, "");
}

TEST_F(RecordRules, ValueTexts) {
    PlayerTotals t = HomeOnly(3, 37, 4);
    t.asA.wins = 1;
    t.asA.draws = 1;
    t.asA.losses = 1;
    t.won = 2;
    const Texts holders = RecordHolderTexts({"P"}, {t}, 2);
    EXPECT_EQ(holders[1], "P (12.33)");
    EXPECT_EQ(holders[18], "P (33.33%)");
    EXPECT_EQ(holders[21], "P (2)");

    SetCurrentLocale(MakeFixedLocale(','));
    EXPECT_EQ(RecordHolderTexts({"P"}, {t}, 2)[1], "P (12,33)");
}

}  // namespace
