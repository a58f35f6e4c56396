#pragma once
// NMEA 2000 payloads built from physical values (SI units, as the PGN definitions scale them),
// for tests, benchmarks and the demo log.
#include "support/ZrlWriter.h"

#include <string>

namespace ZrlTest {

// 127250 Vessel Heading: angles in radians, reference 0 true / 1 magnetic.
Bytes pgn127250(std::uint8_t sid, double heading, double deviation, double variation, int reference);
// 129025 Position, Rapid Update: degrees.
Bytes pgn129025(double latitude, double longitude);
// 129026 COG & SOG, Rapid Update: course in radians, speed in m/s.
Bytes pgn129026(std::uint8_t sid, int reference, double cog, double sog);
// 128267 Water Depth: metres.
Bytes pgn128267(std::uint8_t sid, double depth, double offset, double range);
// 130306 Wind Data: speed m/s, angle radians, reference (2 apparent).
Bytes pgn130306(std::uint8_t sid, double speed, double angle, int reference);
// 127488 Engine Parameters, Rapid Update: speed rpm, boost pressure Pa, tilt %.
Bytes pgn127488(std::uint8_t instance, double rpm, double boostPa, int tilt);
// 126992 System Time: days since 1970-01-01 and seconds since midnight.
Bytes pgn126992(std::uint8_t sid, int source, std::uint16_t days, double seconds);
// 129029 GNSS Position Data (43 bytes, no reference stations).
Bytes pgn129029(std::uint8_t sid, std::uint16_t days, double seconds, double latitude, double longitude,
                double altitude, int type, int method, int satellites, double hdop, double pdop,
                double geoidalSeparation);
// 126996 Product Information (134 bytes; texts padded with 0xFF to 32 bytes).
Bytes pgn126996(std::uint16_t n2kVersion, std::uint16_t productCode, const std::string& modelId,
                const std::string& softwareVersion, const std::string& modelVersion,
                const std::string& serialCode, std::uint8_t certificationLevel, std::uint8_t loadEquivalency);
// A proprietary PGN's payload: manufacturer code (11 bits), reserved bits set, industry group
// (3 bits at bit 13), then the rest.
Bytes proprietaryPayload(std::uint16_t manufacturer, std::uint8_t industryGroup, const Bytes& rest);

// 60928 ISO Address Claim: the NAME's fields (arbitrary address capable set), 8 bytes.
struct NameFields {
    std::uint32_t uniqueNumber = 0;
    std::uint16_t manufacturer = 0;
    std::uint8_t deviceInstance = 0;
    std::uint8_t function = 0;
    std::uint8_t deviceClass = 0;
    std::uint8_t systemInstance = 0;
    std::uint8_t industryGroup = 4;  // marine
};
Bytes pgn60928(const NameFields& name);
// 126998 Configuration Information: three ASCII texts, each with its length and encoding byte.
Bytes pgn126998(const std::string& installation1, const std::string& installation2,
                const std::string& manufacturerInformation);

}  // namespace ZrlTest
