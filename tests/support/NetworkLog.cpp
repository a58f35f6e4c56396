#include "support/NetworkLog.h"

#include "support/N2kPayloads.h"

namespace ZrlTest {

namespace {

// Each message follows a timestamp of its own, so its time is exactly the one given: ms after
// 2024-01-01 12:00:00.000 UTC.
class TimedLog {
public:
    TimedLog() { log.version(1000); }
    void send(int ms, std::uint8_t source, std::uint32_t pgn, const Bytes& data)
    {
        log.timestamp(start + static_cast<std::uint64_t>(ms) * 10000).bstFrame(bst93(3, pgn, 255, source, 0, data));
    }
    void sendFastPacket(int ms, std::uint8_t source, std::uint32_t pgn, const Bytes& data)
    {
        log.timestamp(start + static_cast<std::uint64_t>(ms) * 10000);
        for (const Bytes& frame : fastPacketFrames(0, data))
            log.bstFrame(bst95(500, CanId{6, pgn, source, 255}, frame));
    }
    ZrlWriter log;

private:
    const std::uint64_t start = fileTimeUtc(2024, 1, 1, 12, 0, 0);
};

}  // namespace

Bytes networkLog()
{
    const NameFields a{12345, 229, 0, 145, 60, 0, 4};  // GNSS at 10
    const NameFields b{777, 135, 1, 140, 60, 2, 4};    // attitude sensor at 30, then at 31
    const NameFields c{4242, 137, 3, 130, 60, 0, 4};   // depth sounder that takes 30 over
    TimedLog t;
    t.send(0, 10, 60928, pgn60928(a));
    t.send(100, 10, 126996, pgn126996(2100, 1001, "GPS 19x  @@@", "5.60", "Rev 2", "1A2B3C", 1, 1));
    t.send(150, 30, 60928, pgn60928(b));
    t.send(160, 30, 126998, pgn126998("Mast head", "Starboard", "Call 555"));
    for (int ms = 200; ms <= 600; ms += 100) {  // regular: 10 Hz
        t.send(ms, 10, 129025, pgn129025(50.5, -1.25));
        if (ms == 200 || ms == 300)  // irregular: a second's gap between two pairs
            t.send(ms + 50, 20, 128267, pgn128267(1, 12.0, 0.4, 100));
        if (ms == 400)
            t.send(ms + 50, 30, 127250, pgn127250(1, 1.5, 0, 0, 1));
    }
    t.send(1000, 30, 60928, pgn60928(c));
    t.send(1050, 31, 60928, pgn60928(b));
    t.sendFastPacket(1100, 30, 126996, pgn126996(1300, 2002, "DST-1", "2.0.1", "B", "SN-99", 2, 3));
    t.send(1200, 30, 127250, pgn127250(2, 1.5, 0, 0, 1));
    t.send(1250, 31, 127250, pgn127250(3, 1.5, 0, 0, 1));
    t.send(1350, 20, 128267, pgn128267(2, 12.0, 0.4, 100));
    t.send(1450, 20, 128267, pgn128267(3, 12.0, 0.4, 100));
    t.send(1500, 40, 127250, pgn127250(4, 1.5, 0, 0, 1));
    return t.log.bytes();
}

}  // namespace ZrlTest
