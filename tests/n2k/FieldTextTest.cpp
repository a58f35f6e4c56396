#include "n2k/FieldText.h"

#include <gtest/gtest.h>

#include <vector>

using namespace StandardsLib;

TEST(LatitudeText, DegreesMinutesHemisphere)
{
    EXPECT_EQ(latitudeText({-338568000, -7, 1, StatusValid}), "33\xB0 51.408000' S");
    EXPECT_EQ(latitudeText({338568000, -7, 1, StatusValid}), "33\xB0 51.408000' N");
    EXPECT_EQ(latitudeText({0, -7, 1, StatusValid}), "00\xB0 00.000000' N");
    EXPECT_EQ(longitudeText({1512093000, -7, 1, StatusValid}), "151\xB0 12.558000' E");
    EXPECT_EQ(longitudeText({-12345678, -7, 1, StatusValid}), "01\xB0 14.074068' W");
    EXPECT_EQ(latitudeText({-338568000000000000LL, -16, 1, StatusValid}), "33\xB0 51.408000' S");
}

// Days since 1970 across leap days of 1972 and 2024, and the first day before 1968 refused.
TEST(DateText, DayCounts)
{
    const std::pair<std::int64_t, const char*> cases[] = {
        {0, "01/01/1970"},    {59, "01/03/1970"},   {788, "28/02/1972"},        {789, "29/02/1972"},
        {19723, "01/01/2024"}, {19723 + 59, "29/02/2024"}, {19723 + 60, "01/03/2024"}, {19723 + 365, "31/12/2024"},
        {-731, "01/01/1968"}, {-732, "Invalid"},
    };
    for (const auto& [days, text] : cases)
        EXPECT_EQ(dateText(days), text) << days;
}

TEST(TimeOfDayText, HoursRunOn)
{
    const std::pair<DecimalValue, const char*> cases[] = {
        {{0, -4, 1, StatusValid}, "00:00:00"},          {{1000000000, -4, 1, StatusValid}, "27:46:40"},
        {{453011234, -4, 1, StatusValid}, "12:35:01.123"}, {{5, -3, 1, StatusValid}, "00:00:00.005"},
        {{-65, 0, 1, StatusValid}, "-00:01:05"},        {{1, 20, 1, StatusValid}, "Overflow Error"},
    };
    for (const auto& [time, text] : cases)
        EXPECT_EQ(timeOfDayText(time), text) << time.mantissa;
}

TEST(DscAddressText, FiveBytesOfTwoDigits)
{
    std::vector<std::uint8_t> address = {0x23, 0x45, 0x01, 0x63, 0x09};
    EXPECT_EQ(dscAddressText(address.data(), address.size()), "3569019909");
    address[2] = 100;
    EXPECT_EQ(dscAddressText(address.data(), address.size()), "35699909");
    EXPECT_EQ(dscAddressText(address.data(), 4), "Error - DSC Message address not 5 bytes");
    EXPECT_EQ(dscAddressText(nullptr, 5), "Error - DSC Message address not 5 bytes");
}

TEST(CleanText, EndsAtFillOrNulAndDropsPaddingAndControls)
{
    using B = std::vector<std::uint8_t>;
    const struct {
        B bytes;
        const char* text;
    } cases[] = {
        {{'A', 'B', 'C', 0xFF, 0xFF, 'x'}, "ABC"},
        {{'S', 'N', '1', '2', 0x00, 0x8A, 'j', 'u', 'n', 'k'}, "SN12"}, // NUL-padded serial number
        {{'V', 'E', 'S', 'S', 'E', 'L', '@', '@', ' ', '@'}, "VESSEL"},  // AIS padding
        {{'a', 0x07, 'b', 0x0A, 0x9B, 'c', ' ', ' '}, "a b  c"},          // controls read as spaces
        {{'H', 'i', ' ', '@', 'x'}, "Hi @x"},
        {{0xB0}, "\xB0"},                                                   // ISO 8859-1 kept
    };
    for (const auto& c : cases)
        EXPECT_EQ(cleanText(c.bytes.data(), c.bytes.size()), c.text);
    EXPECT_EQ(cleanText(cases[0].bytes.data(), 0), "");
    EXPECT_EQ(cleanText(nullptr, 4), "");
    const B wide = {'O', 0, 'K', 0, 0x01, 0x04, ' ', 0, 0, 0, 'x', 0};
    EXPECT_EQ(cleanUtf16Text(wide.data(), wide.size()), "OK?");
}

TEST(BinaryDigitsText, KeepsLeadingZeros)
{
    EXPECT_EQ(binaryDigitsText(0x05, 8), "00000101");
    EXPECT_EQ(binaryDigitsText(0x1FFFFF, 21), std::string(21, '1'));
    EXPECT_EQ(binaryDigitsText(~0ULL, 64), std::string(64, '1'));
    EXPECT_EQ(binaryDigitsText(~0ULL, 70), std::string(64, '1'));
    EXPECT_EQ(binaryDigitsText(1, 0), "");
}
