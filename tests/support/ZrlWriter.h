#pragma once
// Builds ZRL byte streams for tests, benchmarks and the demo log: tag frames, embedded and
// DLE-framed BST messages, fast-packet CAN frames, NMEA 0183 sentences and noise.
#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace ZrlTest {

using Bytes = std::vector<std::uint8_t>;

// Windows FILETIME (100 ns since 1601-01-01 UTC) of a UTC calendar time.
std::uint64_t fileTimeUtc(int year, int month, int day, int hour, int minute, int second, int millis = 0);

// The XOR checksum of an NMEA 0183 sentence: every character after the start character up to
// (not including) '*' or the end of the text.
std::uint8_t nmeaChecksum(std::string_view sentence);

// "$GPGGA,..." -> "$GPGGA,...*hh" (upper-case hex).
std::string withChecksum(std::string_view sentence);

// The sum-to-zero checksum byte of a BST message.
std::uint8_t bstChecksum(const Bytes& message);

// A 29-bit CAN identifier laid out as the four bytes of a BST 0x95 frame (bytes 4..7):
// source, PDU specific, PDU format, data page | priority << 2.
struct CanId {
    std::uint8_t priority = 2;
    std::uint32_t pgn = 0;
    std::uint8_t source = 0;
    std::uint8_t destination = 255;  // used only for PDU1 (PDU format < 240)
};

// BST messages (id, length, payload) without framing or checksum.
Bytes bst93(std::uint8_t priority, std::uint32_t pgn, std::uint8_t destination, std::uint8_t source,
            std::uint32_t time, const Bytes& data);
Bytes bst94(std::uint8_t priority, std::uint32_t pgn, std::uint8_t destination, const Bytes& data);
Bytes bst95(std::uint16_t deviceTimeMs, const CanId& id, const Bytes& data);
// Any other BST message: id, length = payload size, payload.
Bytes bstMessage(std::uint8_t id, const Bytes& payload);

// The CAN data of the frames of one fast-packet transfer (8 bytes each, padded with 0xFF).
std::vector<Bytes> fastPacketFrames(std::uint8_t sequence, const Bytes& data);

class ZrlWriter {
public:
    // ZRL tag frames (ESC SOH tag ... ESC LF, ESC doubled inside).
    ZrlWriter& timestamp(std::uint64_t fileTime);
    ZrlWriter& version(std::uint32_t versionTimes1000);
    ZrlWriter& tag(std::uint8_t tag, const Bytes& after);
    ZrlWriter& embeddedBst(const Bytes& message);

    // A BST frame: DLE STX message checksum DLE ETX, DLE doubled inside, and ESC doubled as
    // the logger writes it outside its tag frames. A bad checksum is off by one.
    ZrlWriter& bstFrame(const Bytes& message, bool goodChecksum = true);

    // An NMEA 0183 sentence ended by CR LF, written as given (add the checksum with
    // withChecksum first, or use sentenceWithChecksum).
    ZrlWriter& sentence(std::string_view text);
    ZrlWriter& sentenceWithChecksum(std::string_view textWithoutChecksum);

    // Bytes written as they stand.
    ZrlWriter& raw(const Bytes& bytes);
    ZrlWriter& raw(std::string_view text);
    // Random bytes that contain none of the framing characters (ESC, DLE, '$', '!').
    ZrlWriter& noise(std::mt19937& random, std::size_t count);

    const Bytes& bytes() const { return bytes_; }
    std::size_t size() const { return bytes_.size(); }
    void save(const std::string& path) const;

private:
    void framed(std::uint8_t escape, std::uint8_t start, std::uint8_t end, const Bytes& body);
    Bytes bytes_;
};

// Writes bytes to a file, replacing it.
void writeFile(const std::string& path, const Bytes& bytes);

}  // namespace ZrlTest
