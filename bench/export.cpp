// The decoded CSV export of a generated 100 MiB log dominated by NMEA 2000 traffic: the log is
// loaded once, then every iteration writes the decoded file of all its PGNs. Reports messages
// and megabytes of CSV written per second of CPU time.
#include "common/NullLogger.h"
#include "export/DocumentExport.h"
#include "log/ZRLDoc.h"
#include "log/ZRLElement.h"
#include "messages/N2KMsg.h"
#include "support/GeneratedLog.h"
#include "support/N2kPayloads.h"
#include "support/ZrlWriter.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <random>

namespace {

using namespace ZrlTest;

constexpr std::size_t targetSize = 100u << 20;

// One second of a navigation network: rapid position, heading, course and engine updates at
// 10 Hz, wind at 4 Hz, depth and time at 1 Hz, a GNSS fix as a fast packet (its CAN frames and
// the message assembled from them), product information once a minute, a few sentences.
void appendSecond(ZrlWriter& log, std::mt19937& random, std::uint32_t second)
{
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    log.timestamp(fileTimeUtc(2024, 6, 1, 8, 0, 0) + std::uint64_t(second) * 10000000u);
    const std::uint32_t ms = second * 1000;
    for (std::uint32_t i = 0; i < 10; ++i) {
        const auto sid = static_cast<std::uint8_t>(second * 10 + i);
        const double u = unit(random);
        log.bstFrame(bst93(2, 129025, 255, 3, ms + i, pgn129025(50.1 + u * 1e-3, -1.2 - u * 1e-3)));
        log.bstFrame(bst93(2, 127250, 255, 35, ms + i, pgn127250(sid, 1.0 + u * 0.1, 0.001, 0.05, 1)));
        log.embeddedBst(bst94(2, 129026, 255, pgn129026(sid, 0, 1.5 + u * 0.1, 3.2 + u)));
        log.bstFrame(bst93(2, 127488, 255, 0, ms + i, pgn127488(0, 1800 + 50 * u, 100000, 0)));
        if (i < 4)
            log.bstFrame(bst93(6, 130306, 255, 40, ms + i, pgn130306(sid, 5.5 + u, 0.7 + u * 0.1, 2)));
    }
    const auto sid = static_cast<std::uint8_t>(second);
    log.bstFrame(bst93(6, 128267, 255, 36, ms, pgn128267(sid, 12.0 + unit(random), -0.5, 50)));
    log.bstFrame(bst93(3, 126992, 255, 3, ms, pgn126992(sid, 0, 19875, 28800.0 + second)));
    const auto frames = fastPacketFrames(static_cast<std::uint8_t>(second & 7),
                                         pgn129029(sid, 19875, 28800.0 + second, 50.1, -1.2, 12.5, 0, 1, 9, 0.9, 1.6, 47.0));
    auto deviceTime = static_cast<std::uint16_t>(ms);
    for (const auto& frame : frames)
        log.bstFrame(bst95(deviceTime++, CanId{3, 129029, 3}, frame));
    if (second % 60 == 0)
        log.bstFrame(bst93(6, 126996, 255, 35, ms,
                           pgn126996(2100, 1234, "Chart plotter", "1.2.3", "Rev B", "SN-0042", 1, 2)));
    log.sentenceWithChecksum("$GPGGA,080000.00,5006.0000,N,00112.0000,W,1,08,0.9,12.5,M,47.0,M,,");
    log.sentenceWithChecksum("$IIMWV,045.0,R,10.5,N,A");
}

std::string generatedLog() { return cachedGeneratedLog("bench-export-100MiB.zrl", targetSize, appendSecond); }

const KelpLib::ZRLDoc& loadedLog()
{
    static const std::unique_ptr<KelpLib::ZRLDoc> document = [] {
        auto loaded = std::make_unique<KelpLib::ZRLDoc>();
        loaded->open(generatedLog());
        return loaded;
    }();
    return *document;
}

void ExportDecodedCsv(benchmark::State& state)
{
    const KelpLib::ZRLDoc& document = loadedLog();
    const std::vector<std::uint32_t> pgns(document.pgnsMet().begin(), document.pgnsMet().end());
    CommonLib::NullLogger logger;
    std::size_t messages = 0;
    for (std::size_t i = 0; i < document.elementCount(); ++i) {
        KelpLib::N2KMsg message;
        messages += document.element(KelpLib::ElementLine(i)).n2kMessage(message);
    }
    const std::string out = std::string(ZRL_BINARY_DIR) + "/bench-export.csv";
    const std::string written = std::string(ZRL_BINARY_DIR) + "/bench-export.n2kdecoded.csv";
    for (auto _ : state)
        KelpLib::exportDecodedCsv(document, logger, out, pgns);
    const double csvBytes = double(std::filesystem::file_size(written));
    std::filesystem::remove(written);
    state.counters["messages"] = double(messages);
    state.counters["messages/s"] = benchmark::Counter(double(messages), benchmark::Counter::kIsIterationInvariantRate);
    state.counters["CSV MB/s"] = benchmark::Counter(csvBytes / 1e6, benchmark::Counter::kIsIterationInvariantRate);
    state.counters["CSV MB"] = csvBytes / 1e6;
}

} // namespace

BENCHMARK(ExportDecodedCsv)->Unit(benchmark::kMillisecond)->Iterations(2);

BENCHMARK_MAIN();
