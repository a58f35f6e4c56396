// The summary pass (every NMEA 2000 message counted by the definition that decodes it) and the
// shown list's build over a generated 64 MiB log that carries one proprietary PGN in three
// definitions: with every definition shown, with one PGN hidden (each element answers by its
// PGN) and with one maker's definition hidden (its PGN's messages then look theirs up).
#include "filter/ShownList.h"
#include "log/PgnSummary.h"
#include "log/ZRLDoc.h"
#include "support/GeneratedLog.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

const KelpLib::ZRLDoc& loadedLog()
{
    static const auto document = [] {
        auto loaded = std::make_unique<KelpLib::ZRLDoc>();
        loaded->open(ZrlTest::makersNetworkLog());
        return loaded;
    }();
    return *document;
}

void Summary(benchmark::State& state)
{
    const KelpLib::ZRLDoc& document = loadedLog();
    std::size_t entries = 0;
    for (auto _ : state) {
        entries = KelpLib::pgnSummary(document).size();
        benchmark::DoNotOptimize(entries);
    }
    state.counters["entries"] = double(entries);
    state.counters["elements/s"] =
        benchmark::Counter(double(document.elementCount()), benchmark::Counter::kIsIterationInvariantRate);
}

enum class Hidden { nothing, pgn, definition };

void ShownListBuild(benchmark::State& state, Hidden hidden)
{
    const KelpLib::ZRLDoc& document = loadedLog();
    KelpLib::ShownList shown(document);
    shown.setViewSettings(KelpLib::ViewSettings(0));
    shown.rebuild();
    KelpLib::ZRLDocFilters::DefinitionKey key;
    if (hidden == Hidden::pgn)
        shown.filters().togglePgn(127250);
    for (std::uint32_t row = 0; hidden == Hidden::definition && shown.filters().knownDefinitionAt(row, key) == 0; ++row)
        if (key.pgn == 130820) {
            shown.filters().toggleDefinition(key);
            break;
        }
    for (auto _ : state) {
        shown.rebuild();
        benchmark::DoNotOptimize(shown.size());
    }
    state.counters["shown"] = double(shown.size());
    state.counters["elements/s"] =
        benchmark::Counter(double(document.elementCount()), benchmark::Counter::kIsIterationInvariantRate);
}

} // namespace

BENCHMARK(Summary)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK_CAPTURE(ShownListBuild, everyDefinition, Hidden::nothing)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK_CAPTURE(ShownListBuild, onePgnHidden, Hidden::pgn)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK_CAPTURE(ShownListBuild, oneDefinitionHidden, Hidden::definition)->Unit(benchmark::kMillisecond)->Iterations(5);

BENCHMARK_MAIN();
