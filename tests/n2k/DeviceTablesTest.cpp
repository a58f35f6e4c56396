#include "n2k/DeviceTables.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace StandardsLib;

// First and last entries of each device table and the text past its end.
TEST(DeviceTables, NamesAndBounds)
{
    const std::pair<std::string, const char*> cases[] = {
        {codecName(0), "No Codec"},
        {codecName(4), "QRD Codec 4/File"},
        {codecName(5), "Unknown Codec ID"},
        {codecName(0xFFFFFFFFu), "Unknown Codec ID"},
        {microcontrollerName(0), "PIC 18F1220"},
        {microcontrollerName(12), "STM32F207_IGH"},
        {microcontrollerName(13), "Unknown Microcontroller Architecture ID"},
        {hardwareProtocolName(0), "Serial, NMEA 0183"},
        {hardwareProtocolName(33), "CAN, J1939"},
        {hardwareProtocolName(66), "Ethernet, OneNet"},
        {hardwareProtocolName(2), "Unknown HP code"},
        {hardwareProtocolName(67), "Unknown HP code"},
        {operatingModeName(52, 0), "Invalid Model ID"},
        {operatingModeName(0xFFFF, 0), "Invalid Model ID"},
        {operatingModeName(0, 0), "Korvane gateway normal transfer mode"},
        {operatingModeName(6, 4), "Korvane bootloader programming flash"},
        {operatingModeName(6, 7), "Unknown Op. Mode"},
        {operatingModeName(15, 0), "Model ID not defined, cannot decode Op. Mode"},
        {modelName(52), "Unknown Model ID"},
    };
    for (const auto& [got, expected] : cases)
        EXPECT_EQ(got, expected);
    std::set<std::string> names;
    for (std::uint32_t id = 0; id < modelCount; ++id)
        names.insert(modelName(id));
    EXPECT_EQ(names.size(), 52u);
    EXPECT_EQ(names.count("Unknown Model ID") + names.count(""), 0u);
}

TEST(DeviceTables, ModelSubIdRangesAndGaps)
{
    const std::pair<std::uint32_t, const char*> cases[] = {
        {0, "RS232"}, {13, "WiFi"}, {14, "Unknown Model Sub ID (14)"}, {31, "Unknown Model Sub ID (31)"},
        {32, "5 Outputs"}, {41, "12 ISO Outs"}, {42, "Unknown Model Sub ID (42)"},
        {64, "Power & Drop"}, {67, "Pwr, Drop, PWM"}, {68, "Unknown Model Sub ID (68)"},
        {96, "150 kHz"}, {102, "000 kHz"}, {103, "Unknown Model Sub ID (103)"},
        {4294967295u, "Unknown Model Sub ID (4294967295)"},
    };
    for (const auto& [id, text] : cases)
        EXPECT_EQ(modelSubIdName(id), text) << id;
}
