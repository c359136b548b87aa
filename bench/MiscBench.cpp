// The Misc Stats figures and the all-player records window on the sample DUZEDO at scale 1 and
// 10. The full misc computation should stay under 0.3 s at scale 10 (each player's own record,
// a few queries per player, is measured beside it); each all-player list under 50 ms.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "BenchSample.h"
#include "db/Database.h"
#include "misc/AllPlayerRecords.h"
#include "misc/MiscStats.h"
#include "players/PlayerRecord.h"

namespace {

// The whole frame computed afresh: both game lists, the general figures and the records.
void BM_MiscStatsFull(benchmark::State& state) {
    ConnectBenchSample(static_cast<int>(state.range(0)));
    const std::vector<std::string> players = MiscPlayers();
    for (auto _ : state) benchmark::DoNotOptimize(MiscView(players, 20));
    state.counters["players"] = static_cast<double>(players.size());
    DisconnectDb();
}
BENCHMARK(BM_MiscStatsFull)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

// The same records with the players' totals read through each player's own record.
void BM_MiscStatsPerPlayer(benchmark::State& state) {
    ConnectBenchSample(static_cast<int>(state.range(0)));
    const std::vector<std::string> players = MiscPlayers();
    for (auto _ : state) {
        std::vector<PlayerTotals> totals;
        for (const std::string& player : players) {
            const PlayerRecord r = ComputePlayerRecord(player, "");
            totals.push_back({r.Home, r.Away, r.Tournaments, r.TournamentsWon});
        }
        benchmark::DoNotOptimize(RecordHolderTexts(players, totals, 20));
        benchmark::DoNotOptimize(GeneralStatsTexts());
        benchmark::DoNotOptimize(BiggestWinsGrid());
        benchmark::DoNotOptimize(MostGoalsGrid());
    }
    DisconnectDb();
}
BENCHMARK(BM_MiscStatsPerPlayer)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

// One fill of the all-player list of each category (the second argument), with the limit.
void BM_AllPlayerRecords(benchmark::State& state) {
    ConnectBenchSample(static_cast<int>(state.range(0)));
    const std::vector<std::string> players = MiscPlayers();
    const auto stat = static_cast<int>(state.range(1));
    for (auto _ : state) benchmark::DoNotOptimize(AllPlayerRecordsView(players, stat, true, 20));
    DisconnectDb();
}
BENCHMARK(BM_AllPlayerRecords)
    ->ArgsProduct({{1, 10}, benchmark::CreateDenseRange(0, kRecordCount - 1, 1)})
    ->Unit(benchmark::kMillisecond);

// A click on chkLimit: the list again from the totals the window has read.
void BM_AllPlayerRecordsRelist(benchmark::State& state) {
    ConnectBenchSample(static_cast<int>(state.range(0)));
    const std::vector<std::string> players = MiscPlayers();
    const std::vector<PlayerTotals> totals = ReadPlayerTotals(players);
    for (auto _ : state) {
        benchmark::DoNotOptimize(AllPlayerRecordsView(players, totals, 1, false, 20));
    }
    DisconnectDb();
}
BENCHMARK(BM_AllPlayerRecordsRelist)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

}  // namespace
