// The data behind each user action of the Tournaments and World Cups frames, on the sample
// DUZEDO at scale 1 and 10: a tournament selection (table, player filter and games), a change of
// the games filter, a World Cup phase, the winners list; each should stay under 20 ms at scale
// 10. And the nine diagram pictures, drawn and written, under a second at scale 10.
#include <benchmark/benchmark.h>

#include <string>

#include "BenchSample.h"
#include "db/Database.h"
#include "tournaments/DiagramFiles.h"
#include "tournaments/Tournament.h"
#include "tournaments/WorldCup.h"

namespace {

// The ordinary tournament with the most games: the heaviest selection.
std::string BusiestTournament() {
    std::string busiest;
    std::int64_t most = -1;
    for (const std::string& name : TournamentNames(std::nullopt)) {
        if (KindOf(name) != TournamentKind::Ordinary) continue;
        const std::int64_t games =
            ScalarQuery("select count(*) from scores where tournament=" + SqlQuote(name));
        if (games > most) most = games, busiest = name;
    }
    return busiest;
}

template <typename F>
void MeasureOnBusiestTournament(benchmark::State& state, F action) {
    ConnectBenchSample(static_cast<int>(state.range(0)));
    const std::string tournament = BusiestTournament();
    for (auto _ : state) benchmark::DoNotOptimize(action(tournament));
    DisconnectDb();
}

void BM_SelectTournament(benchmark::State& state) {
    MeasureOnBusiestTournament(state, [](const std::string& t) { return TournamentView(t, ""); });
}
BENCHMARK(BM_SelectTournament)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

void BM_GamesFilterChange(benchmark::State& state) {
    ConnectBenchSample(static_cast<int>(state.range(0)));
    const std::string tournament = BusiestTournament();
    const Texts names = GameTournamentNames();
    const std::string player = GamesFilterItems(tournament, names).at(1);
    for (auto _ : state) benchmark::DoNotOptimize(TournamentGames(tournament, player, names));
    DisconnectDb();
}
BENCHMARK(BM_GamesFilterChange)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

void BM_WorldCupPhase(benchmark::State& state) {
    MeasureOnBusiestTournament(state,
                               [](const std::string&) { return WorldCupView(1, kAllGamesPhase); });
}
BENCHMARK(BM_WorldCupPhase)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

void BM_TournamentWinners(benchmark::State& state) {
    MeasureOnBusiestTournament(state, [](const std::string&) { return WinnersView(); });
}
BENCHMARK(BM_TournamentWinners)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

void BM_DiagramPictures(benchmark::State& state) {
    ConnectBenchSample(static_cast<int>(state.range(0)));
    const std::string dir = BenchSamplePath(static_cast<int>(state.range(0))) + ".pictures";
    for (auto _ : state) benchmark::DoNotOptimize(WriteDiagramPictures(dir));
    DisconnectDb();
}
BENCHMARK(BM_DiagramPictures)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

}  // namespace
