// Throughput of the two CRC-32 accumulators over a 64 MiB buffer (the size class of an
// enciphered device file checked by MemFile, and of a large log).
#include "common/CRC32.h"
#include "common/CRC32STM32.h"

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

namespace {

constexpr std::size_t bufferSize = 64u << 20;

const std::vector<std::uint8_t>& sampleBytes()
{
    static const std::vector<std::uint8_t> bytes = [] {
        std::vector<std::uint8_t> filled(bufferSize);
        std::mt19937 generator(2026);
        for (auto& b : filled)
            b = static_cast<std::uint8_t>(generator());
        return filled;
    }();
    return bytes;
}

template <class Crc>
void crcOver64MiB(benchmark::State& state)
{
    const auto& bytes = sampleBytes();
    KelpLib::ByteBuffer buffer;
    KelpLib::wrap(buffer, bytes.data(), static_cast<std::int64_t>(bytes.size()));
    for (auto _ : state) {
        Crc crc;
        benchmark::DoNotOptimize(crc.update(buffer));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(bytes.size()));
}

} // namespace

BENCHMARK_TEMPLATE(crcOver64MiB, CommonLib::CRC32)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(crcOver64MiB, DeviceLib::CRC32STM32)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
