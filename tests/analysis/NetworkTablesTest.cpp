// The devices and statistics tables of a small generated network, worked out by hand, and the
// readers of the device payloads on short and malformed bytes.
#include "analysis/BusLoadSeries.h"
#include "analysis/NetworkColumns.h"
#include "log/ElementTime.h"
#include "support/LoadedLog.h"
#include "support/NetworkLog.h"

#include <gtest/gtest.h>

using namespace ZrlAnalysis;

namespace {

template <typename Row>
std::vector<std::string> toolLines(std::span<const TableColumn<Row>> columns, const std::vector<Row>& rows)
{
    std::vector<std::string> lines;
    for (const Row& row : rows) {
        std::string line;
        for (const auto& column : columns)
            if (column.tool)
                line += (line.empty() ? "" : "|") + column.cell(row);
        lines.push_back(line);
    }
    return lines;
}

template <typename... Progress>
NetworkTables networkTables(Progress... progress)
{
    return analyseNetwork(ZrlTest::LoadedLog(ZrlTest::networkLog()).document, progress...);
}

}  // namespace

TEST(NetworkTables, DevicesOfTheGeneratedNetwork)
{
    const NetworkTables tables = networkTables();
    const std::vector<std::string> expected = {
        "10|C07891001CA03039|Garmin (229)|Ownship Position (GNSS)|Navigation|0|GPS 19x|5.60|1A2B3C|"
        "2024-01-01T12:00:00.000Z|2024-01-01T12:00:00.600Z|7|60928 126996 129025",
        "20|||||||||2024-01-01T12:00:00.250Z|2024-01-01T12:00:01.450Z|4|128267",
        "30|C2788C0110E00309|Airmar (135)|Ownship Attitude|Navigation|1||||"
        "2024-01-01T12:00:00.150Z|2024-01-01T12:00:00.450Z|3|60928 126998 127250",
        // Product information of database version 1.300: the older edition names class and function.
        "30|C078820311201092|Maretron (137)|Sounder, depth|Navigation systems|3|DST-1|2.0.1|SN-99|"
        "2024-01-01T12:00:01.000Z|2024-01-01T12:00:01.200Z|3|60928 126996 127250",
        "31|C2788C0110E00309|Airmar (135)|Ownship Attitude|Navigation|1||||"
        "2024-01-01T12:00:01.050Z|2024-01-01T12:00:01.250Z|2|60928 127250",
        "40|||||||||2024-01-01T12:00:01.500Z|2024-01-01T12:00:01.500Z|1|127250",
    };
    EXPECT_EQ(toolLines(deviceColumns(), tables.devices), expected);

    // Cells of columns the tool does not print (a missing header adds nothing, so fails too).
    const auto cells = [&](std::size_t device, const std::vector<std::string>& headers) {
        std::string texts;
        for (const std::string& header : headers)
            for (const auto& column : deviceColumns())
                texts += column.header == header ? column.cell(tables.devices[device]) + "|" : "";
        return texts;
    };
    EXPECT_EQ(cells(2, {"Installation1", "Installation2", "SystemInstance"}), "Mast head|Starboard|2|");
    EXPECT_EQ(cells(3, {"N2kVersion", "LoadEquivalency"}) + cells(0, {"UniqueNumber"}), "1.300|3|12345|");

    ASSERT_EQ(tables.addressChanges.size(), 1u) << "a NAME moving to a free address is no conflict";
    EXPECT_EQ(addressChangeText(tables.addressChanges[0]),
              "Address 30 claimed by NAME C078820311201092 at 2024-01-01T12:00:01.000Z, held before by NAME "
              "C2788C0110E00309: address change or conflict");
}

TEST(NetworkTables, StatisticsOfTheGeneratedNetwork)
{
    const NetworkTables tables = networkTables();
    const std::vector<std::string> expected = {
        "60928|10|ISO Address Claim|1|||||",
        "126996|10|Product Information|1|||||",
        "60928|30|ISO Address Claim|2|1.176|850.000|850.000|850.000|2024-01-01T12:00:01.000Z",
        "126998|30|Configuration Information|1|||||",
        "129025|10|Position, Rapid Update|5|10.000|100.000|100.000|100.000|2024-01-01T12:00:00.300Z",
        "128267|20|Water Depth|4|2.500|100.000|400.000|1000.000|2024-01-01T12:00:01.350Z",
        "127250|30|Vessel Heading|2|1.333|750.000|750.000|750.000|2024-01-01T12:00:01.200Z",
        "60928|31|ISO Address Claim|1|||||",
        "126996|30|Product Information|1|||||",
        "127250|31|Vessel Heading|1|||||",
        "127250|40|Vessel Heading|1|||||",
    };
    EXPECT_EQ(toolLines(statisticsColumns(), tables.statistics), expected);

    // Bus load, frames per second: 10 single frames, a 134-byte product information (20
    // frames) and a 32-byte configuration information (5) in the first second; 7 single
    // frames and another product information in the next.
    ASSERT_EQ(tables.busLoad.frames, (std::vector<std::uint32_t>{10 + 20 + 5, 7 + 20}));
    EXPECT_EQ(tables.busLoad.bits[1], 7u * (67 + 64) + 20u * (67 + 64));

    // The same as plot series: one point a second, standing for no message.
    const BusLoadSeries series = busLoadSeries(tables.busLoad);
    ASSERT_EQ(series.frames.size(), 2u);
    EXPECT_EQ(series.frames[1].time - series.frames[0].time, 1.0);
    EXPECT_EQ(series.frames[1].value, 27.0);
    EXPECT_DOUBLE_EQ(series.share[1].value, 100.0 * 27 * (67 + 64) / 250000.0);
    EXPECT_EQ(series.share[0].line, SeriesPoint::noLine);
}

TEST(NetworkTables, CancelledPassKeepsWhatItBuilt)
{
    std::size_t calls = 0;
    const NetworkTables tables = networkTables([&](std::size_t done, std::size_t total) {
        EXPECT_LE(done, total);
        return ++calls > 1;
    });
    EXPECT_TRUE(tables.devices.empty());
    EXPECT_EQ(calls, 2u) << "a stop at the first report, then the final report";
}

TEST(DeviceInformation, TextsAndMalformedPayloads)
{
    std::vector<std::uint8_t> product(134, 0xFF);
    EXPECT_TRUE(readProductInformation(product.data(), 134).has_value());
    EXPECT_FALSE(readProductInformation(product.data(), 133).has_value()) << "one byte short";

    // Length bytes counting themselves: a text of 3, a UTF-16 text of 2 characters, then one
    // whose length reaches past the payload.
    const std::vector<std::uint8_t> config{5, 1, 'a', 'b', 'c', 6, 0, 'h', 0, 0xE9, 0, 9, 1, 'x'};
    const auto read = readConfigurationInformation(config.data(), static_cast<std::uint32_t>(config.size()));
    ASSERT_TRUE(read.has_value());
    // The second text is ISO 8859-1, as text fields read.
    EXPECT_EQ(read->installation1 + "|" + read->installation2 + "|" + read->manufacturerInformation, "abc|h\xE9|");
    for (std::uint32_t cut = 0; cut < 5; ++cut)
        EXPECT_FALSE(readConfigurationInformation(config.data(), cut).has_value()) << cut;
    const std::uint8_t tooShort[] = {1, 1};
    EXPECT_FALSE(readConfigurationInformation(tooShort, 2).has_value()) << "a length below its own two bytes";
}

TEST(DeviceName, FieldsOfTheNameBits)
{
    const std::uint8_t payload[8] = {0x39, 0x30, 0xA0, 0x1C, 0x07, 0x91, 0x78, 0xC5};
    const DeviceName n = decodeDeviceName(payload);
    EXPECT_EQ(n.raw, 0xC57891071CA03039ull);
    const unsigned fields[] = {n.uniqueNumber, n.manufacturerCode, n.deviceInstance, n.deviceFunction, n.deviceClass, n.systemInstance, n.industryGroup, n.arbitraryAddressCapable};
    EXPECT_EQ(std::vector<unsigned>(std::begin(fields), std::end(fields)), (std::vector<unsigned>{12345, 229, 7, 145, 60, 5, 4, 1}));
}

TEST(IsoTimeText, CalendarBoundaries)
{
    const struct {
        std::uint64_t fileTime;
        const char* text;
    } cases[] = {
        {0, "1601-01-01T00:00:00.000Z"},
        {ZrlTest::fileTimeUtc(2024, 2, 29, 23, 59, 59, 999), "2024-02-29T23:59:59.999Z"},
        {ZrlTest::fileTimeUtc(2024, 3, 1, 0, 0, 0), "2024-03-01T00:00:00.000Z"},
        {ZrlTest::fileTimeUtc(2000, 12, 31, 12, 0, 0, 5), "2000-12-31T12:00:00.005Z"},
        {ZrlTest::fileTimeUtc(2100, 3, 1, 0, 0, 0), "2100-03-01T00:00:00.000Z"},
        {0x8000000000000000ull, "Time Error"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(KelpLib::isoTimeText(c.fileTime), c.text);
}
