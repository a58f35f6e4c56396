#include "n2k/FieldExtract.h"

#include <gtest/gtest.h>

#include <vector>

using namespace StandardsLib;

namespace {

using Bytes = std::vector<std::uint8_t>;

std::string described(const DecimalValue& v) { return std::to_string(v.mantissa) + " s" + std::to_string(v.status); }

struct Case {
    Bytes bytes;
    std::uint32_t offset;
    std::uint32_t width;
    bool flag; // extractBits: check the top values; extractBytes: signed
    const char* out; // mantissa and status (0 valid, 2 out of range, 4 not available, 9 overflow, 10 reserved)
};

} // namespace

// Bit fields: shifted across bytes, top values only when checked, at most 56 bits, never past the
// payload's last bit.
TEST(ExtractBits, ValuesTopValuesAndBounds)
{
    const Bytes abcd = {0xAB, 0xCD, 0xEF, 0x12};
    const Case cases[] = {
        {abcd, 4, 12, false, "3290 s0"},  {abcd, 0, 32, false, "317705643 s0"}, {abcd, 3, 1, false, "1 s0"},
        {{0x0F, 0x0E, 0x02}, 0, 4, true, "15 s4"}, {{0x0F, 0x0E, 0x02}, 8, 4, true, "14 s2"},
        {{0x0F, 0x0E, 0x02}, 16, 4, true, "2 s0"}, {{0x0F, 0x0E, 0x02}, 0, 4, false, "15 s0"},
        {Bytes(8, 0x11), 0, 57, false, "0 s4"}, {Bytes(8, 0x11), 0, 56, false, "4803839602528529 s0"},
        {Bytes(8, 0x11), 62, 4, false, "0 s4"}, {Bytes(8, 0x11), 60, 4, false, "1 s0"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(described(extractBits({0, std::uint32_t(c.bytes.size()), c.bytes.data()}, c.offset, c.width, c.flag)), c.out)
            << c.offset << "+" << c.width;
    EXPECT_EQ(extractBits({0, 0, nullptr}, 0, 4, false).status, StatusDataNotAvailable);
}

// Whole-byte fields: the offset's low bits are ignored, signed fields extend their sign and know
// their own top, 64 bits beyond a signed mantissa overflow, cut fields are not available.
TEST(ExtractBytes, ValuesTopValuesAndBounds)
{
    const Bytes s = {0xFF, 0x7F, 0x00, 0x80, 0x18, 0xFC, 0xFF, 0xFF, 0xFF};
    Bytes ones(8, 0xFF), high = ones, positive = ones;
    high[0] = 0xF0;
    positive[0] = 0xF0, positive[7] = 0x7F;
    const Case cases[] = {
        {{0xFF, 0xFF}, 0, 16, false, "65535 s4"}, {{0xFE, 0xFF}, 0, 16, false, "65534 s2"},
        {{0xFD, 0xFF}, 0, 16, false, "65533 s10"}, {{0xFC, 0xFF}, 0, 16, false, "65532 s0"},
        {{0xE8, 0x03}, 0, 16, false, "1000 s0"}, {{0x00, 0x34, 0x12}, 13, 16, false, "4660 s0"},
        {s, 0, 16, true, "32767 s4"}, {s, 16, 16, true, "-32768 s0"}, {s, 32, 16, true, "-1000 s0"},
        {s, 32, 24, true, "-1000 s0"}, {s, 40, 32, true, "-4 s0"},
        {ones, 0, 64, false, "-1 s4"}, {ones, 0, 64, true, "-1 s0"}, {high, 0, 64, false, "-16 s9"},
        {positive, 0, 64, true, "9223372036854775792 s0"},
        {{0x01, 0x02, 0x03}, 0, 72, false, "0 s4"}, {{0x01, 0x02, 0x03}, 16, 16, false, "0 s4"},
        {{0x01, 0x02, 0x03}, 16, 8, false, "3 s0"}, {{0x01, 0x02, 0x03}, 24, 8, false, "0 s4"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(described(extractBytes({0, std::uint32_t(c.bytes.size()), c.bytes.data()}, c.offset, c.width, c.flag)), c.out)
            << c.offset << "+" << c.width << (c.flag ? " signed" : "");
}
