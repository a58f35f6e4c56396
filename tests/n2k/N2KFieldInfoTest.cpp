#include "n2k/LibN2K.h"
#include "n2k/N2KFieldWalk.h"
#include "n2k/ReservedFields.h"
#include "support/N2kPayloads.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

using namespace StandardsLib;
using ZrlTest::Bytes;

namespace {

// A message's payload and its decoded field list.
struct Decoded {
    Bytes bytes;
    N2KPayload payload;
    std::vector<N2KFieldInfo> fields;

    Decoded(std::uint32_t pgn, Bytes data) : bytes(std::move(data))
    {
        payload = {pgn, static_cast<std::uint32_t>(bytes.size()), bytes.data()};
        buildFieldList(payload, theLibN2K().findPgn(pgn), fields);
    }
    Decoded(const Decoded&) = delete;

    const N2KFieldInfo& named(const std::string& name) const
    {
        for (const N2KFieldInfo& f : fields)
            if (f.name() == name)
                return f;
        throw std::out_of_range("no field " + name);
    }
    std::string value(const std::string& name, bool converted = false) const { return named(name).valueText(converted); }
    // Every field but the reserved ones: "name=value unit (converted unit)|...".
    std::string text() const
    {
        std::string out;
        for (const N2KFieldInfo& f : fields) {
            if (f.name() == "NMEA Reserved" || f.name() == "Reserved")
                continue;
            out += f.name() + "=" + f.valueText(false);
            if (!f.unitsText(false).empty())
                out += " " + f.unitsText(false);
            if (!f.valueText(true).empty())
                out += " (" + f.valueText(true) + " " + f.unitsText(true) + ")";
            out += "|";
        }
        return out;
    }
};

} // namespace

TEST(N2KFieldWalk, RepeatingBlockCountedByItsCountField)
{
    Bytes payload = ZrlTest::pgn129029(1, 19723, 3600, -33.8568, 151.2153, 12.5, 0, 2, 9, 0.9, 1.6, 22.1);
    ASSERT_EQ(payload.size(), 43u);
    payload[42] = 2; // two reference stations
    payload.resize(51, 0);
    {
        Decoded d(129029, payload);
        ASSERT_EQ(d.fields.size(), 21u);
        EXPECT_EQ(d.fields[18].name(), "Reference Station Type");
        EXPECT_EQ(d.fields[20].name(), "Age of DGNSS Corrections");
        EXPECT_EQ(d.fields[20].ordinalText(), "21");
        EXPECT_EQ(d.fields[18].bitOffset(), 344u + 32u);
    }
    for (std::uint8_t count : {0, 255}) {
        payload[42] = count;
        EXPECT_EQ(Decoded(129029, payload).fields.size(), 15u) << int(count);
    }
}

TEST(N2KFieldWalk, PgnListRepeatsByThePayloadLength)
{
    Decoded ten(126464, Bytes{0, 0xE8, 0xE8, 0x00, 0x00, 0xEE, 0x00, 0x12, 0xF1, 0x01});
    ASSERT_EQ(ten.fields.size(), 4u);
    EXPECT_EQ(ten.fields[3].ordinalText(), "4");
    EXPECT_EQ(ten.text(), "Function Code=0 (Transmit PGN list)|PGN=59624|PGN=60928|PGN=127250|");
    EXPECT_EQ(Decoded(126464, Bytes(11, 0)).fields.size(), 4u); // (11 - 1) / 3 PGNs
}

TEST(N2KFieldWalk, VariableTextsAreSizedByTheirLengthBytes)
{
    Decoded d(126998, ZrlTest::pgn126998("Bow", "", "Make")); // each with its length and encoding bytes
    ASSERT_EQ(d.fields.size(), 3u);
    EXPECT_EQ(d.text(), "Installation Description #1=Bow|Installation Description #2=|Manufacturer Information=Make|");
    EXPECT_EQ(d.fields[2].bitOffset(), 56u);
    Decoded u(126998, Bytes{4, 0, 'A', 0});
    EXPECT_EQ(u.fields[0].valueText(false), "A"); // UTF-16LE
    EXPECT_EQ(u.fields[0].valueText(true), "");
}

// A payload that ends early: the fields it cuts are not available, never read past its end.
TEST(N2KFieldInfo, FieldsCutByThePayloadsEndNeverReadPastIt)
{
    EXPECT_TRUE(Decoded(127250, Bytes{}).fields.empty());
    EXPECT_TRUE(Decoded(131072, Bytes(8, 0)).fields.empty()); // no definition
    EXPECT_EQ(Decoded(127250, Bytes{1, 0x10, 0x27}).text(),
              "Sequence ID=1|Heading Sensor Reading=1.0000 Radian (57.296 Degree)|");
    Decoded cut(127250, Bytes{3, 0x10}); // the heading's second byte is missing
    ASSERT_EQ(cut.fields.size(), 2u);
    EXPECT_EQ(cut.value("Heading Sensor Reading"), "Data not available");
    EXPECT_EQ(cut.named("Heading Sensor Reading").rawValueText(), "Invalid value");
    Decoded claim(60928, Bytes{0x01, 0x02, 0x03}); // the 11-bit manufacturer code runs past the end
    ASSERT_GE(claim.fields.size(), 2u);
    EXPECT_EQ(claim.fields[1].valueText(false), "Data not available");
    Bytes product = ZrlTest::pgn126996(2100, 1234, "ABCDEF", "1", "2", "3", 1, 1);
    product.resize(7); // cut inside its model text: the bytes that exist
    EXPECT_EQ(Decoded(126996, product).value("Model ID"), "ABC");
}

// Top values of lookups (with and without the reserved check) and of 16-bit numbers.
TEST(N2KFieldInfo, ReservedTopValuesOfBitAndByteFields)
{
    auto gnss = [](int method) { return ZrlTest::pgn129029(1, 0, 0, 0, 0, 0, 0, method, 0, 0, 0, 0); };
    auto rudder = [](std::uint8_t limit) { Bytes b(21, 0xFF); b[0] = limit; return b; };
    auto heading = [](std::uint16_t raw, std::uint16_t deviation) {
        return Bytes{0, std::uint8_t(raw), std::uint8_t(raw >> 8), std::uint8_t(deviation),
                     std::uint8_t(deviation >> 8), 0xFF, 0x7F, 0xFC};
    };
    const struct {
        std::uint32_t pgn;
        Bytes data;
        const char* field;
        const char* text;
    } cases[] = {
        {129029, gnss(15), "Method, GNSS", "Data not available"},
        {129029, gnss(14), "Method, GNSS", "14 (Error)"},
        {127237, rudder(3), "Rudder Limit Exceeded", "3 (Null, Unavailable, Unknown)"},
        {127237, rudder(2), "Rudder Limit Exceeded", "2 (Error)"},
        {127250, heading(0xFFFF, 0), "Heading Sensor Reading", "Data not available"},
        {127250, heading(0xFFFD, 0), "Heading Sensor Reading", "Reserved"},
        {127250, heading(0xFFFC, 0), "Heading Sensor Reading", "6.5532"},
        {127250, heading(0, 0x7FFF), "Deviation", "Data not available"},
        {127250, heading(0, 0x8000), "Deviation", "-3.2768"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Decoded(c.pgn, c.data).value(c.field), c.text) << c.field;
    EXPECT_EQ(Decoded(127250, heading(0, 0x8000)).named("Deviation").rawValueText(), "-32768");
    EXPECT_EQ(Decoded(127250, heading(0xFFFF, 0)).named("Heading Sensor Reading").rawValueText(), "Invalid value");
}

// Whole messages as networks send them: every field's text, unit and converted value.
TEST(N2KFieldInfo, RealisticMessages)
{
    // 128275: date, time, log 1852 m, trip log 0.
    const Bytes log = {0x0B, 0x4D, 0, 0, 0, 0, 0x3C, 0x07, 0, 0, 0, 0, 0, 0};
    // 60928: unique number 123456, manufacturer 273, instances 1 and 2, function 130, class 25, marine.
    const Bytes claim = {0x40, 0xE2, 0x21, 0x22, 0x11, 0x82, 0x33, 0xC3};
    // 129038: message 1, MMSI, position, accuracy, RAIM, time stamp, COG, SOG, no heading and turn.
    const Bytes ais = {0x01, 0x40, 0x07, 0x8D, 0x0E, 0x50, 0x32, 0x9E, 0x02, 0x00, 0xE9, 0x9B, 0xF8, 0x79,
                       0xB8, 0x7A, 0x03, 0x02, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0x7F, 0xC0, 0xF8, 0x07};
    // 129045: three deltas, then "Rotation in X" as float32 1.5 and a NaN.
    const Bytes datum = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xC0, 0x3F, 0, 0, 0xC0, 0x7F};
    const Bytes proprietary{0x11, 0x99, 0xDE, 0xAD, 0xBE, 0xEF};
    const struct {
        std::uint32_t pgn;
        Bytes data;
        const char* text;
    } cases[] = {
        {127250, ZrlTest::pgn127250(23, 1.5708, -0.0123, 0.0456, 1),
         "Sequence ID=23|Heading Sensor Reading=1.5708 Radian (90.000 Degree)|"
         "Deviation=-0.0123 Radian (-0.705 Degree)|Variation=0.0456 Radian (2.613 Degree)|"
         "Reference=1 (Magnetic)|"},
        {129026, ZrlTest::pgn129026(4, 0, 0.5, 5.0),
         "Sequence ID=4|COG Reference=0 (True)|COG=0.5000 Radian (28.648 Degree)|"
         "SOG=5.00 Metre Per Second (9.72 Knots)|"},
        {129029, ZrlTest::pgn129029(1, 19723, 3600.5, -33.8568, 151.2153, 12.5, 0, 1, 9, 0.9, 1.6, 22.1),
         "Sequence ID=1|Position date=01/01/2024 Date|Position time=01:00:00.500 Second|"
         "Latitude=33\xB0 51.408000' S Degree (-33.8568000000000000\xB0 Degree)|"
         "Longitude=151\xB0 12.918000' E Degree (151.2153000000000000\xB0 Degree)|"
         "Altitude=12.500000 Metre|Type of System=0 (GPS)|Method, GNSS=1 (GNSS fix)|Integrity=1 (Safe)|"
         "Number of SVs=9|HDOP=0.90|PDOP=1.60|Geoidal Separation=22.10 Metre|"
         "Number of Reference Stations=0|"},
        {60928, claim, "Unique Number=123456|Manufacturer Code=Korvane (273)|Device Instance Lower=1|"
         "Device Instance Upper=2|Device Function=130 (PC Gateway)|Spare=1|"
         "Device Class=25 (Internetwork device)|System Instance=3|Industry Group=4 (Marine Industry)|"
         "Arbitrary address capable=1 (Yes)|"},
        {129038, ais, "Message ID=1 (Scheduled Class A position report)|Repeat Indicator=0 (Initial)|"
         "User ID=244123456|Longitude=04\xB0 23.532000' E Degree (4.3922000\xB0 Degree)|"
         "Latitude=12\xB0 24.000000' S Degree (-12.4000000\xB0 Degree)|Position Accuracy=1 (High)|"
         "RAIM=0 (not in use)|Time Stamp=30|COG=3.1416 Radian (180.000 Degree)|"
         "SOG=5.15 Metre Per Second (10.01 Knots)|Communication State=0|"
         "AIS Transceiver information=0 (Channel A VDL reception)|"
         "Heading=Data not available Radian (Data not available Degree)|"
         "Rate of Turn=Data not available Radian per Second (Data not available Degree per second)|"
         "Nav Status=0 (Under way using engine)|Special Maneuver Indicator=0 (Not available)|Spare=|"
         "Sequence ID=7|"},
        {130312, Bytes{0, 0, 1, 0x83, 0x72, 0xFF, 0xFF, 0xFF},
         "Sequence ID=0|Instance=0|Source=1 (Outside Temperature)|"
         "Actual Temperature=293.15 Kelvin (20.00 \xB0 C)|"
         "Set Temperature=Data not available Kelvin (Data not available \xB0 C)|"}, // 293.15 K
        {128275, log, "Date=01/01/2024 Date|Time=00:00:00 Second|Log=1852 Metre (1.0000 NM)|"
         "Trip Log=0 Metre (0.0000 NM)|"},
        {127488, ZrlTest::pgn127488(0, 1500.0, 200000.0, -5),
         "Instance=0 (Single Engine or Dual Engine Port)|Speed=1500.00 Rev Per Minute|"
         "Boost Pressure=200000 Pascal (29.01 PSI)|Tilt/Trim=-5 Percent|"},
        {126992, ZrlTest::pgn126992(7, 0, 0xFFFF, 45296.789),
         "Sequence ID=7|Source=0 (GPS)|Date=Data not available Date (Data not available )|"
         "Time=12:34:56.789 Second|"},
        {126996, ZrlTest::pgn126996(2100, 1234, "ABC", "1.0.2", "Rev B", "SN42", 2, 3),
         "NMEA 2000 Version=2.100|Product Code=1234|Model ID=ABC|Software Version Code=1.0.2|"
         "Model Version=Rev B|Model Serial Code=SN42|Certification Level=2|Load Equivalency=3|"},
        {130816, proprietary,
         "NMEA 2000 Manufacturer Code=Korvane (273)|Reserved bits=11|Industry Group=4 (Marine Industry)|"
         "Manufacturer defined field(s)=DE AD BE EF|"},
        {126720, proprietary,
         "NMEA 2000 Manufacturer Code=Korvane (273)|Reserved bits=11|Industry Group=4 (Marine Industry)|"
         "Manufacturer defined field(s)=DE AD BE EF|"}, // the maker's own addressed messages: the data takes the rest
        {129045, datum, "Delta X=0.00 Metre|Delta Y=0.00 Metre|Delta Z=0.00 Metre|Rotation in X=1.5 Radian|"
         "Rotation in Y=Data not available Radian|"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Decoded(c.pgn, c.data).text(), c.text) << c.pgn;
    EXPECT_EQ(Decoded(126720, proprietary).fields[3].bitLength(), 65535u);
    EXPECT_EQ(Decoded(126996, cases[9].data).named("Model ID").rawValueText(), "ch8n - add renderer");
}

TEST(N2KFieldInfo, UnitsShownAppendsTheUnitName)
{
    Decoded wind(130306, ZrlTest::pgn130306(0, 10.0, 0.5236, 2));
    N2KFieldInfo speed = wind.named("Wind Speed");
    EXPECT_TRUE(speed.setUnitsShown(true));
    EXPECT_EQ(speed.valueText(false), "10.00 Metre Per Second");
    N2KFieldInfo angle = wind.named("Wind Angle");
    angle.setUnitsShown(true);
    EXPECT_EQ(angle.valueText(false), "0.5236 Radians");
    EXPECT_EQ(angle.valueText(true), "30.000 Degrees");
}

TEST(N2KFieldInfo, ReservedFieldsAsBinaryDigitsUnlessHidden)
{
    Decoded wind(130306, ZrlTest::pgn130306(0, 1.0, 0.1, 2));
    const N2KFieldInfo& reserved = wind.named("NMEA Reserved");
    EXPECT_EQ(reserved.bitLength(), 21u);
    EXPECT_EQ(reserved.valueText(false), std::string(21, '1'));
    reservedFieldsHidden = true;
    EXPECT_EQ(reserved.valueText(false), "");
    reservedFieldsHidden = false; // the switch is process-wide; later tests expect it off
}

TEST(N2KFieldInfo, TextFieldsOffAByteBoundaryThrow)
{
    const LibN2KField_s& modelId = theLibN2K().findPgn(126996)->fields[2];
    Bytes bytes(134, 0x41);
    const N2KPayload payload{126996, 134, bytes.data()};
    const N2KFieldInfo shifted(&payload, 1, 33, modelId);
    std::string what = "no exception";
    try { (void)shifted.valueText(false); } catch (const std::runtime_error& e) { what = e.what(); }
    EXPECT_EQ(what, "N2KFieldInfo::Unaligned Byte Access");
}
