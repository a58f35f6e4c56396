// Loads a generated 256 MiB log as the viewer does (ZRLDoc::open, then the shown list's build)
// and reports the throughput, the element rate and the peak resident memory relative to the
// file size.
#include "filter/ShownList.h"
#include "log/ZRLDoc.h"
#include "support/GeneratedLog.h"

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <filesystem>

namespace {

using namespace ZrlTest;

double peakResidentBytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) * 1024.0;
}

void LoadGeneratedLog(benchmark::State& state)
{
    const std::string path = busyNetworkLog();
    const double fileSize = double(std::filesystem::file_size(path));
    std::size_t elements = 0;
    for (auto _ : state) {
        KelpLib::ZRLDoc document;
        document.open(path);
        KelpLib::ShownList shown(document);
        shown.rebuild();
        elements = document.elementCount();
        benchmark::DoNotOptimize(shown.size());
        benchmark::DoNotOptimize(elements);
    }
    state.SetBytesProcessed(std::int64_t(fileSize) * state.iterations());
    state.counters["elements"] = double(elements);
    state.counters["elements/s"] = benchmark::Counter(double(elements), benchmark::Counter::kIsIterationInvariantRate);
    state.counters["peakRSS/file"] = peakResidentBytes() / fileSize;
}

} // namespace

BENCHMARK(LoadGeneratedLog)->Unit(benchmark::kMillisecond)->Iterations(2);

BENCHMARK_MAIN();
