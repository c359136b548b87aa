// The whole web site against its floor, one pass over scores (every game, in table order, read
// into memory): the counter x_floor is the site's time as a multiple of the floor's. Argument:
// scale. Counters: pages, the site's size (mb) and the process's resident memory (rss_mb). Goals:
// scale 10 (600 players, about 10,500 pairs) under 5 s; scale 100 (about 112,000 pairs, measured
// by hand with /usr/bin/time -v) under 90 s and 1 GB.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>

#include "BenchSample.h"
#include "db/Database.h"
#include "site/Site.h"

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// The best of three passes.
double FloorSeconds() {
    double best = 1e9;
    for (int i = 0; i < 3; ++i) {
        const Clock::time_point start = Clock::now();
        benchmark::DoNotOptimize(Query("select [TEAM A], [TEAM B], A, B, TOURNAMENT from scores"));
        best = std::min(best, SecondsSince(start));
    }
    return best;
}

double ResidentMegabytes() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with("VmRSS:")) return std::stod(line.substr(6)) / 1024;
    }
    return 0;
}

// Sites are left in place until the next run: a file system reuses the room of files deleted a
// moment ago only slowly, which would time the deletion rather than the site.
void BM_Site(benchmark::State& state) {
    ConnectBenchSample(static_cast<int>(state.range(0)));
    const double floor = FloorSeconds();
    const auto base = std::filesystem::temp_directory_path() / "vpa-bench" /
                      ("site-" + std::to_string(state.range(0)));
    std::filesystem::remove_all(base);
    SiteSummary site;
    double seconds = 0;
    int run = 0;
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        site = WriteSite(base / std::to_string(++run), {});
        seconds += SecondsSince(start);
    }
    state.counters["pages"] = static_cast<double>(site.pages);
    state.counters["mb"] = static_cast<double>(site.bytes) / (1024 * 1024);
    state.counters["floor_ms"] = floor * 1000;
    state.counters["x_floor"] = seconds / static_cast<double>(state.iterations()) / floor;
    state.counters["rss_mb"] = ResidentMegabytes();
    DisconnectDb();
}
BENCHMARK(BM_Site)->Arg(1)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Site)->Arg(10)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
