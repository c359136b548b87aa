// Opening the sample DUZEDO at scales 1 to 400, each file kind timed side by side with a
// reference: the same tables and rows copied into an in-memory SQLite database by the engine
// itself (INSERT ... SELECT from the attached file, no row leaving the engine), text columns with
// the engine's built-in NOCASE collation, and the same indexes the program builds. The reference
// runs no ANALYZE, which the program does, so it is the stricter yardstick.
//
// Every iteration times one reference copy and one opening, one right after the other, so the
// ratio compares the two under the same load of a shared machine. Counters: ref_ms and open_ms
// (means on the clock), ratio (mean over mean), best_ratio (best opening over best reference),
// ref_cpu_ms, open_cpu_ms and cpu_ratio (processor time, the reader process's included).
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <limits>
#include <map>
#include <string>
#include <vector>

#include "BenchSample.h"
#include "db/Connection.h"
#include "db/DbFile.h"
#include "db/SqliteUtil.h"
#include "jetwriter/JetWriter.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

enum FileKind { kSqliteFile = 0, kAccessFile = 1 };

// The SQLite sample written again as a Jet 4 file, rows in the same order.
const std::string& AccessSamplePath(int scale) {
    static std::map<int, std::string> paths;
    std::string& path = paths[scale];
    if (path.empty()) {
        const std::string& sqlite = BenchSamplePath(scale);
        const std::string mdb = fs::path(sqlite).replace_extension(".mdb").string();
        JetFileWriter writer(mdb);
        ReadSqliteFile(sqlite, writer);
        writer.finish();
        path = mdb;
    }
    return path;
}

// The CREATE INDEX statements of the program's own engine after opening path.
std::vector<std::string> ProgramIndexes(const std::string& path) {
    Connection conn;
    conn.open(path, path);
    std::vector<std::string> sql;
    Statement stmt = Prepare(conn.handle(),
                             "SELECT sql FROM sqlite_master WHERE type='index' AND sql IS NOT NULL "
                             "ORDER BY rowid");
    while (sqlite3_step(stmt.get()) == SQLITE_ROW) {
        sql.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(stmt.get(), 0)));
    }
    return sql;
}

std::string NocaseCreate(sqlite3* db, const std::string& table) {
    std::string create = "CREATE TABLE main." + QuoteIdentifier(table) + " (";
    Statement info = Prepare(db, "PRAGMA src.table_info(" + QuoteIdentifier(table) + ")");
    bool first = true;
    while (sqlite3_step(info.get()) == SQLITE_ROW) {
        const std::string name = reinterpret_cast<const char*>(sqlite3_column_text(info.get(), 1));
        const std::string type = reinterpret_cast<const char*>(sqlite3_column_text(info.get(), 2));
        create += (first ? "" : ", ") + QuoteIdentifier(name) + " " + type;
        if (ColumnTypeFromDeclared(type) == ColumnType::Text) create += " COLLATE NOCASE";
        first = false;
    }
    return create + ")";
}

// The engine copying the file's tables into memory by itself, then the program's indexes.
void ReferenceCopy(const std::string& sqlitePath, const std::vector<std::string>& indexes) {
    sqlite3* raw = nullptr;
    sqlite3_open_v2(":memory:", &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_URI, nullptr);
    const SqliteDb db(raw);
    Execute(db.get(), "ATTACH '" + ("file:" + sqlitePath + "?mode=ro") + "' AS src");
    Execute(db.get(), "PRAGMA journal_mode=OFF");
    Execute(db.get(), "BEGIN");
    std::vector<std::string> tables;
    {
        Statement names = Prepare(db.get(),
                                  "SELECT name FROM src.sqlite_master WHERE type='table' ORDER BY "
                                  "rowid");
        while (sqlite3_step(names.get()) == SQLITE_ROW) {
            tables.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(names.get(), 0)));
        }
    }
    for (const std::string& table : tables) {
        Execute(db.get(), NocaseCreate(db.get(), table));
        Execute(db.get(), "INSERT INTO main." + QuoteIdentifier(table) + " SELECT * FROM src." +
                              QuoteIdentifier(table));
    }
    Execute(db.get(), "COMMIT");
    for (const std::string& sql : indexes) Execute(db.get(), sql);
}

double Seconds(Clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

double CpuSeconds(int who) {
    rusage usage{};
    getrusage(who, &usage);
    const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Processor time of this process and of the children it has reaped (the reader of an Access
// file): on a shared machine it varies far less with the load than the time on the clock.
double ProcessorSeconds() {
    return CpuSeconds(RUSAGE_SELF) + CpuSeconds(RUSAGE_CHILDREN);
}

struct Tally {
    double total = 0;
    double best = std::numeric_limits<double>::max();
    void add(double v) { total += v, best = std::min(best, v); }
};

void BM_OpenAgainstReference(benchmark::State& state) {
    const auto kind = static_cast<FileKind>(state.range(0));
    const int scale = static_cast<int>(state.range(1));
    const std::string& sqlite = BenchSamplePath(scale);
    const std::string& opened = kind == kSqliteFile ? sqlite : AccessSamplePath(scale);
    const std::vector<std::string> indexes = ProgramIndexes(opened);
    Tally ref, open, refCpu, openCpu;
    for (auto _ : state) {
        const auto start = Clock::now();
        const double startCpu = ProcessorSeconds();
        ReferenceCopy(sqlite, indexes);
        const auto middle = Clock::now();
        const double middleCpu = ProcessorSeconds();
        {
            Connection conn;
            conn.open(opened, opened);
        }
        const auto end = Clock::now();
        const double endCpu = ProcessorSeconds();
        state.SetIterationTime(Seconds(end - middle));
        ref.add(Seconds(middle - start));
        open.add(Seconds(end - middle));
        refCpu.add(middleCpu - startCpu);
        openCpu.add(endCpu - middleCpu);
    }
    const auto n = static_cast<double>(state.iterations());
    state.counters["ref_ms"] = 1000 * ref.total / n;
    state.counters["open_ms"] = 1000 * open.total / n;
    state.counters["ratio"] = open.total / ref.total;
    state.counters["best_ratio"] = open.best / ref.best;
    state.counters["ref_cpu_ms"] = 1000 * refCpu.total / n;
    state.counters["open_cpu_ms"] = 1000 * openCpu.total / n;
    state.counters["cpu_ratio"] = openCpu.total / refCpu.total;
    state.SetLabel(kind == kSqliteFile ? "sqlite" : "mdb");
}
BENCHMARK(BM_OpenAgainstReference)
    ->ArgsProduct({{kSqliteFile, kAccessFile}, {1, 10, 100, 400}})
    ->ArgNames({"mdb", "scale"})
    ->UseManualTime()
    ->MinTime(3.0)
    ->Unit(benchmark::kMillisecond);

}  // namespace
