#include "support/N2kPayloads.h"

#include <algorithm>
#include <cmath>

namespace ZrlTest {

namespace {

class Payload {
public:
    Payload& u8(unsigned v) { b_.push_back(static_cast<std::uint8_t>(v)); return *this; }
    Payload& u16(unsigned v) { return le(v, 2); }
    Payload& u32(std::uint64_t v) { return le(v, 4); }
    Payload& s16(long long v) { return le(static_cast<std::uint64_t>(v), 2); }
    Payload& s32(long long v) { return le(static_cast<std::uint64_t>(v), 4); }
    Payload& s64(long long v) { return le(static_cast<std::uint64_t>(v), 8); }
    Payload& le64(std::uint64_t v) { return le(v, 8); }
    Payload& text(const std::string& s, std::size_t width)
    {
        for (std::size_t i = 0; i < width; ++i) u8(i < s.size() ? static_cast<unsigned char>(s[i]) : 0xFF);
        return *this;
    }
    Bytes done() const { return b_; }

private:
    Payload& le(std::uint64_t v, int n)
    {
        for (int i = 0; i < n; ++i) b_.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
        return *this;
    }
    Bytes b_;
};

long long scaled(double value, double resolution)
{
    return std::llround(value / resolution);
}

}  // namespace

Bytes pgn127250(std::uint8_t sid, double heading, double deviation, double variation, int reference)
{
    return Payload()
        .u8(sid)
        .u16(static_cast<unsigned>(scaled(heading, 1e-4)))
        .s16(scaled(deviation, 1e-4))
        .s16(scaled(variation, 1e-4))
        .u8(0xFC | (reference & 3))
        .done();
}

Bytes pgn129025(double latitude, double longitude)
{
    return Payload().s32(scaled(latitude, 1e-7)).s32(scaled(longitude, 1e-7)).done();
}

Bytes pgn129026(std::uint8_t sid, int reference, double cog, double sog)
{
    return Payload()
        .u8(sid)
        .u8(0xFC | (reference & 3))
        .u16(static_cast<unsigned>(scaled(cog, 1e-4)))
        .u16(static_cast<unsigned>(scaled(sog, 0.01)))
        .u16(0xFFFF)
        .done();
}

Bytes pgn128267(std::uint8_t sid, double depth, double offset, double range)
{
    return Payload()
        .u8(sid)
        .u32(static_cast<std::uint64_t>(scaled(depth, 0.01)))
        .s16(scaled(offset, 0.001))
        .u8(static_cast<unsigned>(scaled(range, 10)))
        .done();
}

Bytes pgn130306(std::uint8_t sid, double speed, double angle, int reference)
{
    return Payload()
        .u8(sid)
        .u16(static_cast<unsigned>(scaled(speed, 0.01)))
        .u16(static_cast<unsigned>(scaled(angle, 1e-4)))
        .u8(0xF8 | (reference & 7))
        .u16(0xFFFF)
        .done();
}

Bytes pgn127488(std::uint8_t instance, double rpm, double boostPa, int tilt)
{
    return Payload()
        .u8(instance)
        .u16(static_cast<unsigned>(scaled(rpm, 0.25)))
        .u16(static_cast<unsigned>(scaled(boostPa, 100)))
        .u8(static_cast<unsigned>(tilt & 0xFF))
        .u16(0xFFFF)
        .done();
}

Bytes pgn126992(std::uint8_t sid, int source, std::uint16_t days, double seconds)
{
    return Payload()
        .u8(sid)
        .u8(0xF0 | (source & 0x0F))
        .u16(days)
        .u32(static_cast<std::uint64_t>(scaled(seconds, 1e-4)))
        .done();
}

Bytes pgn129029(std::uint8_t sid, std::uint16_t days, double seconds, double latitude, double longitude,
                double altitude, int type, int method, int satellites, double hdop, double pdop,
                double geoidalSeparation)
{
    return Payload()
        .u8(sid)
        .u16(days)
        .u32(static_cast<std::uint64_t>(scaled(seconds, 1e-4)))
        .s64(scaled(latitude * 1e9, 1e-7))   // 1e-16 degree resolution, kept exact in 64 bits
        .s64(scaled(longitude * 1e9, 1e-7))
        .s64(scaled(altitude, 1e-6))
        .u8(static_cast<unsigned>((type & 0x0F) | ((method & 0x0F) << 4)))
        .u8(0xFC | 0x01)  // integrity: safe
        .u8(static_cast<unsigned>(satellites))
        .s16(scaled(hdop, 0.01))
        .s16(scaled(pdop, 0.01))
        .s32(scaled(geoidalSeparation, 0.01))
        .u8(0)
        .done();
}

Bytes pgn126996(std::uint16_t n2kVersion, std::uint16_t productCode, const std::string& modelId,
                const std::string& softwareVersion, const std::string& modelVersion,
                const std::string& serialCode, std::uint8_t certificationLevel, std::uint8_t loadEquivalency)
{
    return Payload()
        .u16(n2kVersion)
        .u16(productCode)
        .text(modelId, 32)
        .text(softwareVersion, 32)
        .text(modelVersion, 32)
        .text(serialCode, 32)
        .u8(certificationLevel)
        .u8(loadEquivalency)
        .done();
}

Bytes pgn60928(const NameFields& name)
{
    const std::uint64_t raw = (name.uniqueNumber & 0x1FFFFFull) | std::uint64_t(name.manufacturer & 0x7FF) << 21 |
                              std::uint64_t(name.deviceInstance) << 32 | std::uint64_t(name.function) << 40 |
                              std::uint64_t(name.deviceClass & 0x7F) << 49 |
                              std::uint64_t(name.systemInstance & 0xF) << 56 |
                              std::uint64_t(name.industryGroup & 7) << 60 | 1ull << 63;
    return Payload().le64(raw).done();
}

Bytes pgn126998(const std::string& installation1, const std::string& installation2,
                const std::string& manufacturerInformation)
{
    Payload p;
    for (const std::string* text : {&installation1, &installation2, &manufacturerInformation})
        p.u8(static_cast<unsigned>(text->size() + 2)).u8(1).text(*text, text->size());
    return p.done();
}

Bytes proprietaryPayload(std::uint16_t manufacturer, std::uint8_t industryGroup, const Bytes& rest)
{
    Bytes data(2 + rest.size());
    data[0] = std::uint8_t(manufacturer & 0xFF);
    data[1] = std::uint8_t((manufacturer >> 8) | 0x18 | (industryGroup << 5));
    std::copy(rest.begin(), rest.end(), data.begin() + 2);
    return data;
}

}  // namespace ZrlTest
