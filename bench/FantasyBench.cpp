// The fantasy league against its floor, one pass over scores (every game, in table order, read into
// memory): the counter x_floor is the league's time as a multiple of the floor's. Arguments: scale
// and players (0 for all of them). In the window: from Start to the table, with every player at
// scale 10 and 30, and the process's resident memory afterwards (rss_mb). Goals: 20 players under
// 20 ms; all 600 at scale 10 under 1 s (1.5 s in the window, 200 MB for the program); all 1,800 at
// scale 30 under 10 s and 1 GB.
#include <benchmark/benchmark.h>

#include <QPushButton>
#include <chrono>
#include <fstream>
#include <string>
#include <vector>

#include "BenchSample.h"
#include "core/Settings.h"
#include "db/Database.h"
#include "fantasy/League.h"
#include "fantasy/ui/FantasyFrame.h"
#include "headtohead/Random.h"
#include "shell/FrameTable.h"
#include "shell/frmMain.h"

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

void ScoresPass() {
    benchmark::DoNotOptimize(Query("select [TEAM A], [TEAM B], A, B, TOURNAMENT from scores"));
}

// The best of three passes.
double FloorSeconds() {
    double best = 1e9;
    for (int i = 0; i < 3; ++i) {
        const Clock::time_point start = Clock::now();
        ScoresPass();
        best = std::min(best, SecondsSince(start));
    }
    return best;
}

// The first count players of the rankings, in the window's order; every one for 0.
std::vector<std::string> RankedPlayers(long count) {
    std::vector<std::string> players;
    for (const Record& r : Query("select player from rankings", count)) {
        players.push_back(r[0].toString());
    }
    return players;
}

double ResidentMegabytes(const std::string& field = "VmRSS:") {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with(field)) return std::stod(line.substr(field.size())) / 1024;
    }
    return 0;
}

void BM_ScoresPass(benchmark::State& state) {
    ConnectBenchSample(static_cast<int>(state.range(0)));
    for (auto _ : state) ScoresPass();
    DisconnectDb();
}
BENCHMARK(BM_ScoresPass)->Arg(1)->Arg(10)->Arg(30)->Unit(benchmark::kMillisecond);

void BM_FantasyLeague(benchmark::State& state) {
    ConnectBenchSample(static_cast<int>(state.range(0)));
    const std::vector<std::string> players = RankedPlayers(state.range(1));
    const double floor = FloorSeconds();
    SeededRandom random(1);
    double seconds = 0;
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        benchmark::DoNotOptimize(PlayFantasyLeague(players, random));
        seconds += SecondsSince(start);
    }
    const double n = static_cast<double>(players.size());
    state.counters["games"] = n * (n - 1);
    state.counters["floor_ms"] = floor * 1000;
    state.counters["x_floor"] = seconds / static_cast<double>(state.iterations()) / floor;
    DisconnectDb();
}
BENCHMARK(BM_FantasyLeague)
    ->Args({1, 20})
    ->Args({10, 20})
    ->Args({10, 0})
    ->Args({30, 0})
    ->Unit(benchmark::kMillisecond);

void BM_FantasyWindow(benchmark::State& state) {
    ConnectBenchSample(static_cast<int>(state.range(0)));
    SetOptionDefaults();
    gOptFrameAnimation = 0;
    frmMain window;
    window.Load();
    window.resize(1024, 768);
    window.show();
    window.BarClick(FrameIndex<FantasyFrame>());
    // The question before a large league is answered yes; its estimate is the label, to set
    // beside the time and the peak measured.
    std::string question;
    window.findChild<FantasyFrame*>()->SetLargeLeagueQuestion([&](const std::string& text) {
        question = text;
        return true;
    });
    window.findChild<QPushButton*>("chbFantasyLst_3")->click();
    QPushButton* start = window.findChild<QPushButton*>("chbFantasyCalc");
    // The peak from here on: Linux forgets the one before on this write.
    std::ofstream("/proc/self/clear_refs") << "5";
    for (auto _ : state) start->click();
    state.counters["rss_mb"] = ResidentMegabytes();
    state.counters["peak_mb"] = ResidentMegabytes("VmHWM:");
    state.SetLabel(question);
    DisconnectDb();
}
BENCHMARK(BM_FantasyWindow)->Arg(10)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FantasyWindow)->Arg(30)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FantasyWindow)->Arg(100)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
