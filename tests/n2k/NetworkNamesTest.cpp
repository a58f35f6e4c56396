#include "n2k/NetworkNames.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

using namespace StandardsLib;

namespace {
const std::string unknownManufacturer = "Unknown NMEA 2000 Manufacturer ID";
const std::string unknownV2000Class = "Unknown v2000 device class";
const std::string unknownV2000Function = "Unknown v2000 device function";
} // namespace

TEST(NetworkNames, IndustryGroupsAndBound)
{
    EXPECT_EQ(industryGroupName(0), "Global, applies to all");
    EXPECT_EQ(industryGroupName(1), "On-Highway Equipment");
    EXPECT_EQ(industryGroupName(2), "Agricultural & Forestry Equipment");
    EXPECT_EQ(industryGroupName(3), "Construction Equipment");
    EXPECT_EQ(industryGroupName(4), "Marine");
    EXPECT_EQ(industryGroupName(5), "Industrial-Process Control-Stationary");
    EXPECT_EQ(industryGroupName(6), "Reserved for future assignment");
    EXPECT_EQ(industryGroupName(7), "Not available");
    for (unsigned group : {8u, 9u, 10u, 255u})
        EXPECT_EQ(industryGroupName(static_cast<std::uint8_t>(group)), "Unknown Industry Group")
            << group;
}

TEST(NetworkNames, ManufacturerTableHas148AscendingRows)
{
    const auto rows = manufacturerRows();
    ASSERT_EQ(rows.size(), 148u);
    EXPECT_EQ(rows.front().code, 78);
    EXPECT_STREQ(rows.front().name, "FW Murphy");
    EXPECT_EQ(rows.back().code, 1863);
    EXPECT_STREQ(rows.back().name, "Faria Instruments");
    for (std::size_t i = 1; i < rows.size(); ++i)
        EXPECT_LT(rows[i - 1].code, rows[i].code) << "row " << i;
}

TEST(NetworkNames, EveryManufacturerRowIsFoundBySearch)
{
    // Every position of the halving search must be reachable, including both ends.
    for (const auto& row : manufacturerRows())
        EXPECT_EQ(manufacturerName(row.code), row.name) << row.code;
}

TEST(NetworkNames, ManufacturerNames)
{
    EXPECT_EQ(manufacturerName(78), "FW Murphy");
    EXPECT_EQ(manufacturerName(273), "Korvane");
    EXPECT_EQ(manufacturerName(1863), "Faria Instruments");
    EXPECT_EQ(manufacturerName(88), "Hemisphere GPS/Satloc Precision");
    EXPECT_EQ(manufacturerName(192), "Floscan Instrument Co., Inc.");
    EXPECT_EQ(manufacturerName(235), "SailorMade Marine Telemetry/Tetra Technology Ltd");
    EXPECT_EQ(manufacturerName(341), "B\xC3\xB6ning Automationstechnologie GmbH");
    EXPECT_EQ(manufacturerName(381), "B&G");
    EXPECT_EQ(manufacturerName(443), "VDO (aka Continental-Corporation)");
    EXPECT_EQ(manufacturerName(803), "Gill Sensors");
    EXPECT_EQ(manufacturerName(1850), "Teleflex Marine (SeaStar Solutions)");
    EXPECT_EQ(manufacturerName(1862), "Yamaha Marine (aka Sanshin Industries)");
}

TEST(NetworkNames, UnknownManufacturerCodes)
{
    // Below the first row, above the last, in gaps next to rows, and the full 11-bit and 16-bit ends.
    for (unsigned code : {0u, 1u, 77u, 79u, 276u, 804u, 1849u, 1864u, 2047u, 65535u})
        EXPECT_EQ(manufacturerName(static_cast<std::uint16_t>(code)), unknownManufacturer) << code;
}

TEST(NetworkNames, DeviceClassEditions)
{
    EXPECT_EQ(deviceClassName(30, 1300), "Power management and lighting systems");
    EXPECT_EQ(deviceClassName(30, 2100), "Electrical Distribution");
    EXPECT_EQ(deviceClassName(40, 0), "Steering systems");
    EXPECT_EQ(deviceClassName(40, 2000), "Steering and Control Surfaces");
    EXPECT_EQ(deviceClassName(100, 1999), "Deck, cargo, and fishing equipment systems");
    EXPECT_EQ(deviceClassName(100, 2000), "Deck, Cargo and Fishing Equipment");
    EXPECT_EQ(deviceClassName(90, 1300), "Environmental (HVAC) systems");
    EXPECT_EQ(deviceClassName(90, 65535), "Internal Environment");
    // Rows with the same text in both editions.
    for (std::uint16_t version : {std::uint16_t{0}, std::uint16_t{2000}}) {
        EXPECT_EQ(deviceClassName(0, version), "Reserved");
        EXPECT_EQ(deviceClassName(10, version), "System Tools");
        EXPECT_EQ(deviceClassName(20, version), "Safety Systems");
        EXPECT_EQ(deviceClassName(25, version), "Internetwork Device");
        EXPECT_EQ(deviceClassName(80, version), "Instrumentation/General Systems");
    }
}

TEST(NetworkNames, DeviceClassEditionSwitchesAt2000)
{
    EXPECT_EQ(deviceClassName(50, 1999), "Propulsion systems");
    EXPECT_EQ(deviceClassName(50, 2000), "Propulsion");
    EXPECT_EQ(deviceClassName(60, 1999), "Navigation systems");
    EXPECT_EQ(deviceClassName(60, 2000), "Navigation");
    EXPECT_EQ(deviceClassName(70, 1999), "Communication systems");
    EXPECT_EQ(deviceClassName(70, 2001), "Communication");
}

TEST(NetworkNames, DeviceClassesOnlyInNewerEditionAnswerForOldVersions)
{
    const struct {
        std::uint8_t deviceClass;
        const char* text;
    } rows[] = {
        {35, "Electrical Generation"}, {75, "Sensor Communication Interface"},
        {85, "External Environment"},  {120, "Display"},
        {125, "Entertainment"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(deviceClassName(row.deviceClass, 1300), row.text) << int(row.deviceClass);
        EXPECT_EQ(deviceClassName(row.deviceClass, 2000), row.text) << int(row.deviceClass);
    }
}

TEST(NetworkNames, UnknownDeviceClassGivesNewerEditionText)
{
    for (unsigned deviceClass : {1u, 5u, 110u, 126u, 255u}) {
        const auto c = static_cast<std::uint8_t>(deviceClass);
        EXPECT_EQ(deviceClassName(c, 1300), unknownV2000Class) << deviceClass;
        EXPECT_EQ(deviceClassName(c, 2000), unknownV2000Class) << deviceClass;
    }
}

TEST(NetworkNames, DeviceFunctionEditions)
{
    EXPECT_EQ(deviceFunctionName(60, 145, 0), "Global Navigation Satellite System (GNSS)");
    EXPECT_EQ(deviceFunctionName(60, 145, 2000), "Ownship Position (GNSS)");
    EXPECT_EQ(deviceFunctionName(25, 130, 1300), "Gateway");
    EXPECT_EQ(deviceFunctionName(25, 130, 2000), "PC Gateway");
    EXPECT_EQ(deviceFunctionName(30, 140, 1300), "Load");
    EXPECT_EQ(deviceFunctionName(30, 140, 2000), "Load Controller");
    EXPECT_EQ(deviceFunctionName(60, 205, 1300),
              "Electronic Chart Display & Information System (ECDIS)");
    EXPECT_EQ(deviceFunctionName(70, 190, 1300), "Radiotelephone (VHF)");
    EXPECT_EQ(deviceFunctionName(70, 190, 2000), "Radiotelephone");
    EXPECT_EQ(deviceFunctionName(80, 200, 1300), "NMEA 0183 Converter");
    // Same text in both editions.
    EXPECT_EQ(deviceFunctionName(40, 130, 1300), "Follow-up Controller");
    EXPECT_EQ(deviceFunctionName(40, 130, 2000), "Follow-up Controller");
}

TEST(NetworkNames, DeviceFunctionEditionSwitchesAt2000)
{
    EXPECT_EQ(deviceFunctionName(50, 150, 1999), "Engine Controller");
    EXPECT_EQ(deviceFunctionName(50, 150, 2000), "Engine Controller [D]");
    EXPECT_EQ(deviceFunctionName(40, 150, 1999), "Automatic Steering Controller");
    EXPECT_EQ(deviceFunctionName(40, 150, 2000), "Autopilot");
}

TEST(NetworkNames, OlderEditionEmptyTextStands)
{
    // Navigation function 140 is listed with an empty text in the older edition, so it does not
    // fall through to the newer edition's text.
    EXPECT_EQ(deviceFunctionName(60, 140, 1300), "");
    EXPECT_EQ(deviceFunctionName(60, 140, 1999), "");
    EXPECT_EQ(deviceFunctionName(60, 140, 2000), "Ownship Attitude");
}

TEST(NetworkNames, PairsMissingFromOlderEditionFallBackToNewer)
{
    EXPECT_EQ(deviceFunctionName(10, 130, 1300), "Diagnostic Tool");
    EXPECT_EQ(deviceFunctionName(0, 140, 1300), "Bus Traffic Logger");
    EXPECT_EQ(deviceFunctionName(20, 135, 1300), "Man Overboard");
    EXPECT_EQ(deviceFunctionName(25, 137, 1300), "NMEA 2000 Wireless Gateway");
    EXPECT_EQ(deviceFunctionName(30, 150, 1300), "function_ Controller");
    EXPECT_EQ(deviceFunctionName(35, 161, 1300), "Power Converter - Battery Charger & Inverter");
    EXPECT_EQ(deviceFunctionName(60, 230, 1300), "Voyage Status");
    EXPECT_EQ(deviceFunctionName(75, 170, 1300), "Humidity");
    EXPECT_EQ(deviceFunctionName(125, 140, 1300), "Multimedia Controller");
}

TEST(NetworkNames, NewerEditionDeprecatedSuffix)
{
    EXPECT_EQ(deviceFunctionName(20, 110, 2000), "Alarm Enunciator [D]");
    EXPECT_EQ(deviceFunctionName(120, 140, 2000), "Alarm Enunciator");
    EXPECT_EQ(deviceFunctionName(40, 160, 2000), "Heading Sensors [D]");
    EXPECT_EQ(deviceFunctionName(40, 160, 1300), "Heading Sensors");
    EXPECT_EQ(deviceFunctionName(50, 210, 2000), "Gauge Small [D]");
    EXPECT_EQ(deviceFunctionName(60, 220, 2000), "Direction Finder [D]");
    EXPECT_EQ(deviceFunctionName(70, 180, 2000), "Radio-telephone (MF/HF) [D]");
    EXPECT_EQ(deviceFunctionName(70, 180, 1300), "Radio-telephone (MF/HF)");
    EXPECT_EQ(deviceFunctionName(80, 140, 2000), "VDR [D]");
    EXPECT_EQ(deviceFunctionName(80, 190, 2000), "Transducer/General [D]");
}

TEST(NetworkNames, ClassesZeroAndTenShareFunctions)
{
    for (std::uint8_t deviceClass : {std::uint8_t{0}, std::uint8_t{10}}) {
        EXPECT_EQ(deviceFunctionName(deviceClass, 120, 2000), "NMEA 2000 Certification Tool");
        EXPECT_EQ(deviceFunctionName(deviceClass, 121, 2000), "NMEA OneNet Certification Tool");
        EXPECT_EQ(deviceFunctionName(deviceClass, 122, 2000),
                  "NMEA Network Gateway Cert. Tool - OneNet/2000 Interface");
    }
}

TEST(NetworkNames, FunctionIsLookedUpOnlyInItsOwnClass)
{
    // 145 is a navigation function; under the generation class it is unknown, and vice versa.
    EXPECT_EQ(deviceFunctionName(35, 145, 2000), "Network Power Supply");
    EXPECT_EQ(deviceFunctionName(30, 145, 2000), unknownV2000Function);
    EXPECT_EQ(deviceFunctionName(35, 130, 1300), unknownV2000Function);
    EXPECT_EQ(deviceFunctionName(90, 140, 1300), unknownV2000Function);
    EXPECT_EQ(deviceFunctionName(100, 130, 1300), "Scale (Catch)");
    EXPECT_EQ(deviceFunctionName(85, 160, 2000), "Aquatic");
    EXPECT_EQ(deviceFunctionName(85, 140, 2000), unknownV2000Function);
}

TEST(NetworkNames, UnknownFunctionPairs)
{
    // Neither edition lists these; the older edition's miss always ends in the newer edition's text.
    EXPECT_EQ(deviceFunctionName(25, 170, 1300), unknownV2000Function);
    EXPECT_EQ(deviceFunctionName(25, 170, 2000), unknownV2000Function);
    EXPECT_EQ(deviceFunctionName(60, 0, 0), unknownV2000Function);
    EXPECT_EQ(deviceFunctionName(60, 255, 2000), unknownV2000Function);
    EXPECT_EQ(deviceFunctionName(255, 130, 1300), unknownV2000Function);
    EXPECT_EQ(deviceFunctionName(1, 130, 2000), unknownV2000Function);
}
