// Goals, counts and ranking values near the 64-bit limits, as a damaged or hand-edited DUZEDO
// holds them: every view that adds, subtracts or averages them shows the true figure, never a
// wrapped one. Each case is the tiny DUZEDO (Aris, Bodo, Cleo; games 1 Aris-Bodo, 2 Bodo-Cleo,
// 3 Cleo-Aris) with its goals changed.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <string>

#include "headtohead/PairComparison.h"
#include "headtohead/Prediction.h"
#include "misc/AllPlayerRecords.h"
#include "misc/MiscStats.h"
#include "players/Games.h"
#include "players/PlayerRecord.h"
#include "players/PlayerStats.h"
#include "rankings/RankingProgress.h"
#include "support/ConnectedDuzedo.h"
#include "support/FixedDraws.h"
#include "support/SqliteEdit.h"
#include "support/TestDuzedo.h"
#include "tournaments/Diagrams.h"

namespace {

using testing::HasSubstr;
constexpr auto kMost = std::numeric_limits<std::int64_t>::max();
constexpr auto kLeast = std::numeric_limits<std::int64_t>::min();
const std::string kThriceMost = "27670116110564327421";
// Game 1 as Aris-Bodo 9223372036854775805-2 and game 2 as Bodo-Cleo 9223372036854775807 to -5,
// plus Cleo-Bodo -9223372036854775808 to 0: the sums pass the 64-bit range on the way, Bodo
// scores 9223372036854775809 and Aris 9223372036854775808, which a real number holds alike.
constexpr const char* kMiscSql =
    "UPDATE scores SET A = 9223372036854775805, B = 2 WHERE id = 1;"
    "UPDATE scores SET A = 9223372036854775807, B = -5 WHERE id = 2;"
    "INSERT INTO scores VALUES (4, 'Cleo', 'Bodo', -9223372036854775808, 0, 'Spring League 2003')";
// Aris at home to Bodo twice with the most goals a whole number holds.
const std::string kTwiceMost =
    "UPDATE scores SET A = 9223372036854775807 WHERE id = 1;"
    "INSERT INTO scores VALUES (4, 'Aris', 'Bodo', 9223372036854775807, 0, 'Spring League 2003');";

std::string Joined(const Texts& lines) {
    std::string all;
    for (const std::string& line : lines) all += line + "\n";
    return all;
}

std::string Cells(const Grid& grid) {
    std::string all;
    for (const Texts& row : grid) all += "|" + Joined(row);
    return all;
}

std::string PlayerCells(const std::string& name) {
    std::string all;
    for (const std::string& cell : PlayerStatsCells(ComputePlayerRecord(name, ""))) {
        all += cell + "|";
    }
    return all;
}

int PredictedHomeGoals(const std::string& home, const std::string& away) {
    FixedDraws noReduction({0, 0});
    return PredictGame(home, away, noReduction, "").home;
}

int LeaguePredictedHomeGoals() {
    const PredictionInputs inputs({"Aris", "Bodo"}, "");
    FixedDraws noReduction({0, 0});
    return PredictFromFacts(inputs.Facts(0, 1), noReduction).home;
}

TEST(HugeFigures, ViewsShowTheTrueFigureOfWhatTheyAddUp) {
    const struct {
        const char* label;
        std::string sql;
        std::function<std::string()> shown;
        std::string expected;
    } cases[] = {
        {"a game's difference", "UPDATE scores SET A = 9223372036854775807, B = -5 WHERE id = 1",
         [] { return GamesView("Aris", kHomeGames, 0).grid("grdGames").at(1).at(5); },
         "9223372036854775812"},
        {"a player's goals as Team A (a sum) and as Team B",
         kTwiceMost + "UPDATE scores SET B = 9223372036854775807 WHERE id = 3",
         [] { return PlayerCells("Aris"); }, "|" + kThriceMost + " ("},
        {"a pair's goals over both roles, each a sum",
         kTwiceMost +
             "INSERT INTO scores VALUES (5, 'Bodo', 'Aris', 0, 9223372036854775807, 'Spring League "
             "2003')",
         [] {
             FixedDraws none({});
             return Joined(ComparePair("Aris", "Bodo", none).view.list("lstPairResults_0"));
         },
         "Goals for: " + kThriceMost + " ("},
        {"the games and goals of all games", kMiscSql, [] { return Joined(GeneralStatsTexts()); },
         "4\n9223372036854775805\n"},
        {"a game's difference", kMiscSql, [] { return Cells(BiggestWinsGrid()); },
         "\nBodo\nCleo\n9223372036854775807\n-5\n9223372036854775812\n"},
        {"the most goals record", kMiscSql,
         [] {
             const std::vector<std::string> players = MiscPlayers();
             return Joined(RecordHolderTexts(players, ReadPlayerTotals(players), 0));
         },
         "Bodo (9223372036854775809)"},
        {"the ranking of all players by goals", kMiscSql,
         [] { return Cells(AllPlayerRecordsView(MiscPlayers(), 13, false, 0).grid("grdTop")); },
         "|1\nBodo\n9223372036854775809\n3\n|2\nAris\n9223372036854775808\n"},
        {"ranking points past 64 bits in a player's heading",
         "UPDATE rankings SET R0403 = 100, R0503 = 1e308",
         [] { return PlayerStatsView(ComputePlayerRecord("Aris", "R0503")).text("lblNote"); },
         "ranking points out of range"},
        {"the same in his ranking progress", "UPDATE rankings SET R0403 = 100, R0503 = 1e308",
         [] { return ProgressView("Aris", 6000, 4000).text("lblNote"); }, "out of all range"},
        {"the meetings and form of a prediction", kTwiceMost,
         [] { return std::to_string(PredictedHomeGoals("Aris", "Bodo")); }, "32767"},
        {"the same for a league's predictions", kTwiceMost,
         [] { return std::to_string(LeaguePredictedHomeGoals()); }, "32767"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        const ConnectedDuzedo db(c.label, [&](const std::string& path) {
            WriteTestDuzedo(path);
            Exec(OpenForWriting(path).get(), c.sql);
        });
        ASSERT_TRUE(db.connected()) << db.error();
        EXPECT_THAT(c.shown(), HasSubstr(c.expected));
    }
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
