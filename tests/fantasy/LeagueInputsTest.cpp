// The league's inputs gathered once give the same draws and scores as reading the database for
// every game, on the sample and on a hold-out sample of another seed and scale.

#include <gtest/gtest.h>

#include <cctype>
#include <tuple>

#include "db/Database.h"
#include "fantasy/League.h"
#include "headtohead/Prediction.h"
#include "headtohead/Random.h"
#include "rankings/RankingColumn.h"
#include "support/ConnectedDuzedo.h"
#include "support/SampleDb.h"

namespace {

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
