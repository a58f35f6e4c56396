// The devices, statistics and bus-load tables of the generated 256 MiB log of a busy network
// (support/GeneratedLog.h, the log the load and filter benchmarks share), built by one pass over the loaded
// document.
#include "analysis/NetworkTables.h"
#include "log/ZRLDoc.h"
#include "support/GeneratedLog.h"

#include <benchmark/benchmark.h>

namespace {

void NetworkTablesOfGeneratedLog(benchmark::State& state)
{
    KelpLib::ZRLDoc document;
    document.open(ZrlTest::busyNetworkLog());
    std::size_t rows = 0;
    for (auto _ : state) {
        const ZrlAnalysis::NetworkTables tables = ZrlAnalysis::analyseNetwork(document);
        rows = tables.statistics.size();
        benchmark::DoNotOptimize(rows);
    }
    const double elements = double(document.elementCount());
    state.counters["elements"] = elements;
    state.counters["elements/s"] = benchmark::Counter(elements, benchmark::Counter::kIsIterationInvariantRate);
    state.counters["statisticsRows"] = double(rows);
}

} // namespace

BENCHMARK(NetworkTablesOfGeneratedLog)->Unit(benchmark::kMillisecond)->Iterations(5);

BENCHMARK_MAIN();
