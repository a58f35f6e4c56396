#include "n2k/FieldExtract.h"

#include <gtest/gtest.h>

#include <vector>

using namespace StandardsLib;

namespace {

N2KPayload payloadOf(const std::vector<std::uint8_t>& bytes)
{
    return {0, static_cast<std::uint32_t>(bytes.size()), bytes.data()};
}

} // namespace

TEST(ExtractBits, ShiftsAcrossBytes)
{
    std::vector<std::uint8_t> bytes = {0xAB, 0xCD, 0xEF, 0x12};
    DecimalValue v = extractBits(payloadOf(bytes), 4, 12, false);
    EXPECT_EQ(v.mantissa, 0xCDA);
    EXPECT_EQ(v.status, StatusValid);
    EXPECT_EQ(v.exponent, 0);
    EXPECT_EQ(v.multiplier, 1);
    EXPECT_EQ(extractBits(payloadOf(bytes), 0, 32, false).mantissa, 0x12EFCDAB);
    EXPECT_EQ(extractBits(payloadOf(bytes), 3, 1, false).mantissa, 1);
}

TEST(ExtractBits, CheckRecognisesTopValues)
{
    std::vector<std::uint8_t> bytes = {0x0F, 0x0E, 0x02};
    EXPECT_EQ(extractBits(payloadOf(bytes), 0, 4, true).status, StatusDataNotAvailable);
    EXPECT_EQ(extractBits(payloadOf(bytes), 8, 4, true).status, StatusOutOfRange);
    EXPECT_EQ(extractBits(payloadOf(bytes), 16, 4, true).status, StatusValid);
    EXPECT_EQ(extractBits(payloadOf(bytes), 0, 4, false).status, StatusValid);
    EXPECT_EQ(extractBits(payloadOf(bytes), 0, 4, false).mantissa, 15);
}

TEST(ExtractBits, WideOrCutFieldsAreNotAvailable)
{
    std::vector<std::uint8_t> bytes(8, 0x11);
    EXPECT_EQ(extractBits(payloadOf(bytes), 0, 57, false).status, StatusDataNotAvailable);
    EXPECT_EQ(extractBits(payloadOf(bytes), 0, 56, false).status, StatusValid);
    // 4 bits from bit 62 run past the 64th bit of the payload.
    DecimalValue cut = extractBits(payloadOf(bytes), 62, 4, false);
    EXPECT_EQ(cut.status, StatusDataNotAvailable);
    EXPECT_EQ(extractBits(payloadOf(bytes), 60, 4, false).status, StatusValid);
    EXPECT_EQ(extractBits({0, 0, nullptr}, 0, 4, false).status, StatusDataNotAvailable);
}

TEST(ExtractBytes, UnsignedTopValues)
{
    struct Case {
        std::vector<std::uint8_t> bytes;
        std::int64_t mantissa;
        std::uint32_t status;
    };
    const Case cases[] = {
        {{0xFF, 0xFF}, 0xFFFF, StatusDataNotAvailable},
        {{0xFE, 0xFF}, 0xFFFE, StatusOutOfRange},
        {{0xFD, 0xFF}, 0xFFFD, StatusReserved},
        {{0xFC, 0xFF}, 0xFFFC, StatusValid},
        {{0xE8, 0x03}, 1000, StatusValid},
    };
    for (const auto& c : cases) {
        DecimalValue v = extractBytes(payloadOf(c.bytes), 0, 16, false);
        EXPECT_EQ(v.mantissa, c.mantissa);
        EXPECT_EQ(v.status, c.status);
    }
}

TEST(ExtractBytes, SignedExtendsAndKnowsItsTop)
{
    std::vector<std::uint8_t> bytes = {0xFF, 0x7F, 0x00, 0x80, 0x18, 0xFC, 0xFF, 0xFF, 0xFF};
    EXPECT_EQ(extractBytes(payloadOf(bytes), 0, 16, true).status, StatusDataNotAvailable);
    DecimalValue mostNegative = extractBytes(payloadOf(bytes), 16, 16, true);
    EXPECT_EQ(mostNegative.mantissa, -32768);
    EXPECT_EQ(mostNegative.status, StatusValid);
    EXPECT_EQ(extractBytes(payloadOf(bytes), 32, 16, true).mantissa, -1000);
    EXPECT_EQ(extractBytes(payloadOf(bytes), 32, 24, true).mantissa, static_cast<std::int32_t>(0xFFFFFC18) | 0);
    EXPECT_EQ(extractBytes(payloadOf(bytes), 40, 32, true).mantissa, -4);
}

TEST(ExtractBytes, IgnoresTheOffsetsLowBits)
{
    std::vector<std::uint8_t> bytes = {0x00, 0x34, 0x12};
    EXPECT_EQ(extractBytes(payloadOf(bytes), 13, 16, false).mantissa, 0x1234);
}

TEST(ExtractBytes, SixtyFourBits)
{
    std::vector<std::uint8_t> bytes(8, 0xFF);
    EXPECT_EQ(extractBytes(payloadOf(bytes), 0, 64, false).status, StatusDataNotAvailable);
    EXPECT_EQ(extractBytes(payloadOf(bytes), 0, 64, true).mantissa, -1);
    EXPECT_EQ(extractBytes(payloadOf(bytes), 0, 64, true).status, StatusValid);
    bytes[0] = 0xF0;   // beyond what a signed mantissa can carry
    EXPECT_EQ(extractBytes(payloadOf(bytes), 0, 64, false).status, StatusOverflow);
    bytes[7] = 0x7F;
    EXPECT_EQ(extractBytes(payloadOf(bytes), 0, 64, true).status, StatusValid);
}

TEST(ExtractBytes, WideOrCutFieldsAreNotAvailable)
{
    std::vector<std::uint8_t> bytes = {0x01, 0x02, 0x03};
    EXPECT_EQ(extractBytes(payloadOf(bytes), 0, 72, false).status, StatusDataNotAvailable);
    // A 16-bit field at byte 2 of a 3-byte payload has only its low byte.
    DecimalValue cut = extractBytes(payloadOf(bytes), 16, 16, false);
    EXPECT_EQ(cut.status, StatusDataNotAvailable);
    EXPECT_EQ(extractBytes(payloadOf(bytes), 16, 8, false).mantissa, 3);
    EXPECT_EQ(extractBytes(payloadOf(bytes), 24, 8, false).status, StatusDataNotAvailable);
}
