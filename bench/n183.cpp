// Cost of making an NMEA 0183 message's parse and field list, and of rendering its fields.
#include "messages/N183ParsedSentence.h"
#include "n183/CN183Lib.h"
#include "support/N183Text.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

const char* const kRmc = "$GPRMC,094512.00,A,5231.1245,N,00452.6789,E,5.4,231.0,200818,1.3,E,A*3A";

void ParseAndLayOut(benchmark::State& state) {
    const auto record = ZrlTest::n183Record(kRmc);
    for (auto _ : state) {
        KelpLib::N183ParsedSentence sentence(record);
        benchmark::DoNotOptimize(sentence.fieldInfos().data());
    }
}
BENCHMARK(ParseAndLayOut);

void RenderAllFields(benchmark::State& state) {
    const KelpLib::N183ParsedSentence sentence(ZrlTest::n183Record(kRmc));
    for (auto _ : state)
        for (const auto& info : sentence.fieldInfos())
            benchmark::DoNotOptimize(info.valueText());
}
BENCHMARK(RenderAllFields);

void Lookup(benchmark::State& state) {
    const std::uint32_t key = StandardsLib::n183FormatterKey("VTG");
    for (auto _ : state)
        benchmark::DoNotOptimize(StandardsLib::findN183Sentence(key));
}
BENCHMARK(Lookup);

} // namespace

BENCHMARK_MAIN();
