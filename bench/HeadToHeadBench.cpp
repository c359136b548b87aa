// Find Pair and the fantasy league on the sample DUZEDO at scale 1 and 10: one comparison of the
// two players who met most often, one prediction of their game, and a league of 20 players
// (380 predicted games). Goals at scale 10: a comparison under 20 ms, the league under 100 ms.
#include <benchmark/benchmark.h>

#include <string>
#include <utility>
#include <vector>

#include "BenchSample.h"
#include "db/Database.h"
#include "fantasy/League.h"
#include "headtohead/PairComparison.h"
#include "headtohead/Prediction.h"
#include "headtohead/Random.h"
#include "rankings/RankingColumn.h"

namespace {

// The two players with the most games against each other, the first as Team A in most of them.
std::pair<std::string, std::string> BusiestPair() {
    const QueryResult top = Query(
        "select top 1 [TEAM A], [TEAM B], count(*) from scores group by [TEAM A], [TEAM B] "
        "order by count(*) desc");
    return {top[0][0].toString(), top[0][1].toString()};
}

// The 20 players with the most games as Team A.
std::vector<std::string> LeaguePlayers() {
    const QueryResult top =
        Query("select [TEAM A], count(*) from scores group by [TEAM A] order by count(*) desc", 20);
    std::vector<std::string> players;
    for (const Record& r : top) players.push_back(r[0].toString());
    return players;
}

void BM_ComparePair(benchmark::State& state) {
    ConnectBenchSample(static_cast<int>(state.range(0)));
    const auto [one, two] = BusiestPair();
    SeededRandom random(1);
    for (auto _ : state) benchmark::DoNotOptimize(ComparePair(one, two, random));
    DisconnectDb();
}
BENCHMARK(BM_ComparePair)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

void BM_PredictGame(benchmark::State& state) {
    ConnectBenchSample(static_cast<int>(state.range(0)));
    const auto [home, away] = BusiestPair();
    const std::string column = CurrentRankingPeriod().column;
    SeededRandom random(1);
    for (auto _ : state) benchmark::DoNotOptimize(PredictGame(home, away, random, column));
    DisconnectDb();
}
BENCHMARK(BM_PredictGame)->Arg(1)->Arg(10)->Unit(benchmark::kMicrosecond);

void BM_FantasyLeague20(benchmark::State& state) {
    ConnectBenchSample(static_cast<int>(state.range(0)));
    const std::vector<std::string> players = LeaguePlayers();
    SeededRandom random(1);
    for (auto _ : state) benchmark::DoNotOptimize(FantasyView(players, random));
    state.counters["games"] = static_cast<double>(players.size() * (players.size() - 1));
    DisconnectDb();
}
BENCHMARK(BM_FantasyLeague20)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

}  // namespace
