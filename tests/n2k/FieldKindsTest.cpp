// Every field type of the built-in definitions, each pinned with a manufacturer's own
// definition (or a group-function variant) selected by its match fields.
#include "n2k/FieldSentinel.h"
#include "n2k/N2KFieldWalk.h"
#include "n2k/PgnLookup.h"
#include "support/N2kPayloads.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace StandardsLib;

namespace {

using Bytes = std::vector<std::uint8_t>;

// A proprietary payload of the marine industry group.
Bytes maker(std::uint16_t code, const Bytes& rest) { return ZrlTest::proprietaryPayload(code, 4, rest); }

Bytes text(const char* characters, std::size_t size, std::uint8_t fill)
{
    Bytes data(characters, characters + std::char_traits<char>::length(characters));
    data.resize(size, fill);
    return data;
}

Bytes operator+(Bytes a, const Bytes& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

struct Case {
    std::uint32_t pgn;
    Bytes data;
    const char* definition;
    const char* field;
    const char* value;
};

// Each case's message selects its definition and shows the field's text.
template <std::size_t N>
void expectDecoded(const Case (&cases)[N])
{
    for (const Case& c : cases) {
        const N2KPayload payload{c.pgn, static_cast<std::uint32_t>(c.data.size()), c.data.data()};
        const LibN2KPGN_s* definition = definitionFor(payload);
        EXPECT_EQ(definition ? definition->name : "<none>", std::string(c.definition));
        std::vector<N2KFieldInfo> fields;
        buildFieldList(payload, definition, fields);
        const auto field = std::find_if(fields.begin(), fields.end(), [&](const auto& f) { return f.name() == c.field; });
        EXPECT_EQ(field != fields.end() ? field->valueText(false) : "<no field>", c.value) << c.definition << " / " << c.field;
    }
}

} // namespace

TEST(FieldKinds, ManufacturerDefinitionsRenderEveryFieldType)
{
    const Case cases[] = {
        // Bit lookup: bits 4 and 6 set.
        {65305, maker(1857, {0x00, 0x0A, 0x50, 0x00, 0xFF, 0xFF}), "Simnet: Pilot Mode", "Mode", "Heading, Nav"},
        // Duration in milliseconds; a number's reserved top values.
        {65409, maker(135, {0x01, 0xDC, 0x05, 0xFF, 0xFF, 0xFF}), "Airmar: Speed Pulse Count", "Duration of interval", "00:00:01.500"},
        {65409, maker(135, {0x01, 0xDC, 0x05, 0xFF, 0xFF, 0xFF}), "Airmar: Speed Pulse Count", "Number of pulses received", "Data not available"},
        // Float, after six match fields.
        {126720, maker(229, {0x10, 0x17, 4, 4, 0, 11, 0xFF, 0x00, 0x00, 0xC0, 0x3F}), "Garmin Autopilot: Heading to Steer", "Heading to Steer", "1.5"},
        // Text with a length byte and a closing zero.
        {130816, maker(275, Bytes{0xFF, 4, 1, 2, 0x10, 0x27, 0, 0, 0xFF, 5} + text("AM 1A", 6, 0)), "SonicHub: AM Radio", "Text", "AM 1A"},
        // Text with length and encoding bytes.
        {130816, maker(1855, Bytes{0, 7, 7, 1} + text("Ready", 5, 0)), "Furuno: Status and Version Report", "Status", "Ready"},
        // Fixed text, NUL-padded with junk after the NUL.
        {130816, maker(1857, Bytes{0xFF, 50, 1, 2, 3, 4, 5} + text("Hello\0junk", 32, 0xFF)), "Simrad: Text Message", "Text", "Hello"},
        // ISO NAME.
        {130819, maker(137, {0x11, 1, 2, 3, 4, 1, 2, 3, 4, 5, 6, 7, 8, 0, 0, 0}), "Maretron: Alert Transmission", "Data Source Network ID NAME", "578437695752307201"},
        // Date and time of day.
        {130836, maker(137, {0, 1, 0x0B, 0x4D, 0x00, 0x51, 0x25, 0x02, 0, 0, 0, 0}), "Maretron: Switch Status Counter", "Start Date", "01/01/2024"},
        {130836, maker(137, {0, 1, 0x0B, 0x4D, 0x00, 0x51, 0x25, 0x02, 0, 0, 0, 0}), "Maretron: Switch Status Counter", "Start Time", "01:00:00"},
        // MMSI: nine digits.
        {130842, maker(1857, {0x00, 0, 0, 0x61, 0x18, 0x23, 0x00}), "Simnet: AIS Class B static data (msg 24 Part A)", "User ID", "002300001"},
        // Key/value pair: the key selects a signed voltage in 0.01 V steps.
        {61184, maker(358, {0x8D, 0xED, 0xD2, 0x04}), "Victron: VE.Can Register", "Channel 1 Voltage", "12.34"},
        // 126208 Command: the value typed as field 2 of 127250 (heading, 0.0001 rad).
        {126208, {1, 0x12, 0xF1, 0x01, 0xF8, 1, 2, 0x39, 0x30}, "NMEA - Command group function", "Heading Sensor Reading", "1.2345"},
    };
    expectDecoded(cases);
}

// The mends, each on a message shaped as real networks send it. (Fixed texts cut at their NUL and
// all-ones lookups and numbers: the text and top-value tests.)
TEST(FieldKinds, RealShapedMessages)
{
    const Case cases[] = {
        {127251, {0x00, 0xEC, 0x62, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, "Rate of Turn", "Rate", "-0.00125662"},
        {127488, {0x00, 0x7A, 0x0C, 0xFF, 0xFF, 0x7F, 0xFF, 0xFF}, "Engine Parameters, Rapid Update", "Speed", "798.50"},
    };
    expectDecoded(cases);
}

// Steps no 8-bit multiplier holds: powers of two (exact, or rounded at the resolution's first
// significant digit and at least 8 decimals), whole multiples (4096 s) and degree steps in radians.
// The whole almanac row is pinned by the decoded export.
TEST(FieldKinds, WideResolutions)
{
    const Bytes almanac = {0x05, 0x34, 0x08, 0x00, 0x24, 0x28, 0x63, 0xDE, 0x13, 0x3E, 0xFD, 0xCD, 0x0C,
                           0xA1, 0x85, 0xEB, 0x31, 0x00, 0x00, 0x98, 0x87, 0xD6, 0x12, 0x9C, 0xEF, 0xFF};
    Bytes unknownInclination = almanac;
    unknownInclination[7] = 0xFF;
    unknownInclination[8] = 0x7F; // the signed top value
    const char* gps = "GPS Almanac Data";
    const Case cases[] = {
        {129541, almanac, gps, "Eccentricity", "0.00489998"},             // 10276 / 2^21
        {129541, almanac, gps, "Almanac Reference Time", "405504"},       // 99 x 4096 s
        {129541, almanac, gps, "Rate of Right Ascension", "-0.000000002568"}, // -706 / 2^38
        {129541, almanac, gps, "Root of Semi-major Axis", "5153.60009766"}, // 10554573 / 2^11 = 5153.60009765625
        {129541, almanac, gps, "Clock Parameter 2", "-0.000000000011"},   // -3 / 2^38
        {129541, Bytes(26, 0xFF), gps, "Eccentricity", "Data not available"},
        {129541, unknownInclination, gps, "Inclination Angle", "Data not available"},
        {61184, maker(358, {0xF8, 0xED, 0x05, 0x00}), "Victron: VE.Can Register",
         "Battery Repeated Absorption Time Interval", "01:12:00"}, // 5 x 864 s
        {126720, maker(229, {0x10, 0x17, 4, 4, 2, 116, 0xFF, 0x00, 0x40}), "Garmin Autopilot: Turn Angle Order",
         "Turn Angle Order", "1.57079633"}, // 16384 x 2 pi / 65536
        {130842, maker(1855, Bytes(13, 0) + Bytes{0xA0, 0x86, 0x01, 0x00} + Bytes(10, 0)),
         "Furuno: Six Degrees Of Freedom Movement", "Roll Rate", "1.74532925"}, // 100000 x 0.001 degree/s
    };
    expectDecoded(cases);
}

TEST(FieldSentinel, TopValuesByWidth)
{
    const struct {
        std::uint64_t raw;
        std::uint32_t bits;
        bool isSigned;
        FieldStatus status;
    } cases[] = {
        {1, 1, false, StatusValid},         {3, 2, false, StatusDataNotAvailable}, {2, 2, false, StatusValid},
        {7, 3, false, StatusDataNotAvailable}, {6, 3, false, StatusValid},      {15, 4, false, StatusDataNotAvailable},
        {14, 4, false, StatusOutOfRange},   {13, 4, false, StatusValid},        {127, 7, false, StatusDataNotAvailable},
        {255, 8, false, StatusDataNotAvailable}, {254, 8, false, StatusOutOfRange}, {253, 8, false, StatusReserved},
        {252, 8, false, StatusValid},       {0x7F, 8, true, StatusDataNotAvailable}, {0xFF, 8, true, StatusValid},
        {0x7FFD, 16, true, StatusReserved}, {0x7FFFFFFFFFFFFFFEull, 64, true, StatusOutOfRange},
        {~0ull, 64, false, StatusDataNotAvailable}, {0, 0, false, StatusValid},
    };
    for (const auto& c : cases)
        EXPECT_EQ(sentinelStatus(c.raw, c.bits, c.isSigned), c.status) << c.raw << " " << c.bits << " " << c.isSigned;
    EXPECT_STREQ(sentinelText(StatusReserved), "Reserved");
    EXPECT_STREQ(sentinelText(StatusOutOfRange), "Out of range");
}
