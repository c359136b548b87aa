// The sample DUZEDO as a Jet 4 file at scale 1 and 10: opening it (load into the in-memory engine,
// indexes) against exporting every table of it with mdbtools' mdb-export, and writing it.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "db/Connection.h"
#include "duzedo/SampleDuzedo.h"
#include "jetwriter/JetWriter.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

// The sample held in memory, so that writing it is timed alone.
struct Tables : TableSink {
    struct Table {
        std::string name;
        std::vector<ColumnDef> columns;
        std::vector<std::vector<DbValue>> rows;
    };
    std::vector<Table> tables;

    void beginTable(const std::string& name, const std::vector<ColumnDef>& columns) override {
        tables.push_back({name, columns, {}});
    }
    void addRow(const std::vector<DbValue>& row) override { tables.back().rows.push_back(row); }
    void endTable() override {}

    void writeTo(const std::string& path) const {
        JetFileWriter writer(path);
        for (const Table& table : tables) {
            writer.beginTable(table.name, table.columns);
            for (const auto& row : table.rows) writer.addRow(row);
            writer.endTable();
        }
        writer.finish();
    }
};

const Tables& Sample(int scale) {
    static std::map<int, Tables> samples;
    Tables& tables = samples[scale];
    if (tables.tables.empty()) WriteSampleDuzedo({.seed = 1, .scale = scale}, tables);
    return tables;
}

fs::path BenchDir() {
    const fs::path dir = fs::temp_directory_path() / "vpa-bench";
    fs::create_directories(dir);
    return dir;
}

const std::string& SamplePath(int scale) {
    static std::map<int, std::string> paths;
    std::string& path = paths[scale];
    if (path.empty()) {
        path = (BenchDir() / ("duzedo-" + std::to_string(scale) + "-jet4.mdb")).string();
        Sample(scale).writeTo(path);
    }
    return path;
}

// Runs mdb-export on one table with its output thrown away; false when it cannot be run.
bool ExportTable(const std::string& path, const std::string& table) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    std::vector<std::string> words{"mdb-export", path, table};
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int rc = posix_spawnp(&pid, "mdb-export", &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    return rc == 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

void BM_OpenAccessSample(benchmark::State& state) {
    const std::string& path = SamplePath(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        Connection conn;
        conn.open(path, path);
        benchmark::DoNotOptimize(conn.handle());
    }
}
BENCHMARK(BM_OpenAccessSample)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

void BM_MdbExportAccessSample(benchmark::State& state) {
    const std::string& path = SamplePath(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        for (const auto& table : Sample(static_cast<int>(state.range(0))).tables) {
            if (!ExportTable(path, table.name)) {
                state.SkipWithError("mdb-export is not installed or failed");
                return;
            }
        }
    }
}
BENCHMARK(BM_MdbExportAccessSample)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

void BM_WriteAccessSample(benchmark::State& state) {
    const Tables& tables = Sample(static_cast<int>(state.range(0)));
    const std::string path = (BenchDir() / "written.mdb").string();
    for (auto _ : state) tables.writeTo(path);
    std::size_t rows = 0;
    for (const auto& table : tables.tables) rows += table.rows.size();
    state.counters["rows/s"] = benchmark::Counter(static_cast<double>(rows),
                                                  benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_WriteAccessSample)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

}  // namespace
