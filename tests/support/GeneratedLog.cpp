#include "support/GeneratedLog.h"
#include "support/N2kPayloads.h"

#include <filesystem>
#include <fstream>

namespace ZrlTest {

std::string cachedGeneratedLog(const std::string& name, std::size_t size, const SecondOfTraffic& appendSecond)
{
    const std::string path = std::string(ZRL_BINARY_DIR) + "/" + name;
    if (std::filesystem::exists(path) && std::filesystem::file_size(path) >= size)
        return path;
    std::mt19937 random(20240601);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    std::size_t written = 0;
    for (std::uint32_t second = 0; written < size; ++second) {
        ZrlWriter log;
        appendSecond(log, random, second);
        out.write(reinterpret_cast<const char*>(log.bytes().data()), static_cast<std::streamsize>(log.size()));
        written += log.size();
    }
    return path;
}

void appendBusySecond(ZrlWriter& log, std::mt19937& random, std::uint32_t second)
{
    log.timestamp(fileTimeUtc(2024, 6, 1, 8, 0, 0) + std::uint64_t(second) * 10000000u);
    for (int i = 0; i < 20; ++i) {
        const std::uint8_t sid = static_cast<std::uint8_t>(second + i);
        log.bstFrame(bst93(2, 127250, 255, 35, second * 1000 + i, pgn127250(sid, 1.0 + i * 0.01, 0, 0.05, 1)));
        log.bstFrame(bst93(2, 129025, 255, 3, second * 1000 + i, pgn129025(50.1 + i * 1e-5, -1.2)));
        log.embeddedBst(bst94(3, 129026, 255, pgn129026(sid, 0, 1.5, 3.2)));
        log.bstFrame(bst93(6, 130306, 255, 40, second * 1000 + i, pgn130306(sid, 5.5, 0.7, 2)));
        log.bstFrame(bst93(2, 127488, 255, 0, second * 1000 + i, pgn127488(0, 1800, 100000, 0)));
    }
    const auto frames = fastPacketFrames(static_cast<std::uint8_t>(second & 7),
                                         pgn129029(1, 19875, 28800.0 + second, 50.1, -1.2, 12.5, 0, 1, 9, 0.9, 1.6, 47.0));
    std::uint16_t deviceTime = static_cast<std::uint16_t>(second * 1000);
    for (const auto& frame : frames)
        log.bstFrame(bst95(deviceTime++, CanId{3, 129029, 3}, frame));
    log.sentenceWithChecksum("$GPGGA,080000.00,5006.0000,N,00112.0000,W,1,08,0.9,12.5,M,47.0,M,,");
    log.sentenceWithChecksum("$GPRMC,080000.00,A,5006.0000,N,00112.0000,W,3.2,1.5,010624,,,A");
    log.sentenceWithChecksum("$IIMWV,045.0,R,10.5,N,A");
    log.noise(random, 16);
}

std::string busyNetworkLog() { return cachedGeneratedLog("bench-load-256MiB.zrl", 256u << 20, appendBusySecond); }

void appendMakersSecond(ZrlWriter& log, std::mt19937& random, std::uint32_t second)
{
    appendBusySecond(log, random, second);
    for (int i = 0; i < 20; ++i)
        for (const std::uint16_t maker : {1857, 137, 273})
            log.bstFrame(bst93(6, 130820, 255, 50, second * 1000 + i, proprietaryPayload(maker, 4, {0x02, 0x00, 0x01})));
}

std::string makersNetworkLog() { return cachedGeneratedLog("bench-makers-64MiB.zrl", 64u << 20, appendMakersSecond); }

} // namespace ZrlTest
