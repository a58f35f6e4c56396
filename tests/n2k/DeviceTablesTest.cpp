#include "n2k/DeviceTables.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace StandardsLib;

TEST(DeviceTables, CodecNamesAndBound)
{
    EXPECT_STREQ(codecName(0), "No Codec");
    EXPECT_STREQ(codecName(3), "QRD Codec 3/BST");
    EXPECT_STREQ(codecName(4), "QRD Codec 4/File");
    EXPECT_STREQ(codecName(5), "Unknown Codec ID");
    EXPECT_STREQ(codecName(0xFFFFFFFFu), "Unknown Codec ID");
}

TEST(DeviceTables, MicrocontrollerNamesAndBound)
{
    EXPECT_STREQ(microcontrollerName(0), "PIC 18F1220");
    EXPECT_STREQ(microcontrollerName(5), "Fuji 'F498");
    EXPECT_STREQ(microcontrollerName(12), "STM32F207_IGH");
    EXPECT_STREQ(microcontrollerName(13), "Unknown Microcontroller Architecture ID");
}

TEST(DeviceTables, HardwareProtocolCodes)
{
    EXPECT_STREQ(hardwareProtocolName(0), "Serial, NMEA 0183");
    EXPECT_STREQ(hardwareProtocolName(33), "CAN, J1939");
    EXPECT_STREQ(hardwareProtocolName(66), "Ethernet, OneNet");
    EXPECT_STREQ(hardwareProtocolName(2), "Unknown HP code");
    EXPECT_STREQ(hardwareProtocolName(67), "Unknown HP code");
}

TEST(DeviceTables, ModelSubIdRangesAndGaps)
{
    const struct {
        std::uint32_t id;
        const char* text;
    } cases[] = {
        {0, "RS232"}, {13, "WiFi"}, {14, "Unknown Model Sub ID (14)"}, {31, "Unknown Model Sub ID (31)"},
        {32, "5 Outputs"}, {41, "12 ISO Outs"}, {42, "Unknown Model Sub ID (42)"},
        {64, "Power & Drop"}, {67, "Pwr, Drop, PWM"}, {68, "Unknown Model Sub ID (68)"},
        {96, "150 kHz"}, {102, "000 kHz"}, {103, "Unknown Model Sub ID (103)"},
        {4294967295u, "Unknown Model Sub ID (4294967295)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(modelSubIdName(c.id), c.text) << c.id;
}

TEST(DeviceTables, ModelNamesAreDistinctAndBounded)
{
    std::set<std::string> names;
    for (std::uint32_t id = 0; id < modelCount; ++id) {
        const std::string name = modelName(id);
        EXPECT_FALSE(name.empty());
        EXPECT_NE(name, "Unknown Model ID");
        names.insert(name);
    }
    EXPECT_EQ(names.size(), 52u);
    EXPECT_STREQ(modelName(52), "Unknown Model ID");
}

TEST(DeviceTables, OperatingModeFixedTexts)
{
    EXPECT_STREQ(operatingModeName(52, 0), "Invalid Model ID");
    EXPECT_STREQ(operatingModeName(0xFFFF, 0), "Invalid Model ID");
    EXPECT_STREQ(operatingModeName(0, 0), "Korvane gateway normal transfer mode");
    EXPECT_STREQ(operatingModeName(6, 4), "Korvane bootloader programming flash");
    EXPECT_STREQ(operatingModeName(6, 7), "Unknown Op. Mode");
    EXPECT_STREQ(operatingModeName(15, 0), "Model ID not defined, cannot decode Op. Mode");
}
