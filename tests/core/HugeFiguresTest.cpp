// Goals and ranking values near the 64-bit limits, as a damaged or hand-edited DUZEDO holds them:
// predictions and group tables built from them show the true figure, never a wrapped one. (The
// views' own sums are among the report's view cases.)

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "headtohead/Prediction.h"
#include "support/ConnectedDuzedo.h"
#include "support/FixedDraws.h"
#include "support/TestData.h"
#include "tournaments/Diagrams.h"

namespace {

using testing::HasSubstr;
constexpr auto kMost = std::numeric_limits<std::int64_t>::max();
constexpr auto kLeast = std::numeric_limits<std::int64_t>::min();

int PredictedHomeGoals(const std::string& home, const std::string& away) {
    FixedDraws noReduction({0, 0});
    return PredictGame(home, away, noReduction, "").home;
}

int LeaguePredictedHomeGoals() {
    const PredictionInputs inputs({"Aris", "Bodo"}, "");
    FixedDraws noReduction({0, 0});
    return PredictFromFacts(inputs.Facts(0, 1), noReduction).home;
}

// Aris at home to Bodo twice with the most goals a whole number holds: the meetings and form of a
// prediction, alone or in a league, end at the most goals a score holds.
TEST(HugeFigures, PredictionsFromTheMostGoalsEndAtTheMostAScoreHolds) {
    const ConnectedDuzedo db("huge", [](const std::string& path) {
        WriteSqlDuzedo(path, "Tiny.sql",
                       "UPDATE scores SET A = 9223372036854775807 WHERE id = 1; INSERT INTO scores "
                       "VALUES (4, 'Aris', 'Bodo', 9223372036854775807, 0, 'Spring League 2003');");
    });
    ASSERT_TRUE(db.connected()) << db.error();
    EXPECT_EQ(PredictedHomeGoals("Aris", "Bodo"), 32767);
    EXPECT_EQ(LeaguePredictedHomeGoals(), 32767);
}

TEST(HugeFigures, RankingValuesFarApartStillFavourTheHigher) {
    // No meetings: the gap of the rankings, a full draw, lifts the higher side to the most goals.
    FixedDraws fullGapNoReduction({1, 0, 0});
    const PredictionFacts facts{.homeRanking = kMost, .awayRanking = kLeast};
    EXPECT_EQ(PredictFromFacts(facts, fullGapNoReduction).home, 32767);
}

TEST(HugeFigures, AGroupTableAddsUpItsGamesGoals) {
    const PhaseGroup group{"League",
                           "Group A",
                           {{1, "Aris", "Bodo", 2147483647, 0},
                            {2, "Bodo", "Aris", 0, kMost},
                            {3, "Aris", "Cleo", kMost, kLeast}}};
    DiagramPlan plan;
    plan.kind = PhaseKind::RoundOne;
    const Graph graph = LeagueDiagram(plan, {group});
    std::string texts;
    for (const GraphText& text : graph.texts) texts += text.text + "|";
    // Aris's goals for and against: 2147483647 + 2 * (2^63 - 1), and -2^63.
    EXPECT_THAT(texts, HasSubstr("|18446744075857035261|-9223372036854775808|"));
}

}  // namespace
