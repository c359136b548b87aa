// Opening the sample DUZEDO (load into the in-memory engine, indexes) at scale 1 and 10, and
// running each kind of query the program sends once.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "BenchSample.h"
#include "db/Database.h"
#include "duzedo/SampleDuzedo.h"

namespace {

namespace fs = std::filesystem;

void BM_OpenSample(benchmark::State& state) {
    const std::string& path = BenchSamplePath(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(ConnectDb(path));
        DisconnectDb();
    }
}
BENCHMARK(BM_OpenSample)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

std::string FirstValue(const std::string& sql) {
    gRs->open(sql, *gConn);
    std::string value = gRs->eof() ? "" : gRs->fields(0).toString();
    gRs->close();
    return value;
}

// One query of every shape the program sends, with names from the sample.
std::vector<std::string> QueryShapes() {
    const std::string p = SqlQuote(FirstValue("select player from rankings where r=1"));
    const std::string q = SqlQuote(FirstValue("select player from rankings where r=2"));
    const std::string t = SqlQuote(FirstValue("select tournament from tables where p=1"));
    std::vector<std::string> shapes = {
        "select count(*) from tables where player=" + p,
        "select count(*) from tables where player=" + p + " and p=1",
        "select count(*) from scores where [TEAM A]=" + p,
        "select count (*) from scores where a>b and [TEAM A]=" + p,
        "select count (*) from scores where a=b and [TEAM B]=" + p,
        "select count (*) from scores where a<b",
        "select count(*) from scores",
        "select sum(a), sum(b) from scores where [TEAM A]=" + p,
        "select sum (a), sum (b) from scores where ([TEAM A]=" + p + " and [TEAM B]=" + q + ")",
        "select sum(a+b) from scores",
        "select r from rankings where player=" + p,
        "select * from rankings where player=" + p,
        "select player, country from rankings order by player",
        "select distinct country from rankings",
        "select distinct country from [tournament players] order by country",
        "select tournament from [tournament players] order by chrono, tournament",
        "select tournament from [tournament players] where country='WC'",
        "select tournament, player from tables where p=1 order by chrono",
        "select player from rankings where (select count(player) from tables where "
        "player=rankings.player) > 1 order by r desc",
        "select [date],country from [tournament players] where tournament=" + t,
        "select [Cup?] from [tournament players] where tournament =" + t,
        "select * from tables where tournament=" + t,
        "select distinct [TEAM A]  from scores where tournament like 'World Cup I %'",
        "select * from scores where tournament=" + t + " and ([TEAM A]=" + p + " or [TEAM B]=" + p +
            ") order by id",
        "select [TEAM A], [TEAM B], a, b, scores.tournament from scores where [TEAM B] = " + p +
            " order by B - A desc",
        "select  [TEAM A], A, B, scores.TOURNAMENT as tourn from scores left join [tournament "
        "players] on scores.tournament=[tournament players].tournament where [TEAM A]=" +
            p,
        "select tables.p, tables.tournament, [tournament players].players from tables, "
        "[tournament players] where tables.tournament=[tournament players].tournament and "
        "player=" +
            p + " order by [tournament players].chrono",
        "select [TEAM A], [TEAM B], A, B, scores.TOURNAMENT as tourn from scores where ([TEAM "
        "A]=" +
            p + " and [TEAM B]=" + q + ") or ([TEAM A]=" + q + " and [TEAM B]=" + p +
            ") order by scores.id",
        "select distinct tournament from scores where ([TEAM A]=" + p + " and [TEAM B]=" + q +
            ") or ([TEAM A]=" + q + " and [TEAM B]=" + p + ")",
        "SELECT TOP 20 [TEAM A], [TEAM B], A, B, A-B as expr, TOURNAMENT FROM scores ORDER BY "
        "Abs(a-b) DESC;",
        "SELECT TOP 20 [TEAM A], [TEAM B], A, B, A+B as expr, TOURNAMENT FROM scores ORDER BY a+b "
        "DESC;",
        "select * from [World Cup I Tables] where tournament='Group A'",
    };
    return shapes;
}

void BM_EveryQueryShapeOnce(benchmark::State& state) {
    ConnectBenchSample(static_cast<int>(state.range(0)));
    const std::vector<std::string> shapes = QueryShapes();
    for (auto _ : state) {
        for (const std::string& sql : shapes) {
            gRs->open(sql, *gConn);
            benchmark::DoNotOptimize(gRs->eof());
            gRs->close();
        }
    }
    state.counters["queries"] = static_cast<double>(shapes.size());
    DisconnectDb();
}
BENCHMARK(BM_EveryQueryShapeOnce)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

}  // namespace
