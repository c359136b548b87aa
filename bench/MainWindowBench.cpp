// The main window's one-time fill of its grids, lists and combo boxes, and a frame switch without
// the slide, at scale 1 and 10.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <map>
#include <string>

#include "BenchSample.h"
#include "core/Settings.h"
#include "db/Database.h"
#include "db/DbFile.h"
#include "duzedo/SampleDuzedo.h"
#include "shell/frmMain.h"

namespace {

namespace fs = std::filesystem;

void BM_InitControls(benchmark::State& state) {
    ConnectBenchSample(static_cast<int>(state.range(0)));
    SetOptionDefaults();
    for (auto _ : state) {
        state.PauseTiming();
        frmMain window;
        state.ResumeTiming();
        window.InitControls();
    }
    DisconnectDb();
}
BENCHMARK(BM_InitControls)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

void BM_FrameSwitchWithoutAnimation(benchmark::State& state) {
    ConnectBenchSample(static_cast<int>(state.range(0)));
    SetOptionDefaults();
    gOptFrameAnimation = 0;
    frmMain window;
    window.Load();
    window.resize(800, 600);
    window.show();
    int frame = 0;
    for (auto _ : state) {
        // Frames without a database action on entry, so the switch itself is measured.
        frame = frame == 1 ? 3 : 1;
        window.BarClick(frame);
    }
    DisconnectDb();
}
BENCHMARK(BM_FrameSwitchWithoutAnimation)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

}  // namespace
