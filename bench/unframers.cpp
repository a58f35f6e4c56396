// Throughput of the three stream unframers over a 64 MiB log of mixed content, fed byte by byte
// in the parser's order: the ZRL tag unframer first, the BST unframer only for bytes the first
// left idle, and the NMEA 0183 unframer only for bytes both left idle.
#include "log/BDT_Deserialise.h"
#include "log/N183_Deserialise.h"
#include "support/ZrlWriter.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>

namespace {

using ZrlTest::Bytes;

constexpr std::size_t streamSize = std::size_t(64) << 20;

// Tag frames, BST frames (some with bad checksums, some with escaped DLE bytes), sentences and
// noise, in a seeded random order so that every run measures the same bytes.
const Bytes& mixedStream()
{
    static const Bytes bytes = [] {
        std::mt19937 random(2026);
        ZrlTest::ZrlWriter stream;
        const Bytes payload = {0x01, 0x10, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77};
        while (stream.size() < streamSize) {
            switch (random() % 6) {
            case 0: stream.timestamp(std::uint64_t(random()) << 20); break;
            case 1: stream.bstFrame(ZrlTest::bst93(2, 127250, 255, 35, random(), payload), random() % 8 != 0); break;
            case 2: stream.embeddedBst(ZrlTest::bst95(std::uint16_t(random()), {2, 130306, 7}, payload)); break;
            case 3: stream.sentenceWithChecksum("$GPRMC,094512.00,A,5231.1245,N,00452.6789,E,5.4,231.0,200818,1.3,E,A"); break;
            case 4: stream.sentence("!AIVDM,1,1,,A,13aG?P0P00PD;88MD5MTDww@2<0L,0*23"); break;
            default: stream.noise(random, 1 + random() % 48); break;
            }
        }
        Bytes all = stream.bytes();
        all.resize(streamSize);
        return all;
    }();
    return bytes;
}

void UnframersInParserOrder(benchmark::State& state)
{
    const Bytes& bytes = mixedStream();
    KelpLib::ZRL_Deserialise zrl;
    KelpLib::BST_Deserialise bst;
    KelpLib::N183_Deserialise n183;
    for (auto _ : state) {
        std::uint64_t delivered = 0;
        for (std::uint8_t b : bytes) {
            int last = zrl.feed(b);
            if (last > KelpLib::UnframerEscapedEscape) {
                delivered += last == KelpLib::UnframerComplete;
                continue;
            }
            last = bst.feed(b);
            if (last > KelpLib::UnframerEscapedEscape) {
                if (last == KelpLib::UnframerComplete)
                    delivered += bst.checksumCheck();
                continue;
            }
            last = n183.feed(b);
            delivered += last >= KelpLib::SentenceComplete && last <= KelpLib::SentenceBadCharacter;
        }
        benchmark::DoNotOptimize(delivered);
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(bytes.size()));
}
BENCHMARK(UnframersInParserOrder)->Unit(benchmark::kMillisecond);

// Each unframer alone over the same bytes: where the time of the combined pass goes.
template <typename Unframer>
void OneUnframer(benchmark::State& state)
{
    const Bytes& bytes = mixedStream();
    Unframer unframer;
    for (auto _ : state) {
        std::uint64_t sum = 0;
        for (std::uint8_t b : bytes)
            sum += unframer.feed(b);
        benchmark::DoNotOptimize(sum);
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(bytes.size()));
}
BENCHMARK_TEMPLATE(OneUnframer, KelpLib::ZRL_Deserialise)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(OneUnframer, KelpLib::BST_Deserialise)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(OneUnframer, KelpLib::N183_Deserialise)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
