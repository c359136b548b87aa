// The fantasy league's table, with scripted scores; one league on the pair DUZEDO through the
// real prediction; and the league's inputs gathered once give the same draws and scores as
// reading the database for every game, on the sample and on a hold-out sample of another seed
// and scale.

#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <tuple>

#include "db/Database.h"
#include "fantasy/League.h"
#include "headtohead/PairDuzedo.h"
#include "headtohead/Prediction.h"
#include "headtohead/Random.h"
#include "rankings/RankingColumn.h"
#include "support/ConnectedDuzedo.h"
#include "support/SampleDb.h"

namespace {

using Scores = std::map<std::pair<std::string, std::string>, std::pair<int, int>>;

// Scores by (home, away) among players; a game not scripted ends 0-0.
Predictor Scripted(const std::vector<std::string>& players, Scores scores) {
    return [players, scores = std::move(scores)](std::size_t home, std::size_t away) {
        const auto it = scores.find({players[home], players[away]});
        const auto [h, a] = it == scores.end() ? std::pair(0, 0) : it->second;
        return Prediction{.home = h, .away = a};
    };
}

TEST(League, TableByPointsThenGoalDifference) {
    // A and D end level on 8 points; D, listed later, has the better goal difference.
    const Scores scores = {{{"A", "B"}, {1, 0}}, {{"B", "A"}, {5, 0}}, {{"A", "C"}, {1, 0}},
                           {{"C", "A"}, {0, 0}}, {{"B", "C"}, {0, 1}}, {{"C", "B"}, {0, 1}},
                           {{"A", "D"}, {0, 1}}, {{"D", "A"}, {0, 0}}, {{"B", "D"}, {2, 0}},
                           {{"D", "B"}, {0, 0}}, {{"C", "D"}, {1, 0}}, {{"D", "C"}, {1, 0}}};
    const std::vector<std::string> players = {"A", "B", "C", "D"};
    const League league = *PlayLeague(players, Scripted(players, scores));
    EXPECT_EQ(league.table, (std::vector<LeagueRow>{{"B", 3, 1, 2, 8, 2, 10},
                                                    {"D", 2, 2, 2, 2, 3, 8},
                                                    {"A", 2, 2, 2, 2, 6, 8},
                                                    {"C", 2, 1, 3, 2, 3, 7}}));
    // The table view numbers the rows from 1, best first.
    EXPECT_EQ(LeagueView(league).grid("grdFantasyTable")[1],
              (std::vector<std::string>{"1", "B", "3", "1", "2", "8", "2", "10"}));
}

TEST(League, RowsEqualInPointsAndDifferenceKeepTheirOrder) {
    const auto row = [](const char* player, std::int64_t pts, std::int64_t gf, std::int64_t ga) {
        return LeagueRow{.player = player, .gf = gf, .ga = ga, .pts = pts};
    };
    std::vector<LeagueRow> table = {row("A", 6, 1, 2), row("B", 6, 5, 2), row("C", 9, 0, 0),
                                    row("D", 3, 2, 1), row("E", 3, 4, 3), row("F", 6, 3, 0)};
    OrderTable(table);
    std::string order;
    for (const LeagueRow& r : table) order += r.player;
    EXPECT_EQ(order, "CBFADE");
}

TEST(League, NoteNamesPlayersWithoutTheirOwnGames) {
    const std::vector<std::string> players = {"Ruth", "Aris", "Solo", "Nemo"};
    const Predictor predict = [&](std::size_t home, std::size_t away) {
        const std::string& h = players[home];
        const std::string& a = players[away];
        return Prediction{.homeHasForm = h != "Solo" && h != "Nemo",
                          .awayHasForm = a != "Ruth" && a != "Nemo"};
    };
    const League league = *PlayLeague(players, predict);
    // The count first; every name on the next line, for the status line's tooltip.
    EXPECT_EQ(LeagueNote(league),
              "Too few games for a full prediction: 3 players\nRuth (no game as Team B), "
              "Solo (no game as Team A), Nemo (no games)");
    EXPECT_EQ(LeagueNote(*PlayLeague({"Aris", "Bodo"}, Scripted({"Aris", "Bodo"}, {}))), "");
    // A player alone plays nobody but still has his row.
    const League alone = *PlayLeague({"Solo"}, Scripted({"Solo"}, {}));
    EXPECT_TRUE(alone.games.empty());
    EXPECT_EQ(alone.table, std::vector<LeagueRow>{{.player = "Solo"}});
}

// The whole league's cost scaled from its first pairs: the time from the start and the program's
// peak memory; where the system tells no memory, the games alone.
TEST(League, CostScalesFromTheFirstPairs) {
    constexpr std::uint64_t kMB = 1 << 20;
    // 6,000 players: their inputs read in 1.5 s, then 200,000 pairs in 0.3 s, 24 bytes each.
    const LeagueCost big =
        EstimateLeague({200000, 17997000, 1.5, 0.3, 500 * kMB, 800 * kMB, 800 * kMB + 4800000});
    EXPECT_NEAR(big.seconds, 28.4955, 1e-9);
    EXPECT_EQ(big.bytes, 800 * kMB + 431928000);
    const LeagueCost small = EstimateLeague({10, 1000, 0, 0.001, 0, 0, 0});
    EXPECT_EQ(small.bytes, 24000U);
    // Quick, but 1,200 MB more than before the start.
    const LeagueCost heavy = EstimateLeague({1000, 100000, 0.1, 0.01, 0, 0, 12 * kMB});
    EXPECT_EQ(std::tuple(big.large(), small.large(), heavy.large()), std::tuple(true, false, true));
}

class LeagueOnPairDuzedo : public ConnectedSuite<WritePairDuzedo> {};

TEST_F(LeagueOnPairDuzedo, PredictedLeagueAddsUpAndReplaysFromItsSeed) {
    const std::vector<std::string> players = {"Aris", "Bodo", "Hugo", "Ivan", "Solo", "O'Neil"};
    SeededRandom random(11);
    const ViewTexts view = FantasyView(players, random);
    const Grid& games = view.grid("grdFantasyGames");
    const Grid& table = view.grid("grdFantasyTable");
    ASSERT_EQ(games.size(), 1 + players.size() * (players.size() - 1));
    ASSERT_EQ(table.size(), 1 + players.size());
    std::int64_t goalsFor = 0, goals = 0;
    for (std::size_t row = 1; row < table.size(); ++row) {
        const auto n = [&](int col) { return std::stoll(table[row][col]); };
        EXPECT_EQ(n(2) + n(3) + n(4), 2 * std::int64_t(players.size() - 1)) << table[row][1];
        goalsFor += n(5);
    }
    for (std::size_t row = 1; row < games.size(); ++row) {
        goals += std::stoll(games[row][2]) + std::stoll(games[row][3]);
    }
    EXPECT_EQ(goalsFor, goals);

    SeededRandom again(11);
    EXPECT_EQ(FantasyView(players, again).grid("grdFantasyGames"), games);
}

void WriteHoldOut(const std::string& path) {
    WriteSampleDb(path, {.seed = 41, .scale = 3});
}

void WriteSample(const std::string& path) {
    WriteSampleDb(path);
}

// The first players of the rankings (all of them for 0), and one who never played.
std::vector<std::string> Players(long count) {
    std::vector<std::string> players;
    for (const Record& r : Query("select player from rankings", count)) {
        players.push_back(r[0].toString());
    }
    players.push_back("Nobody At All");
    return players;
}

// The league as it was played: every game asks the database.
League ReadForEveryGame(const std::vector<std::string>& players, RandomSource& random) {
    PredictionReader reader(CurrentRankingPeriod().column, true);
    const auto predict = [&](std::size_t home, std::size_t away) {
        return PredictGame(players[home], players[away], random, reader);
    };
    return *PlayLeague(players, predict);
}

template <void (*Write)(const std::string&)>
class InputsOnce : public ConnectedSuite<Write> {
  protected:
    void ExpectSameLeagues(std::uint64_t seed, long count) {
        const std::vector<std::string> players = Players(count);
        SeededRandom before(seed), after(seed);
        const League old = ReadForEveryGame(players, before);
        const League league = *PlayFantasyLeague(players, after);
        ASSERT_EQ(league.games.size(), players.size() * (players.size() - 1));
        EXPECT_EQ(league.games, old.games);
        EXPECT_EQ(league.table, old.table);
        EXPECT_EQ(LeagueNote(league), LeagueNote(old));
        // The generators are where they were: the same draws were made.
        EXPECT_EQ(after.Draw(), before.Draw());
    }

    // Single predictions, each with a generator of its own; a name in capitals with trailing
    // blanks is the same player to the database.
    void ExpectSamePredictions() {
        std::vector<std::string> players = Players(12);
        players.push_back(Upper(players.front()) + "  ");
        const std::string column = CurrentRankingPeriod().column;
        const PredictionInputs inputs(players, column);
        std::uint64_t seed = 0;
        for (std::size_t h = 0; h < players.size(); ++h) {
            for (std::size_t a = 0; a < players.size(); ++a) {
                SeededRandom one(++seed), other(seed);
                const Prediction p = PredictGame(players[h], players[a], one, column);
                const Prediction q = inputs.Predict(h, a, other);
                EXPECT_EQ(std::tie(p.home, p.away, p.homeHasForm, p.awayHasForm),
                          std::tie(q.home, q.away, q.homeHasForm, q.awayHasForm))
                    << players[h] << " v " << players[a];
            }
        }
    }

    static std::string Upper(std::string name) {
        for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        return name;
    }
};

using OnSample = InputsOnce<WriteSample>;
using OnHoldOut = InputsOnce<WriteHoldOut>;

TEST_F(OnSample, SameScoresAsReadingForEveryGame) {
    ExpectSamePredictions();
    // Every player, and a few: the games read are those of the players chosen.
    ExpectSameLeagues(3, 0);
    ExpectSameLeagues(4, 10);
}

TEST_F(OnHoldOut, SameScoresAsReadingForEveryGame) {
    ExpectSamePredictions();
    ExpectSameLeagues(41, 40);
}

}  // namespace
