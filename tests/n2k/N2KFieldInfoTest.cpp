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

    const N2KFieldInfo& named(const std::string& name, int occurrence = 0) const
    {
        for (const N2KFieldInfo& f : fields)
            if (f.name() == name && occurrence-- == 0)
                return f;
        throw std::out_of_range("no field " + name);
    }
    std::string value(const std::string& name, bool converted = false) const
    {
        return named(name).valueText(converted);
    }
    std::vector<std::string> names() const
    {
        std::vector<std::string> out;
        for (const N2KFieldInfo& f : fields)
            out.push_back(f.name());
        return out;
    }
};

// Little-endian bit packing, least significant bit first, as the payloads lay out fields.
class BitWriter {
public:
    BitWriter& put(std::uint64_t value, unsigned bits)
    {
        for (unsigned i = 0; i < bits; ++i, ++pos) {
            if (pos / 8 >= out.size())
                out.push_back(0);
            if ((value >> i) & 1)
                out[pos / 8] |= static_cast<std::uint8_t>(1u << (pos % 8));
        }
        return *this;
    }
    BitWriter& bytes(const std::string& text, std::size_t width)
    {
        for (std::size_t i = 0; i < width; ++i)
            put(i < text.size() ? static_cast<std::uint8_t>(text[i]) : 0xFF, 8);
        return *this;
    }
    Bytes out;

private:
    unsigned pos = 0;
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
        EXPECT_EQ(d.fields.size(), 21u);
        EXPECT_EQ(d.fields[15].name(), "Reference Station Type");
        EXPECT_EQ(d.fields[18].name(), "Reference Station Type");
        EXPECT_EQ(d.fields[20].name(), "Age of DGNSS Corrections");
        EXPECT_EQ(d.fields[20].ordinalText(), "21");
        EXPECT_EQ(d.fields[18].bitOffset(), 344u + 32u);
    }
    for (std::uint8_t count : {0, 255}) {
        payload[42] = count;
        Decoded d(129029, payload);
        EXPECT_EQ(d.fields.size(), 15u) << int(count);
    }
}

TEST(N2KFieldWalk, PgnListRepeatsByThePayloadLength)
{
    Decoded ten(126464, Bytes{0, 0xE8, 0xE8, 0x00, 0x00, 0xEE, 0x00, 0x12, 0xF1, 0x01});
    ASSERT_EQ(ten.fields.size(), 4u);
    EXPECT_EQ(ten.fields[0].ordinalText(), "1");
    EXPECT_EQ(ten.fields[3].ordinalText(), "4");
    EXPECT_EQ(ten.fields[3].name(), "PGN");
    EXPECT_EQ(ten.fields[1].valueText(false), "59624");
    EXPECT_EQ(ten.fields[3].valueText(false), "127250");

    Bytes eleven(11, 0);
    Decoded d(126464, eleven);
    EXPECT_EQ(d.fields.size(), 4u); // (11 - 1) / 3 PGNs
}

TEST(N2KFieldWalk, StopsAtThePayloadsEndAndWithoutADefinition)
{
    Decoded empty(127250, Bytes{});
    EXPECT_TRUE(empty.fields.empty());
    Decoded three(127250, Bytes{1, 0x10, 0x27});
    ASSERT_EQ(three.fields.size(), 2u);
    EXPECT_EQ(three.value("Heading Sensor Reading"), "1.0000");
    Decoded unknown(131072, Bytes(8, 0));
    EXPECT_TRUE(unknown.fields.empty());
}

TEST(N2KFieldWalk, VariableTextsAreSizedByTheirLengthBytes)
{
    BitWriter w;
    w.put(5, 8).put(1, 8).bytes("Bow", 3); // "Installation Description #1": length 5, ASCII
    w.put(2, 8).put(1, 8);                 // #2: empty
    w.put(6, 8).put(1, 8).bytes("Make", 4);
    Decoded d(126998, w.out);
    ASSERT_EQ(d.fields.size(), 3u);
    EXPECT_EQ(d.fields[0].valueText(false), "Bow");
    EXPECT_EQ(d.fields[1].valueText(false), "");
    EXPECT_EQ(d.fields[2].valueText(false), "Make");
    EXPECT_EQ(d.fields[2].bitOffset(), 56u);

    Bytes unicode{4, 0, 'A', 0};
    Decoded u(126998, unicode);
    EXPECT_EQ(u.fields[0].valueText(false), "A"); // UTF-16LE
    EXPECT_EQ(u.fields[0].valueText(true), "");
}

TEST(N2KFieldInfo, ReservedTopValuesOfBitAndByteFields)
{
    // "Method, GNSS" carries the check; "Rudder Limit Exceeded" shows its top value's text.
    Bytes gnss = ZrlTest::pgn129029(1, 0, 0, 0, 0, 0, 0, 15, 0, 0, 0, 0);
    EXPECT_EQ(Decoded(129029, gnss).value("Method, GNSS"), "Data not available");
    gnss = ZrlTest::pgn129029(1, 0, 0, 0, 0, 0, 0, 14, 0, 0, 0, 0);
    EXPECT_EQ(Decoded(129029, gnss).value("Method, GNSS"), "14 (Error)");
    gnss = ZrlTest::pgn129029(1, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0, 0);
    EXPECT_EQ(Decoded(129029, gnss).value("Method, GNSS"), "2 (DGNSS Fix)");

    Bytes control(21, 0xFF);
    control[0] = 0x03;
    EXPECT_EQ(Decoded(127237, control).value("Rudder Limit Exceeded"), "3 (Null, Unavailable, Unknown)");
    control[0] = 0x02;
    EXPECT_EQ(Decoded(127237, control).value("Rudder Limit Exceeded"), "2 (Error)");

    // Heading (unsigned 16 bits) and deviation (signed 16 bits) of 127250.
    auto heading = [](std::uint16_t raw, std::uint16_t deviation) {
        return Bytes{0, std::uint8_t(raw), std::uint8_t(raw >> 8), std::uint8_t(deviation),
                     std::uint8_t(deviation >> 8), 0xFF, 0x7F, 0xFC};
    };
    EXPECT_EQ(Decoded(127250, heading(0xFFFF, 0)).value("Heading Sensor Reading"), "Data not available");
    EXPECT_EQ(Decoded(127250, heading(0xFFFE, 0)).value("Heading Sensor Reading"), "Out of range");
    EXPECT_EQ(Decoded(127250, heading(0xFFFD, 0)).value("Heading Sensor Reading"), "Reserved");
    EXPECT_EQ(Decoded(127250, heading(0xFFFC, 0)).value("Heading Sensor Reading"), "6.5532");
    EXPECT_EQ(Decoded(127250, heading(0, 0x7FFF)).value("Deviation"), "Data not available");
    EXPECT_EQ(Decoded(127250, heading(0, 0x8000)).value("Deviation"), "-3.2768");
    EXPECT_EQ(Decoded(127250, heading(0, 0x8000)).named("Deviation").rawValueText(), "-32768");
    EXPECT_EQ(Decoded(127250, heading(0xFFFF, 0)).named("Heading Sensor Reading").rawValueText(), "Invalid value");
}

TEST(N2KFieldInfo, ConvertedUnits)
{
    Decoded wind(130306, ZrlTest::pgn130306(0, 10.0, 0.5236, 2));
    EXPECT_EQ(wind.value("Wind Speed"), "10.00");
    EXPECT_EQ(wind.value("Wind Speed", true), "19.44");
    EXPECT_EQ(wind.named("Wind Speed").unitsText(false), "Metre Per Second");
    EXPECT_EQ(wind.named("Wind Speed").unitsText(true), "Knots");
    EXPECT_EQ(wind.value("Wind Angle"), "0.5236");
    EXPECT_EQ(wind.value("Wind Angle", true), "30.000");
    EXPECT_EQ(wind.named("Wind Angle").unitsText(true), "Degree");

    Bytes temperature{0, 0, 1, 0x83, 0x72, 0xFF, 0xFF, 0xFF}; // 130312: raw 29315 (293.15 K)
    Decoded t(130312, temperature);
    EXPECT_EQ(t.value("Actual Temperature"), "293.15");
    EXPECT_EQ(t.value("Actual Temperature", true), "20.00");
    EXPECT_EQ(t.named("Actual Temperature").unitsText(true), "\xB0 C");

    BitWriter log; // 128275: date, time, log 1852 m, trip log 0
    log.put(19723, 16).put(0, 32).put(1852, 32).put(0, 32);
    Decoded distance(128275, log.out);
    EXPECT_EQ(distance.value("Log"), "1852");
    EXPECT_EQ(distance.value("Log", true), "1.0000"); // 1 m steps are 0.0005 NM
    EXPECT_EQ(distance.named("Log").unitsText(true), "NM");
    EXPECT_EQ(distance.value("Date"), "01/01/2024");
    EXPECT_EQ(distance.value("Date", true), "");
    EXPECT_EQ(distance.value("Time"), "00:00:00");

    Decoded engine(127488, ZrlTest::pgn127488(0, 1500.0, 200000.0, -5));
    EXPECT_EQ(engine.value("Speed"), "1500.00"); // quarter steps
    EXPECT_EQ(engine.value("Boost Pressure"), "200000");
    EXPECT_EQ(engine.value("Boost Pressure", true), "29.01");
    EXPECT_EQ(engine.named("Boost Pressure").unitsText(true), "PSI");
    EXPECT_EQ(engine.value("Tilt/Trim"), "-5");
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

TEST(N2KFieldInfo, DatesTimesAndPositions)
{
    Decoded time(126992, ZrlTest::pgn126992(7, 0, 0, 100000.0));
    EXPECT_EQ(time.value("Date"), "01/01/1970");
    EXPECT_EQ(time.value("Time"), "27:46:40");
    Decoded later(126992, ZrlTest::pgn126992(7, 0, 0xFFFF, 45296.789));
    EXPECT_EQ(later.value("Date"), "Data not available");
    EXPECT_EQ(later.value("Time"), "12:34:56.789");

    Decoded position(129025, ZrlTest::pgn129025(-33.8568, 151.2153));
    EXPECT_EQ(position.value("Latitude"), "33\xB0 51.408000' S");
    EXPECT_EQ(position.value("Longitude"), "151\xB0 12.918000' E");
    EXPECT_EQ(position.value("Latitude", true), "-33.8568000\xB0");
}

TEST(N2KFieldInfo, TextsBinaryAndManufacturer)
{
    Decoded product(126996, ZrlTest::pgn126996(2100, 1234, "ABC", "1.0.2", "Rev B", "SN42", 2, 3));
    EXPECT_EQ(product.value("NMEA 2000 Version"), "2.100");
    EXPECT_EQ(product.value("Product Code"), "1234");
    EXPECT_EQ(product.value("Model ID"), "ABC");
    EXPECT_EQ(product.value("Software Version Code"), "1.0.2");
    EXPECT_EQ(product.value("Model Serial Code"), "SN42");
    EXPECT_EQ(product.value("Model ID", true), "");
    EXPECT_EQ(product.named("Model ID").rawValueText(), "ch8n - add renderer");

    Bytes proprietary{0x11, 0x99, 0xDE, 0xAD, 0xBE, 0xEF};
    Decoded p(130816, proprietary);
    ASSERT_EQ(p.fields.size(), 4u);
    EXPECT_EQ(p.fields[0].valueText(false), "Korvane (273)");
    EXPECT_EQ(p.fields[2].valueText(false), "4 (Marine Industry)");
    EXPECT_EQ(p.fields[3].valueText(false), "DE AD BE EF");

    // The maker's own proprietary addressed messages: the data takes the rest of the payload.
    Decoded own(126720, proprietary);
    ASSERT_EQ(own.fields.size(), 4u);
    EXPECT_EQ(own.fields[3].valueText(false), "DE AD BE EF");
    EXPECT_EQ(own.fields[3].bitLength(), 65535u);
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

TEST(N2KFieldInfo, FieldsCutByThePayloadsEndNeverReadPastIt)
{
    // 127250 of 2 bytes: the heading's second byte is missing.
    Decoded cut(127250, Bytes{3, 0x10});
    ASSERT_EQ(cut.fields.size(), 2u);
    EXPECT_EQ(cut.value("Heading Sensor Reading"), "Data not available");
    EXPECT_EQ(cut.named("Heading Sensor Reading").rawValueText(), "Invalid value");
    // 60928 of 2 bytes: the 11-bit manufacturer code runs past the end.
    Decoded claim(60928, Bytes{0x01, 0x02, 0x03});
    ASSERT_GE(claim.fields.size(), 2u);
    EXPECT_EQ(claim.fields[1].valueText(false), "Data not available");
    // 126996 cut inside its model text: the bytes that exist.
    Bytes product = ZrlTest::pgn126996(2100, 1234, "ABCDEF", "1", "2", "3", 1, 1);
    product.resize(7);
    Decoded shortText(126996, product);
    EXPECT_EQ(shortText.value("Model ID"), "ABC");
}

TEST(N2KFieldInfo, RealisticMessages)
{
    Decoded heading(127250, ZrlTest::pgn127250(23, 1.5708, -0.0123, 0.0456, 1));
    EXPECT_EQ(heading.names(), (std::vector<std::string>{"Sequence ID", "Heading Sensor Reading", "Deviation",
                                                         "Variation", "Reference", "NMEA Reserved"}));
    EXPECT_EQ(heading.value("Sequence ID"), "23");
    EXPECT_EQ(heading.value("Heading Sensor Reading"), "1.5708");
    EXPECT_EQ(heading.value("Heading Sensor Reading", true), "90.000");
    EXPECT_EQ(heading.value("Deviation"), "-0.0123");
    EXPECT_EQ(heading.value("Variation"), "0.0456");
    EXPECT_EQ(heading.value("Reference"), "1 (Magnetic)");
    EXPECT_EQ(heading.named("Heading Sensor Reading").unitsText(false), "Radian");

    Decoded cog(129026, ZrlTest::pgn129026(4, 0, 0.5, 5.0));
    EXPECT_EQ(cog.value("COG Reference"), "0 (True)");
    EXPECT_EQ(cog.value("COG"), "0.5000");
    EXPECT_EQ(cog.value("SOG"), "5.00");
    EXPECT_EQ(cog.value("SOG", true), "9.72");

    Decoded depth(128267, ZrlTest::pgn128267(9, 12.34, -0.5, 50));
    EXPECT_EQ(depth.value("Depth"), "12.34");
    EXPECT_EQ(depth.value("Offset"), "-0.500");
    EXPECT_EQ(depth.value("Range"), "50");
    EXPECT_EQ(depth.named("Depth").unitsText(false), "Metre");

    Decoded gnss(129029, ZrlTest::pgn129029(1, 19723, 3600.5, -33.8568, 151.2153, 12.5, 0, 1, 9, 0.9, 1.6, 22.1));
    EXPECT_EQ(gnss.value("Position date"), "01/01/2024");
    EXPECT_EQ(gnss.value("Position time"), "01:00:00.500");
    EXPECT_EQ(gnss.value("Latitude"), "33\xB0 51.408000' S");
    EXPECT_EQ(gnss.value("Longitude"), "151\xB0 12.918000' E");
    EXPECT_EQ(gnss.value("Altitude"), "12.500000");
    EXPECT_EQ(gnss.value("Type of System"), "0 (GPS)");
    EXPECT_EQ(gnss.value("Method, GNSS"), "1 (GNSS fix)");
    EXPECT_EQ(gnss.value("Number of SVs"), "9");
    EXPECT_EQ(gnss.value("HDOP"), "0.90");
    EXPECT_EQ(gnss.value("PDOP"), "1.60");
    EXPECT_EQ(gnss.value("Geoidal Separation"), "22.10");
    EXPECT_EQ(gnss.value("Number of Reference Stations"), "0");

    BitWriter claim; // 60928: unique number, manufacturer 273, instances, function 130, class 25, marine
    claim.put(123456, 21).put(273, 11).put(1, 3).put(2, 5).put(130, 8).put(1, 1).put(25, 7).put(3, 4).put(4, 3).put(1, 1);
    Decoded address(60928, claim.out);
    EXPECT_EQ(address.value("Unique Number"), "123456");
    EXPECT_EQ(address.value("Manufacturer Code"), "Korvane (273)");
    EXPECT_EQ(address.value("Device Instance Lower"), "1");
    EXPECT_EQ(address.value("Device Instance Upper"), "2");
    EXPECT_EQ(address.value("Device Function"), "130 (PC Gateway)"); // named with the device class
    EXPECT_EQ(address.value("Device Class"), "25 (Internetwork device)");
    EXPECT_EQ(address.value("System Instance"), "3");
    EXPECT_EQ(address.value("Industry Group"), "4 (Marine Industry)");

    BitWriter ais; // 129038: message 1, MMSI, position, accuracy, RAIM, time stamp, COG, SOG ...
    ais.put(1, 6).put(0, 2).put(244123456, 32).put(static_cast<std::uint32_t>(43922000), 32)
        .put(static_cast<std::uint32_t>(-124000000), 32).put(1, 1).put(0, 1).put(30, 6)
        .put(31416, 16).put(515, 16).put(0, 19).put(0, 5).put(0xFFFF, 16).put(0x7FFF, 16).put(0, 4)
        .put(0, 2).put(3, 2).put(0, 3).put(0x1F, 5).put(7, 8);
    Decoded report(129038, ais.out);
    EXPECT_EQ(report.value("User ID"), "244123456");
    EXPECT_EQ(report.value("Longitude"), "04\xB0 23.532000' E");
    EXPECT_EQ(report.value("Latitude"), "12\xB0 24.000000' S");
    EXPECT_EQ(report.value("COG"), "3.1416");
    EXPECT_EQ(report.value("SOG"), "5.15");
    EXPECT_EQ(report.value("Heading"), "Data not available");
    EXPECT_EQ(report.value("Rate of Turn"), "Data not available");
    EXPECT_EQ(report.value("Sequence ID"), "7");
}

TEST(N2KFieldInfo, FloatFieldsDecodeAsSinglePrecision)
{
    BitWriter w; // 129045 User Datum Settings: three deltas, then "Rotation in X" as float32 1.5
    w.put(0, 32).put(0, 32).put(0, 32).put(0x3FC00000u, 32).put(0x7FC00000u, 32);
    Decoded datum(129045, w.out);
    EXPECT_EQ(datum.value("Rotation in X"), "1.5");
    EXPECT_EQ(datum.value("Rotation in Y"), "Data not available"); // not a number
    EXPECT_EQ(datum.value("Rotation in X", true), "");
}

TEST(N2KFieldInfo, TextFieldsOffAByteBoundaryThrow)
{
    const LibN2KPGN_s* product = theLibN2K().findPgn(126996);
    const LibN2KField_s& modelId = product->fields[2];
    Bytes bytes(134, 0x41);
    const N2KPayload payload{126996, 134, bytes.data()};
    const N2KFieldInfo shifted(&payload, 1, 33, modelId);
    try {
        (void)shifted.valueText(false);
        FAIL() << "no exception";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "N2KFieldInfo::Unaligned Byte Access");
    }
}
