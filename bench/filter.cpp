// Evaluates display filters over every element of the loaded 256 MiB generated log, as
// applying a filter to the list does: header-only terms, one decoded field, a time range.
#include "log/ZRLDoc.h"
#include "query/DisplayFilter.h"
#include "support/GeneratedLog.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

const KelpLib::ZRLDoc& loadedLog()
{
    static const auto document = [] {
        auto loaded = std::make_unique<KelpLib::ZRLDoc>();
        loaded->open(ZrlTest::busyNetworkLog());
        return loaded;
    }();
    return *document;
}

void ApplyFilter(benchmark::State& state, const char* text)
{
    const KelpLib::ZRLDoc& document = loadedLog();
    const auto filter = std::get<std::shared_ptr<const KelpLib::DisplayFilter>>(KelpLib::DisplayFilter::compile(text));
    std::size_t kept = 0;
    for (auto _ : state) {
        kept = 0;
        for (std::size_t line = 0; line < document.elementCount(); ++line)
            kept += filter->keeps(document, line);
        benchmark::DoNotOptimize(kept);
    }
    state.counters["elements"] = double(document.elementCount());
    state.counters["kept"] = double(kept);
    state.counters["elements/s"] =
        benchmark::Counter(double(document.elementCount()), benchmark::Counter::kIsIterationInvariantRate);
}

} // namespace

BENCHMARK_CAPTURE(ApplyFilter, header, "pgn == 130306 && src == 40")->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(ApplyFilter, time, "time >= 08:30:00 && time < 09:00:00")->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(ApplyFilter, decoded, "\"Wind Speed\" > 5")->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(ApplyFilter, decodedShared, "\"Speed\" >= 1800")->Unit(benchmark::kMillisecond)->Iterations(3);

BENCHMARK_MAIN();
