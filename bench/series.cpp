// Builds series and the track from the loaded 256 MiB log of bench_load: the values of one
// field of one PGN and source across about ten million elements, reading only the field's bits.
#include "analysis/SeriesExtraction.h"
#include "analysis/TrackExtraction.h"
#include "log/ZRLDoc.h"
#include "support/GeneratedLog.h"

#include <benchmark/benchmark.h>

namespace {

const KelpLib::ZRLDoc& loadedLog()
{
    static KelpLib::ZRLDoc document;
    if (document.elementCount() == 0)
        document.open(ZrlTest::busyNetworkLog());
    return document;
}

void series(benchmark::State& state, std::uint32_t pgn, const char* field, std::optional<std::uint8_t> source)
{
    const KelpLib::ZRLDoc& document = loadedLog();
    ZrlAnalysis::SeriesSpec spec;
    spec.pgn = pgn;
    spec.field = field;
    spec.source = source;
    const auto extractor = std::get<ZrlAnalysis::SeriesExtractor>(ZrlAnalysis::SeriesExtractor::make(spec));
    std::vector<ZrlAnalysis::SeriesPoint> points;
    for (auto _ : state) {
        extractor.collect(document, points);
        benchmark::DoNotOptimize(points.data());
    }
    state.counters["elements"] = double(document.elementCount());
    state.counters["points"] = double(points.size());
    state.counters["elements/s"] =
        benchmark::Counter(double(document.elementCount()), benchmark::Counter::kIsIterationInvariantRate);
}

void SeriesHeading(benchmark::State& state) { series(state, 127250, "Heading Sensor Reading", 35); }
void SeriesLatitude(benchmark::State& state) { series(state, 129025, "Latitude", std::nullopt); }

void Track(benchmark::State& state)
{
    const KelpLib::ZRLDoc& document = loadedLog();
    std::vector<ZrlAnalysis::TrackPoint> points;
    for (auto _ : state) {
        ZrlAnalysis::extractTrack(document, points);
        benchmark::DoNotOptimize(points.data());
    }
    state.counters["points"] = double(points.size());
}

} // namespace

BENCHMARK(SeriesHeading)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(SeriesLatitude)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(Track)->Unit(benchmark::kMillisecond)->Iterations(3);

BENCHMARK_MAIN();
