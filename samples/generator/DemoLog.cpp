#include "generator/DemoLog.h"
#include "support/MdtMessages.h"

#include "support/N2kPayloads.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>

namespace ZrlTest {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kKnot = 1852.0 / 3600.0;

double radians(double degrees) { return degrees * kPi / 180.0; }

class BitPacker {
public:
    void put(std::uint64_t value, int bits)
    {
        for (int i = bits - 1; i >= 0; --i) bits_.push_back(((value >> i) & 1) != 0);
    }
    std::string armoured() const
    {
        std::string out;
        for (std::size_t i = 0; i < bits_.size(); i += 6) {
            int v = 0;
            for (std::size_t j = 0; j < 6; ++j) v = (v << 1) | (i + j < bits_.size() && bits_[i + j] ? 1 : 0);
            out.push_back(static_cast<char>(v < 40 ? v + 48 : v + 56));
        }
        return out;
    }

private:
    std::vector<bool> bits_;
};

// An NMEA 0183 angle: degrees (`degreeDigits` wide) and minutes, then the hemisphere letter.
std::string nmeaAngle(double value, int degreeDigits, char positive, char negative)
{
    const double a = std::fabs(value);
    const int degrees = static_cast<int>(a);
    char text[32];
    std::snprintf(text, sizeof text, "%0*d%07.4f,%c", degreeDigits, degrees, (a - degrees) * 60.0,
                  value < 0 ? negative : positive);
    return text;
}

std::string format(const char* fmt, auto... args)
{
    char text[256];
    std::snprintf(text, sizeof text, fmt, args...);
    return text;
}

// One boat's state along the passage.
struct Passage {
    double latitude = 50.7930;
    double longitude = -1.1050;
    double headingDeg = 135.0;
    double sogKnots = 6.0;
    double depth = 12.0;
    double rpm = 1800.0;
    double windSpeed = 7.5;  // m/s apparent
    double windAngleDeg = 40.0;

    void advance(int second)
    {
        headingDeg = 135.0 + 8.0 * std::sin(second / 90.0);
        sogKnots = 6.0 + 0.6 * std::sin(second / 45.0);
        depth = 12.0 + 4.0 * std::sin(second / 70.0) + 0.1 * (second % 7);
        rpm = 1800.0 + 50.0 * std::sin(second / 30.0);
        windSpeed = 7.5 + 1.5 * std::sin(second / 20.0);
        windAngleDeg = 40.0 + 10.0 * std::cos(second / 25.0);
        const double metres = sogKnots * kKnot;
        latitude += metres * std::cos(radians(headingDeg)) / 111120.0;
        longitude += metres * std::sin(radians(headingDeg)) / (111120.0 * std::cos(radians(latitude)));
    }
};

constexpr std::uint8_t kGps = 0x11;
constexpr std::uint8_t kCompass = 0x23;
constexpr std::uint8_t kDepthSounder = 0x30;
constexpr std::uint8_t kWind = 0x42;
constexpr std::uint8_t kEngine = 0x50;

// Each device claims its address and tells what it is; the GNSS receiver repeats its product
// information every minute (productInformation).
struct DemoDevice {
    std::uint8_t address;
    NameFields name;
    const char* model;
    const char* software;
    const char* serial;
};

const DemoDevice demoDevices[] = {
    {kGps, {104729, 229, 0, 145, 60, 0, 4}, "Demo GNSS receiver", "1.4.2", "KV-0042-7731"},
    {kCompass, {2718, 135, 0, 140, 60, 0, 4}, "Heading sensor HS-2", "3.1.0", "HS2-55012"},
    {kDepthSounder, {31415, 137, 0, 130, 60, 0, 4}, "Depth transducer DT-8", "2.0.7", "DT8-1207"},
    {kWind, {16180, 135, 0, 130, 85, 0, 4}, "Wind sensor W-3", "1.9.0", "W3-88110"},
    {kEngine, {14142, 1857, 0, 160, 50, 0, 4}, "Engine gateway EG-1", "4.2.1", "EG1-30303"},
};

void productInformation(ZrlWriter& w, std::uint16_t& deviceMs, std::uint8_t sequence)
{
    const DemoDevice& gps = demoDevices[0];
    const Bytes info = pgn126996(2100, 4711, gps.model, gps.software, "Rev B", gps.serial, 1, 2);
    for (const Bytes& frame : fastPacketFrames(sequence, info)) {
        deviceMs = static_cast<std::uint16_t>(deviceMs + 2);
        w.bstFrame(bst95(deviceMs, CanId{6, 126996, kGps, 255}, frame));
    }
}

void announceDevices(ZrlWriter& w, std::uint32_t t)
{
    for (const DemoDevice& device : demoDevices)
        w.bstFrame(bst93(6, 60928, 255, device.address, t, pgn60928(device.name)));
    for (const DemoDevice& device : demoDevices) {
        if (device.address == kGps)
            continue;
        w.bstFrame(bst93(6, 126996, 255, device.address, t + 5,
                         pgn126996(2100, 4700 + device.address, device.model, device.software, "Rev A", device.serial,
                                   1, 1)));
    }
    w.bstFrame(bst93(6, 126998, 255, kEngine, t + 10, pgn126998("Port engine", "Engine room", "")));
}

// One mass data transfer of 100 16-bit samples of the supply voltage, in blocks of 200 bytes.
void sampledTransfer(ZrlWriter& w, std::uint64_t now)
{
    SampledSetup setup;
    setup.startTime = now;
    setup.samplesTotal = 100;
    setup.samplePeriod = 1000;
    setup.rangeMin = 0;
    setup.rangeMax = 3300;
    setup.exponent = -2;
    setup.channelId = 0;
    Bytes data;
    for (int i = 0; i < 100; ++i) {
        const int sample = 2048 + static_cast<int>(200.0 * std::sin(i * 0.2));
        data.push_back(static_cast<std::uint8_t>(sample));
        data.push_back(static_cast<std::uint8_t>(sample >> 8));
    }
    w.bstFrame(mdtStart(5, 0, static_cast<std::uint32_t>(data.size()), sampledSetup(setup), 0x0101));
    for (std::size_t at = 0; at < data.size(); at += 200) {
        const std::size_t n = std::min<std::size_t>(200, data.size() - at);
        w.bstFrame(mdtData(5, 0, static_cast<std::uint32_t>(at), Bytes(data.begin() + at, data.begin() + at + n)));
    }
    w.bstFrame(mdtEnd(5, 0, static_cast<std::uint32_t>(data.size())));
}

}  // namespace

std::string aisPositionReport(std::uint32_t mmsi, double latitude, double longitude, double sogKnots,
                              double cogDegrees, int headingDegrees, int second)
{
    BitPacker p;
    p.put(1, 6);                                                   // message type
    p.put(0, 2);                                                   // repeat indicator
    p.put(mmsi, 30);
    p.put(0, 4);                                                   // under way using engine
    p.put(128, 8);                                                 // rate of turn not available
    p.put(static_cast<std::uint64_t>(std::lround(sogKnots * 10)), 10);
    p.put(1, 1);                                                   // position accuracy high
    p.put(static_cast<std::uint64_t>(std::lround(longitude * 600000.0)) & 0x0FFFFFFF, 28);
    p.put(static_cast<std::uint64_t>(std::lround(latitude * 600000.0)) & 0x07FFFFFF, 27);
    p.put(static_cast<std::uint64_t>(std::lround(cogDegrees * 10)), 12);
    p.put(static_cast<std::uint64_t>(headingDegrees), 9);
    p.put(static_cast<std::uint64_t>(second), 6);
    p.put(0, 2);
    p.put(0, 3);
    p.put(0, 1);
    p.put(0x2A5F1, 19);                                            // radio status
    return p.armoured();
}

Bytes demoLog()
{
    constexpr int kSeconds = 600;
    const std::uint64_t start = fileTimeUtc(2024, 6, 15, 9, 0, 0);
    const std::uint16_t days = static_cast<std::uint16_t>((start - 116444736000000000ULL) / 864000000000ULL);
    const double startOfDay = 9 * 3600.0;

    ZrlWriter w;
    std::mt19937 random(20240615);
    Passage boat;
    std::uint16_t deviceMs = 1000;
    std::uint8_t fastSequence = 0;

    w.version(1000);
    w.raw("Korvane logger boot: firmware 1.4.2, channels N2K+0183\r\n");
    for (int s = 0; s < kSeconds; ++s) {
        const std::uint64_t now = start + static_cast<std::uint64_t>(s) * 10000000ULL;
        const double clock = startOfDay + s;
        const auto sid = static_cast<std::uint8_t>(s % 250);
        w.timestamp(now);
        boat.advance(s);

        // The gateway's device clock runs in milliseconds; its first CAN frame after each
        // timestamp is the reference the following frames are timed against.
        deviceMs = static_cast<std::uint16_t>(deviceMs + 1000);
        w.bstFrame(bst95(deviceMs, CanId{3, 129025, kGps, 255}, pgn129025(boat.latitude, boat.longitude)));

        const std::uint32_t t = static_cast<std::uint32_t>(s) * 1000;
        w.embeddedBst(bst93(2, 127250, 255, kCompass, t,
                            pgn127250(sid, radians(boat.headingDeg), 0.0, radians(-1.2), 1)));
        w.bstFrame(bst93(2, 129026, 255, kGps, t + 10,
                         pgn129026(sid, 0, radians(boat.headingDeg + 2.0), boat.sogKnots * kKnot)));
        w.embeddedBst(bst93(3, 128267, 255, kDepthSounder, t + 20, pgn128267(sid, boat.depth, 0.4, 100)));
        w.bstFrame(bst93(2, 130306, 255, kWind, t + 30, pgn130306(sid, boat.windSpeed, radians(boat.windAngleDeg), 2)));
        w.embeddedBst(bst93(2, 127488, 255, kEngine, t + 40, pgn127488(0, boat.rpm, 120000, 0)));
        w.embeddedBst(bst93(3, 126992, 255, kGps, t + 50, pgn126992(sid, 0, days, clock)));
        w.embeddedBst(bst93(2, 127250, 255, kCompass, t + 500,
                            pgn127250(sid, radians(boat.headingDeg + 0.3), 0.0, radians(-1.2), 1)));

        // GNSS position data as a fast-packet transfer of 7 CAN frames.
        const Bytes gnss = pgn129029(sid, days, clock, boat.latitude, boat.longitude, 12.5, 0, 1, 11, 0.9, 1.6, 47.2);
        for (const Bytes& frame : fastPacketFrames(fastSequence, gnss)) {
            deviceMs = static_cast<std::uint16_t>(deviceMs + 1);
            w.bstFrame(bst95(deviceMs, CanId{3, 129029, kGps, 255}, frame));
        }
        fastSequence = static_cast<std::uint8_t>((fastSequence + 1) & 7);
        if (s % 60 == 0) {
            productInformation(w, deviceMs, fastSequence);
            fastSequence = static_cast<std::uint8_t>((fastSequence + 1) & 7);
        }
        if (s == 2)
            announceDevices(w, t + 60);

        const int hh = 9 + s / 3600, mm = (s / 60) % 60, ss = s % 60;
        const std::string lat = nmeaAngle(boat.latitude, 2, 'N', 'S'), lon = nmeaAngle(boat.longitude, 3, 'E', 'W');
        w.sentenceWithChecksum(format("$GPGGA,%02d%02d%02d.00,%s,%s,1,11,0.9,12.5,M,47.2,M,,", hh, mm, ss,
                                      lat.c_str(), lon.c_str()));
        w.sentenceWithChecksum(format("$GPRMC,%02d%02d%02d.00,A,%s,%s,%.1f,%.1f,150624,1.2,W,A", hh, mm, ss,
                                      lat.c_str(), lon.c_str(), boat.sogKnots, boat.headingDeg + 2.0));
        w.sentenceWithChecksum(format("$WIMWV,%.1f,R,%.1f,M,A", boat.windAngleDeg, boat.windSpeed));
        w.sentenceWithChecksum(format("$SDDBT,%.1f,f,%.1f,M,%.1f,F", boat.depth / 0.3048, boat.depth,
                                      boat.depth / 1.8288));
        w.sentenceWithChecksum(format("$HCHDG,%.1f,0.0,E,1.2,W", boat.headingDeg + 1.2));
        if (s % 10 == 5) {
            const std::string ais = aisPositionReport(235098765, boat.latitude + 0.01, boat.longitude - 0.02,
                                                      8.2, 310.0, 309, ss);
            w.sentenceWithChecksum("!AIVDM,1,1,,A," + ais + ",0");
        }
        if (s == 100) w.sentence("$GPGGA,094000.00,5047.580,N,00106.300,W,1,09,1.0,11.0,M,47.2,M,,*00");
        if (s == 200) w.raw("ALARM ACK: shallow water 3.2 m\r\n");
        if (s == 300) w.noise(random, 24);
        if (s == 30) {
            // The logging PC asks the gateway for its hardware information and gets it: boot
            // loader v1.25 of 01/01/2024 12:00:00, main application v2.105 of 02/01/2024
            // 18:00:00, model 1, sub-id 3 (USB), serial number 20240042, CAN; then it asks
            // for the baud rates of port 1.
            w.bstFrame({0xA1, 0x01, 0x10});
            w.bstFrame(bemMessage(0xA0, 0x10, 1, 20240042, 0,
                                  {0x7D, 0x00, 0xEC, 0xB0, 0x00, 0x80, 0x39, 0x08, 0xED, 0xB0, 0x00, 0xC0,
                                   0x01, 0x00, 0x03, 0x00, 0xAA, 0xD6, 0x34, 0x01, 0x20}));
            w.bstFrame({0xA1, 0x02, 0x17, 0x01});
        }
        if (s == 400)
            sampledTransfer(w, now);
    }
    return w.bytes();
}

}  // namespace ZrlTest
