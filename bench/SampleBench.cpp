// Generating the sample DUZEDO's tables (no file written) at scales 1 to 400: the time should grow
// about as the scale does (the shuffles of the active players for every tournament keep it a
// little above), not as its square.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <string>
#include <vector>

#include "duzedo/SampleDuzedo.h"

namespace {

class CountingSink : public TableSink {
  public:
    void beginTable(const std::string&, const std::vector<ColumnDef>&) override {}
    void addRow(const std::vector<DbValue>&) override { ++rows; }
    void endTable() override {}
    std::size_t rows = 0;
};

void BM_GenerateSample(benchmark::State& state) {
    const int scale = static_cast<int>(state.range(0));
    std::size_t rows = 0;
    for (auto _ : state) {
        CountingSink sink;
        WriteSampleDuzedo({.seed = 3, .scale = scale}, sink);
        rows = sink.rows;
    }
    state.counters["rows"] = static_cast<double>(rows);
    state.counters["per_scale"] = benchmark::Counter(
        static_cast<double>(scale),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_GenerateSample)
    ->Arg(1)
    ->Arg(10)
    ->Arg(100)
    ->Arg(400)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime();

}  // namespace
