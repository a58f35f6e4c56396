// Decodes and renders every field of NMEA 2000 messages drawn from a realistic mix of PGNs,
// as the decoded export does for each message: the field walk, then value and unit texts.
#include "n2k/LibN2K.h"
#include "n2k/N2KFieldWalk.h"
#include "support/N2kPayloads.h"

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

namespace {

using namespace ZrlTest;

struct Sample {
    std::uint32_t pgn;
    Bytes bytes;
};

// A mix weighted the way a navigation network's traffic is: rapid position, heading and
// course updates dominate; GNSS fixes, depth, wind, engine and time follow.
const std::vector<Sample>& samples()
{
    static const std::vector<Sample> mix = [] {
        std::vector<Sample> out;
        std::mt19937 random(2000);
        std::uniform_real_distribution<double> unit(0.0, 1.0);
        for (int i = 0; i < 256; ++i) {
            const double u = unit(random);
            out.push_back({129025, pgn129025(-33.8 - u, 151.2 + u)});
            out.push_back({127250, pgn127250(std::uint8_t(i), 6.0 * u, 0.01, -0.02, 1)});
            out.push_back({129026, pgn129026(std::uint8_t(i), 0, 3.0 * u, 5.0 * u)});
            out.push_back({130306, pgn130306(std::uint8_t(i), 12.0 * u, 3.0 * u, 2)});
            out.push_back({127488, pgn127488(0, 1500 + 100 * u, 150000, 0)});
            if (i % 4 == 0) {
                out.push_back({129029, pgn129029(1, 19723, 3600 * u, -33.8, 151.2, 12.5, 0, 2, 9, 0.9, 1.6, 22.1)});
                out.push_back({128267, pgn128267(std::uint8_t(i), 12.0 * u, -0.5, 50)});
                out.push_back({126992, pgn126992(std::uint8_t(i), 0, 19723, 3600 * u)});
            }
        }
        std::shuffle(out.begin(), out.end(), random);
        return out;
    }();
    return mix;
}

void DecodeAndRenderMessages(benchmark::State& state)
{
    const auto& mix = samples();
    std::vector<StandardsLib::N2KFieldInfo> fields;
    std::size_t index = 0;
    std::size_t characters = 0;
    for (auto _ : state) {
        const Sample& sample = mix[index++ % mix.size()];
        const StandardsLib::N2KPayload payload{sample.pgn, static_cast<std::uint32_t>(sample.bytes.size()),
                                               sample.bytes.data()};
        StandardsLib::buildFieldList(payload, StandardsLib::theLibN2K().findPgn(sample.pgn), fields);
        for (const auto& field : fields) {
            characters += field.valueText(false).size();
            characters += field.unitsText(false).size();
        }
    }
    benchmark::DoNotOptimize(characters);
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}
BENCHMARK(DecodeAndRenderMessages)->Iterations(1000000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
