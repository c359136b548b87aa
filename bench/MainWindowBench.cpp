// The main window's one-time fill of its grids, lists and combo boxes, and a frame switch without
// the slide, at scale 1 and 10.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <map>
#include <string>

#include "app/Settings.h"
#include "db/Common.h"
#include "db/DbFile.h"
#include "duzedo/SampleDuzedo.h"
#include "ui/main/frmMain.h"

namespace {

namespace fs = std::filesystem;

void ConnectSample(int scale) {
    static std::map<int, std::string> paths;
    std::string& path = paths[scale];
    if (path.empty()) {
        const fs::path dir = fs::temp_directory_path() / "vpa-bench";
        fs::create_directories(dir);
        path = (dir / ("window-" + std::to_string(scale) + ".sqlite")).string();
        SqliteFileWriter writer(path);
        WriteSampleDuzedo({.seed = 1, .scale = scale}, writer);
        writer.finish();
    }
    gDbPath = path;
    if (!ConnectDb()) throw DbError("The sample could not be opened");
}

void BM_InitControls(benchmark::State& state) {
    ConnectSample(static_cast<int>(state.range(0)));
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
    ConnectSample(static_cast<int>(state.range(0)));
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
