#include "n2k/NetworkNames.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <tuple>

using namespace StandardsLib;

TEST(NetworkNames, IndustryGroupsAndBound)
{
    const char* groups[] = {"Global, applies to all", "On-Highway Equipment", "Agricultural & Forestry Equipment",
                            "Construction Equipment", "Marine", "Industrial-Process Control-Stationary",
                            "Reserved for future assignment", "Not available"};
    for (std::uint8_t group = 0; group < 8; ++group)
        EXPECT_EQ(industryGroupName(group), groups[group]) << int(group);
    for (unsigned group : {8u, 255u})
        EXPECT_EQ(industryGroupName(static_cast<std::uint8_t>(group)), "Unknown Industry Group") << group;
}

// 148 rows in ascending code order, each found by the halving search (both ends included); codes
// below the first, above the last, in gaps next to rows and at the 11- and 16-bit ends are unknown.
TEST(NetworkNames, ManufacturerNames)
{
    const auto rows = manufacturerRows();
    ASSERT_EQ(rows.size(), 148u);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(manufacturerName(rows[i].code), rows[i].name) << rows[i].code;
        if (i > 0) {
            EXPECT_LT(rows[i - 1].code, rows[i].code) << "row " << i;
        }
    }
    const std::pair<std::uint16_t, const char*> cases[] = {
        {78, "FW Murphy"}, {1863, "Faria Instruments"}, {341, "B\xC3\xB6ning Automationstechnologie GmbH"},
    };
    for (const auto& [code, name] : cases)
        EXPECT_EQ(manufacturerName(code), name) << code;
    for (unsigned code : {0u, 77u, 79u, 276u, 804u, 1849u, 1864u, 2047u, 65535u})
        EXPECT_EQ(manufacturerName(static_cast<std::uint16_t>(code)), "Unknown NMEA 2000 Manufacturer ID") << code;
}

// The older edition's text below database version 2000, the newer edition's from 2000 on and for
// classes the older edition does not list; unknown classes get the newer edition's text.
TEST(NetworkNames, DeviceClassEditions)
{
    const std::tuple<std::uint8_t, std::uint16_t, const char*> cases[] = {
        {30, 1300, "Power management and lighting systems"}, {30, 2100, "Electrical Distribution"},
        {40, 0, "Steering systems"},                         {90, 65535, "Internal Environment"},
        {100, 1999, "Deck, cargo, and fishing equipment systems"}, {100, 2000, "Deck, Cargo and Fishing Equipment"},
        {0, 0, "Reserved"},   {35, 1300, "Electrical Generation"}, {125, 2000, "Entertainment"},
        {1, 1300, "Unknown v2000 device class"}, {126, 1300, "Unknown v2000 device class"},
        {255, 2000, "Unknown v2000 device class"},
    };
    for (const auto& [deviceClass, version, text] : cases)
        EXPECT_EQ(deviceClassName(deviceClass, version), text) << int(deviceClass) << " v" << version;
}

// Functions are looked up in their own class only. Below version 2000 the older edition answers
// (an empty text it lists stands); pairs it lacks fall back to the newer edition, which marks
// deprecated functions "[D]"; classes 0 and 10 share their functions.
TEST(NetworkNames, DeviceFunctionEditions)
{
    const char* unknown = "Unknown v2000 device function";
    const std::tuple<std::uint8_t, std::uint8_t, std::uint16_t, const char*> cases[] = {
        {60, 145, 0, "Global Navigation Satellite System (GNSS)"}, {60, 145, 2000, "Ownship Position (GNSS)"},
        {25, 130, 1300, "Gateway"},                   {25, 130, 2000, "PC Gateway"},
        {50, 150, 1999, "Engine Controller"},         {50, 150, 2000, "Engine Controller [D]"},
        {40, 150, 1999, "Automatic Steering Controller"}, {40, 150, 2000, "Autopilot"},
        {60, 140, 1999, ""},                          {60, 140, 2000, "Ownship Attitude"},
        {10, 130, 1300, "Diagnostic Tool"},           {0, 140, 1300, "Bus Traffic Logger"},
        {20, 110, 2000, "Alarm Enunciator [D]"},      {120, 140, 2000, "Alarm Enunciator"},
        {0, 121, 2000, "NMEA OneNet Certification Tool"}, {10, 121, 2000, "NMEA OneNet Certification Tool"},
        {35, 145, 2000, "Network Power Supply"},      {30, 145, 2000, unknown},
        {35, 130, 1300, unknown},                     {100, 130, 1300, "Scale (Catch)"},
        {85, 160, 2000, "Aquatic"},                   {85, 140, 2000, unknown},
        {60, 0, 0, unknown},                          {60, 255, 2000, unknown},
        {255, 130, 1300, unknown},                    {1, 130, 2000, unknown},
    };
    for (const auto& [deviceClass, function, version, text] : cases)
        EXPECT_EQ(deviceFunctionName(deviceClass, function, version), text)
            << int(deviceClass) << "/" << int(function) << " v" << version;
}
