// Feeds 64 MiB of mixed tag frames, BST frames, sentences and noise through the three
// unframers in the parser's priority order.
#include "log/BDT_Deserialise.h"
#include "log/N183_Deserialise.h"
#include "support/N2kPayloads.h"
#include "support/ZrlWriter.h"

#include <benchmark/benchmark.h>

#include <random>

namespace {

using namespace ZrlTest;

const Bytes& mixedStream()
{
    static const Bytes stream = [] {
        std::mt19937 random(64);
        ZrlWriter log;
        for (std::uint32_t i = 0; log.size() < (64u << 20); ++i) {
            log.timestamp(fileTimeUtc(2024, 6, 1, 8, 0, 0) + i * 10000000ull);
            log.bstFrame(bst93(2, 127250, 255, 35, i, pgn127250(std::uint8_t(i), 1.0, 0, 0, 1)));
            log.embeddedBst(bst94(3, 129026, 255, pgn129026(std::uint8_t(i), 0, 1.5, 3.2)));
            log.bstFrame(bst95(std::uint16_t(i), CanId{3, 129029, 3}, Bytes(8, std::uint8_t(i))));
            log.sentenceWithChecksum("$GPRMC,080000.00,A,5006.0000,N,00112.0000,W,3.2,1.5,010624,,,A");
            log.noise(random, 8);
        }
        return log.bytes();
    }();
    return stream;
}

void UnframeMixedStream(benchmark::State& state)
{
    const Bytes& stream = mixedStream();
    for (auto _ : state) {
        KelpLib::ZRL_Deserialise zrl;
        KelpLib::BST_Deserialise bst;
        KelpLib::N183_Deserialise n183;
        std::size_t completes = 0;
        for (std::uint8_t b : stream) {
            int s = zrl.feed(b);
            completes += s == 5;
            if (s <= 1) {
                s = bst.feed(b);
                if (s == 5)
                    completes += bst.checksumCheck();
            }
            if (s <= 1)
                completes += n183.feed(b) == 5;
        }
        benchmark::DoNotOptimize(completes);
    }
    state.SetBytesProcessed(std::int64_t(stream.size()) * state.iterations());
}

} // namespace

BENCHMARK(UnframeMixedStream)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
