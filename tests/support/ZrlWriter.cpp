#include "support/ZrlWriter.h"

#include <cstdio>
#include <fstream>
#include <stdexcept>

namespace ZrlTest {

namespace {

// Days from 1970-01-01 to a civil date (proleptic Gregorian).
long long daysFromCivil(int y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

constexpr std::uint64_t kFileTimeOfUnixEpoch = 116444736000000000ULL;

void put16(Bytes& b, std::uint16_t v)
{
    b.push_back(static_cast<std::uint8_t>(v));
    b.push_back(static_cast<std::uint8_t>(v >> 8));
}

void put32(Bytes& b, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

void putPgn(Bytes& b, std::uint32_t pgn)
{
    b.push_back(static_cast<std::uint8_t>(pgn));
    b.push_back(static_cast<std::uint8_t>(pgn >> 8));
    b.push_back(static_cast<std::uint8_t>((pgn >> 16) & 3));
}

}  // namespace

std::uint64_t fileTimeUtc(int year, int month, int day, int hour, int minute, int second, int millis)
{
    const long long days = daysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day));
    const long long seconds = days * 86400LL + hour * 3600LL + minute * 60LL + second;
    return kFileTimeOfUnixEpoch + static_cast<std::uint64_t>(seconds) * 10000000ULL +
           static_cast<std::uint64_t>(millis) * 10000ULL;
}

std::uint8_t nmeaChecksum(std::string_view sentence)
{
    std::uint8_t x = 0;
    for (std::size_t i = 1; i < sentence.size() && sentence[i] != '*'; ++i)
        x ^= static_cast<std::uint8_t>(sentence[i]);
    return x;
}

std::string withChecksum(std::string_view sentence)
{
    char hex[4];
    std::snprintf(hex, sizeof hex, "%02X", nmeaChecksum(sentence));
    return std::string(sentence) + "*" + hex;
}

std::uint8_t bstChecksum(const Bytes& message)
{
    unsigned sum = 0;
    for (auto b : message) sum += b;
    return static_cast<std::uint8_t>(0x100 - (sum & 0xFF));
}

Bytes bst93(std::uint8_t priority, std::uint32_t pgn, std::uint8_t destination, std::uint8_t source,
            std::uint32_t time, const Bytes& data)
{
    Bytes m{0x93, static_cast<std::uint8_t>(11 + data.size()), static_cast<std::uint8_t>(priority & 7)};
    putPgn(m, pgn);
    m.push_back(destination);
    m.push_back(source);
    put32(m, time);
    m.push_back(static_cast<std::uint8_t>(data.size()));
    m.insert(m.end(), data.begin(), data.end());
    return m;
}

Bytes bst94(std::uint8_t priority, std::uint32_t pgn, std::uint8_t destination, const Bytes& data)
{
    Bytes m{0x94, static_cast<std::uint8_t>(6 + data.size()), static_cast<std::uint8_t>(priority & 7)};
    putPgn(m, pgn);
    m.push_back(destination);
    m.push_back(static_cast<std::uint8_t>(data.size()));
    m.insert(m.end(), data.begin(), data.end());
    return m;
}

Bytes bst95(std::uint16_t deviceTimeMs, const CanId& id, const Bytes& data)
{
    if (data.size() > 8) throw std::invalid_argument("a CAN frame holds at most 8 data bytes");
    const auto pduFormat = static_cast<std::uint8_t>(id.pgn >> 8);
    const auto pduSpecific = pduFormat < 240 ? id.destination : static_cast<std::uint8_t>(id.pgn);
    Bytes m{0x95, static_cast<std::uint8_t>(6 + data.size())};
    put16(m, deviceTimeMs);
    m.push_back(id.source);
    m.push_back(pduSpecific);
    m.push_back(pduFormat);
    m.push_back(static_cast<std::uint8_t>(((id.pgn >> 16) & 3) | ((id.priority & 7) << 2)));
    m.insert(m.end(), data.begin(), data.end());
    return m;
}

Bytes bstMessage(std::uint8_t id, const Bytes& payload)
{
    Bytes m{id, static_cast<std::uint8_t>(payload.size())};
    m.insert(m.end(), payload.begin(), payload.end());
    return m;
}

std::vector<Bytes> fastPacketFrames(std::uint8_t sequence, const Bytes& data)
{
    std::vector<Bytes> frames;
    const auto seq = static_cast<std::uint8_t>((sequence & 7) << 5);
    Bytes first{seq, static_cast<std::uint8_t>(data.size())};
    std::size_t at = 0;
    while (first.size() < 8 && at < data.size()) first.push_back(data[at++]);
    while (first.size() < 8) first.push_back(0xFF);
    frames.push_back(first);
    for (std::uint8_t counter = 1; at < data.size(); ++counter) {
        Bytes next{static_cast<std::uint8_t>(seq | (counter & 0x1F))};
        while (next.size() < 8 && at < data.size()) next.push_back(data[at++]);
        while (next.size() < 8) next.push_back(0xFF);
        frames.push_back(next);
    }
    return frames;
}

void ZrlWriter::framed(std::uint8_t escape, std::uint8_t start, std::uint8_t end, const Bytes& body)
{
    bytes_.push_back(escape);
    bytes_.push_back(start);
    for (auto b : body) {
        bytes_.push_back(b);
        if (b == escape) bytes_.push_back(b);
    }
    bytes_.push_back(escape);
    bytes_.push_back(end);
}

ZrlWriter& ZrlWriter::tag(std::uint8_t tagByte, const Bytes& after)
{
    Bytes body{tagByte};
    body.insert(body.end(), after.begin(), after.end());
    framed(0x1B, 0x01, 0x0A, body);
    return *this;
}

ZrlWriter& ZrlWriter::timestamp(std::uint64_t fileTime)
{
    Bytes t;
    for (int i = 0; i < 8; ++i) t.push_back(static_cast<std::uint8_t>(fileTime >> (8 * i)));
    return tag(0x03, t);
}

ZrlWriter& ZrlWriter::version(std::uint32_t versionTimes1000)
{
    Bytes v;
    put32(v, versionTimes1000);
    return tag(0x01, v);
}

ZrlWriter& ZrlWriter::embeddedBst(const Bytes& message)
{
    return tag(0x07, message);
}

ZrlWriter& ZrlWriter::bstFrame(const Bytes& message, bool goodChecksum)
{
    Bytes body = message;
    body.push_back(static_cast<std::uint8_t>(bstChecksum(message) + (goodChecksum ? 0 : 1)));
    // The logger doubles ESC outside its own tag frames too, so that an ESC inside a BST
    // frame is not taken for the start of a tag sequence.
    const std::size_t start = bytes_.size();
    framed(0x10, 0x02, 0x03, body);
    Bytes frame(bytes_.begin() + static_cast<std::ptrdiff_t>(start), bytes_.end());
    bytes_.resize(start);
    for (auto b : frame) {
        bytes_.push_back(b);
        if (b == 0x1B) bytes_.push_back(b);
    }
    return *this;
}

ZrlWriter& ZrlWriter::sentence(std::string_view text)
{
    bytes_.insert(bytes_.end(), text.begin(), text.end());
    bytes_.push_back('\r');
    bytes_.push_back('\n');
    return *this;
}

ZrlWriter& ZrlWriter::sentenceWithChecksum(std::string_view textWithoutChecksum)
{
    return sentence(withChecksum(textWithoutChecksum));
}

ZrlWriter& ZrlWriter::raw(const Bytes& bytes)
{
    bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
    return *this;
}

ZrlWriter& ZrlWriter::raw(std::string_view text)
{
    bytes_.insert(bytes_.end(), text.begin(), text.end());
    return *this;
}

ZrlWriter& ZrlWriter::noise(std::mt19937& random, std::size_t count)
{
    std::uniform_int_distribution<int> byte(0, 255);
    for (std::size_t i = 0; i < count; ++i) {
        int b;
        do b = byte(random);
        while (b == 0x1B || b == 0x10 || b == '$' || b == '!');
        bytes_.push_back(static_cast<std::uint8_t>(b));
    }
    return *this;
}

void ZrlWriter::save(const std::string& path) const
{
    writeFile(path, bytes_);
}

void writeFile(const std::string& path, const Bytes& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) throw std::runtime_error("cannot write " + path);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace ZrlTest
