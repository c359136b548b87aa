// Goals, counts and ranking values near the 64-bit limits, as a damaged or hand-edited DUZEDO
// holds them: every view that adds, subtracts or averages them shows the true figure, never a
// wrapped one. Each case is the tiny DUZEDO (Aris, Bodo, Cleo; games 1 Aris-Bodo, 2 Bodo-Cleo,
// 3 Cleo-Aris) with its goals changed.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonObject>
#include <functional>
#include <limits>
#include <map>
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
#include "support/TestData.h"
#include "support/TestDuzedo.h"
#include "tournaments/Diagrams.h"

namespace {

using testing::HasSubstr;
constexpr auto kMost = std::numeric_limits<std::int64_t>::max();
constexpr auto kLeast = std::numeric_limits<std::int64_t>::min();

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

// The views by the names tests/data/HugeFigures.json gives them.
const std::map<QString, std::function<std::string()>> kHugeFigureViews = {
    {"games", [] { return GamesView("Aris", kHomeGames, 0).grid("grdGames").at(1).at(5); }},
    {"player", [] { return PlayerCells("Aris"); }},
    {"pair",
     [] {
         FixedDraws none({});
         return Joined(ComparePair("Aris", "Bodo", none).view.list("lstPairResults_0"));
     }},
    {"general", [] { return Joined(GeneralStatsTexts()); }},
    {"biggest wins", [] { return Cells(BiggestWinsGrid()); }},
    {"record holders",
     [] {
         const std::vector<std::string> players = MiscPlayers();
         return Joined(RecordHolderTexts(players, ReadPlayerTotals(players), 0));
     }},
    {"records",
     [] { return Cells(AllPlayerRecordsView(MiscPlayers(), 13, false, 0).grid("grdTop")); }},
    {"player note",
     [] { return PlayerStatsView(ComputePlayerRecord("Aris", "R0503")).text("lblNote"); }},
    {"progress note", [] { return ProgressView("Aris", 6000, 4000).text("lblNote"); }},
    {"prediction", [] { return std::to_string(PredictedHomeGoals("Aris", "Bodo")); }},
    {"league prediction", [] { return std::to_string(LeaguePredictedHomeGoals()); }}};

TEST(HugeFigures, ViewsShowTheTrueFigureOfWhatTheyAddUp) {
    const QJsonDocument data = TestJson("HugeFigures.json");
    for (const QJsonValue& c : data["cases"].toArray()) {
        SCOPED_TRACE(JsonText(c["label"]));
        std::string sql;
        for (const QJsonValue& script : c["scripts"].toArray()) {
            sql += JsonText(data["scripts"][script.toString()]);
        }
        sql += JsonText(c["sql"]);
        const ConnectedDuzedo db(JsonText(c["label"]), [&](const std::string& path) {
            WriteTestDuzedo(path);
            Exec(OpenForWriting(path).get(), sql);
        });
        ASSERT_TRUE(db.connected()) << db.error();
        EXPECT_THAT(kHugeFigureViews.at(c["view"].toString())(), HasSubstr(JsonText(c["shows"])));
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
