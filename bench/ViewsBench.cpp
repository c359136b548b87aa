// The data behind each user action of the rankings and player views, on the sample DUZEDO at
// scale 1 and 10: filling the rankings, a player's record (for every player), and each window's
// fill. Each should stay under 20 ms at scale 10.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "BenchSample.h"
#include "db/Database.h"
#include "duzedo/SampleDuzedo.h"
#include "players/Games.h"
#include "players/PlayerRecord.h"
#include "players/PlayerStats.h"
#include "players/Positions.h"
#include "rankings/RankingMonths.h"
#include "rankings/RankingProgress.h"
#include "rankings/Rankings.h"

namespace {

namespace fs = std::filesystem;

std::vector<std::string> AllPlayers() {
    std::vector<std::string> names;
    gRs->open("select player from rankings order by player", *gConn);
    for (; !gRs->eof(); gRs->moveNext()) names.push_back(gRs->fields(0).toString());
    gRs->close();
    return names;
}

// The player with the most games: the heaviest case of every player window.
std::string BusiestPlayer() {
    std::string busiest;
    std::int64_t most = -1;
    for (const std::string& name : AllPlayers()) {
        const std::int64_t games =
            ScalarQuery("select count(*) from scores where [TEAM A]=" + SqlQuote(name) +
                        " or [TEAM B]=" + SqlQuote(name));
        if (games > most) most = games, busiest = name;
    }
    return busiest;
}

// Runs fill once per iteration on the sample of the benchmark's scale.
template <typename F>
void MeasureOnBusiestPlayer(benchmark::State& state, F fill) {
    ConnectBenchSample(static_cast<int>(state.range(0)));
    const std::string player = BusiestPlayer();
    for (auto _ : state) benchmark::DoNotOptimize(fill(player));
    DisconnectDb();
}

void BM_FillRankings(benchmark::State& state) {
    MeasureOnBusiestPlayer(state, [](const std::string&) { return RankingsView({}); });
}
BENCHMARK(BM_FillRankings)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

void BM_RankingMonths(benchmark::State& state) {
    MeasureOnBusiestPlayer(state, [](const std::string&) { return RankingMonthList(); });
}
BENCHMARK(BM_RankingMonths)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

// The per_player counter gives the mean time of one ComputePlayerRecord.
void BM_ComputePlayerRecordEveryPlayer(benchmark::State& state) {
    ConnectBenchSample(static_cast<int>(state.range(0)));
    const std::vector<std::string> players = AllPlayers();
    for (auto _ : state) {
        for (const std::string& name : players) benchmark::DoNotOptimize(ComputePlayerRecord(name));
    }
    state.counters["per_player"] = benchmark::Counter(
        static_cast<double>(players.size()),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    state.counters["players"] = static_cast<double>(players.size());
    DisconnectDb();
}
BENCHMARK(BM_ComputePlayerRecordEveryPlayer)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

void BM_PlayerStatsGo(benchmark::State& state) {
    MeasureOnBusiestPlayer(state, [](const std::string& p) { return PlayerStatsView(p); });
}
BENCHMARK(BM_PlayerStatsGo)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

void BM_GamesWindow(benchmark::State& state) {
    MeasureOnBusiestPlayer(state, [](const std::string& p) { return GamesView(p, kAwayGames, 5); });
}
BENCHMARK(BM_GamesWindow)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

void BM_PositionsWindow(benchmark::State& state) {
    MeasureOnBusiestPlayer(state,
                           [](const std::string& p) { return PositionsView(p, 9135, 5295); });
}
BENCHMARK(BM_PositionsWindow)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

void BM_ProgressWindow(benchmark::State& state) {
    MeasureOnBusiestPlayer(state, [](const std::string& p) { return ProgressView(p, 9135, 5295); });
}
BENCHMARK(BM_ProgressWindow)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

}  // namespace
