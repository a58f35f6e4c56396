#include "messages/BemDataTypes.h"
#include "messages/BemValueText.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace KelpLib;

namespace {

using Bytes = std::vector<std::uint8_t>;

// The value text of one field of `type` at `offset`, over a heap copy of exactly the payload
// bytes (so that a read past them is caught by the address sanitizer).
std::string text(std::uint32_t type, const Bytes& payload, std::uint32_t offset = 0, std::uint8_t width = 0,
                 std::uint32_t modelId = 0)
{
    const BemFieldDef field = {width ? width : bemDataType(type).width, type, 0, "field"};
    std::unique_ptr<std::uint8_t[]> copy(new std::uint8_t[payload.size() ? payload.size() : 1]);
    std::copy(payload.begin(), payload.end(), copy.get());
    BemValueSource source;
    source.payload = copy.get();
    source.payloadSize = static_cast<std::uint32_t>(payload.size());
    source.offset = offset;
    source.modelId = modelId;
    return bemValueText(field, source);
}

Bytes le(std::uint64_t value, unsigned width)
{
    Bytes bytes;
    for (unsigned i = 0; i < width; ++i)
        bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    return bytes;
}

Bytes chars(const std::string& s) { return Bytes(s.begin(), s.end()); }

} // namespace

TEST(BemValueText, GeneralIntegers)
{
    EXPECT_EQ(text(BemU8, {42}), "42");
    EXPECT_EQ(text(BemI8, {0xFE}), "-2");
    EXPECT_EQ(text(BemU16, le(0x1234, 2)), "4660");
    EXPECT_EQ(text(BemI16, le(0x8000, 2)), "-32768");
    EXPECT_EQ(text(BemU32, le(1, 4)), "1");
    EXPECT_EQ(text(BemI32, le(0xFFFFFFFF, 4)), "-1");
    EXPECT_EQ(text(BemU64, le(0x8000000000000000ULL, 8)), "9223372036854775808");
    EXPECT_EQ(text(BemI64, le(0xFFFFFFFFFFFFFF85ULL, 8)), "-123");
    EXPECT_EQ(text(BemCrcSize, {16}), "16");
    EXPECT_EQ(text(BemStructureData, le(7, 4), 0, 4), "7") << "structure data takes the field's width";
}

TEST(BemValueText, ReservedTopValuesShowTheirStatus)
{
    EXPECT_EQ(text(BemU8, {0xFF}), "Data not available");
    EXPECT_EQ(text(BemU8, {0xFE}), "Out of range");
    EXPECT_EQ(text(BemU8, {0xFD}), "RESERVED");
    EXPECT_EQ(text(BemU8, {0xFC}), "252");
    EXPECT_EQ(text(BemI16, le(0x7FFF, 2)), "Data not available");
    EXPECT_EQ(text(BemU64, le(~0ULL, 8)), "Data not available");
    EXPECT_EQ(text(BemVersion2, le(0xFFFF, 2)), "Data not available");
    EXPECT_EQ(text(BemDate, le(0xFFFF, 2)), "Data not available");
    EXPECT_EQ(text(BemTimeOfDay, le(0xFFFF, 2)), "Data not available");
    EXPECT_EQ(text(BemBoolean, {0xFF}), "Data not available");
    EXPECT_EQ(text(BemModelId, le(0xFFFF, 2)), "Data not available");
    EXPECT_EQ(text(BemMacAddress, le(~0ULL, 8)), "Data not available");
}

TEST(BemValueText, NumbersCutByThePayloadEndAreNotAvailable)
{
    EXPECT_EQ(text(BemU32, {1, 2, 3}), "Data not available");
    EXPECT_EQ(text(BemU16, {1, 2}, 1), "Data not available");
    EXPECT_EQ(text(BemU8, {1, 2}, 2), "Data not available");
    EXPECT_EQ(text(BemTxRate16, {0}), "Data not available") << "a rate of one byte is not a rate of 0";
    EXPECT_EQ(text(BemMacAddress, le(0, 7)), "Data not available");
    EXPECT_EQ(text(BemUniqueId, Bytes(11, 0)), "");
}

TEST(BemValueText, BooleanBinaryAndHex)
{
    EXPECT_EQ(text(BemBoolean, {1}), "True");
    EXPECT_EQ(text(BemBoolean, {0}), "False");
    EXPECT_EQ(text(BemBoolean, {2}), "(2)");
    EXPECT_EQ(text(BemBinary8, {0x05}), "00000101 (b)");
    EXPECT_EQ(text(BemBinary16, le(0x8001, 2)), "1000000000000001 (b)");
    EXPECT_EQ(text(BemBinary32, le(1, 4)), std::string(31, '0') + "1 (b)");
    EXPECT_EQ(text(BemHex16, le(0xAB, 2)), "0x00AB");
    EXPECT_EQ(text(BemHex32, le(0x12345678, 4)), "0x12345678");
    EXPECT_EQ(text(BemDecimalHex32, le(20240042, 4)), "20240042 / 0x0134D6AA");
    EXPECT_EQ(text(BemStructureId, le(4096, 4)), "4096 (0x1000)");
    EXPECT_EQ(text(BemMemoryBlocks, le(1024, 2)), "0x00040000") << "blocks of 256 bytes";
    EXPECT_EQ(text(BemStepOfMax, {3, 0, 10, 0}), "3 of 10");
    EXPECT_EQ(text(BemMacAddress, {0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E, 0x00, 0x00}), "00:1A:2B:3C:4D:5E:00:00");
    EXPECT_EQ(text(BemUniqueId, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}), "000102030405060708090A0B");
    EXPECT_EQ(text(BemCanName, {0x23, 0x01, 0xE0, 0x44, 0x00, 0x82, 0x32, 0xC0}), "0xC032820044E00123 (No breakdown)")
        << "a NAME with its top bit set is a valid value";
}

TEST(BemValueText, VersionsDatesAndTimes)
{
    EXPECT_EQ(text(BemVersion2, le(125, 2)), "v1.25");
    EXPECT_EQ(text(BemVersion2, le(7, 2)), "v0.07");
    EXPECT_EQ(text(BemVersion3, le(2105, 2)), "v2.105");
    EXPECT_EQ(text(BemDate, le(45292, 2)), "01/01/2024");
    EXPECT_EQ(text(BemTimeOfDay, le(32768, 2)), "12:00:00");
    EXPECT_EQ(text(BemTimeOfDay, le(49152, 2)), "18:00:00");
    EXPECT_EQ(text(BemTimeOfDay, le(0, 2)), "00:00:00");
    EXPECT_EQ(text(BemTimeOfDay, le(0xFFFE, 2)), "Out of range");
}

TEST(BemValueText, DateCountsFromFirstJanuary1900WithEveryFourthYearLeap)
{
    EXPECT_EQ(bemDateText(1), "01/01/1900");
    EXPECT_EQ(bemDateText(59), "28/02/1900");
    EXPECT_EQ(bemDateText(60), "29/02/1900");
    EXPECT_EQ(bemDateText(61), "01/03/1900");
    EXPECT_EQ(bemDateText(366), "31/12/1900");
    EXPECT_EQ(bemDateText(367), "01/01/1901");
    EXPECT_EQ(bemDateText(1461), "31/12/1903");
    EXPECT_EQ(bemDateText(1462), "01/01/1904");
    EXPECT_EQ(bemDateText(45292), "01/01/2024");
    EXPECT_EQ(bemDateText(45351), "29/02/2024");
    EXPECT_EQ(bemDateText(0), "00/01/1900");
}

TEST(BemValueText, RatesAndDurations)
{
    EXPECT_EQ(text(BemTxRate16, le(0, 2)), "Disabled (0)");
    EXPECT_EQ(text(BemTxRate16, le(65535, 2)), "Non-periodic (65535)");
    EXPECT_EQ(text(BemTxRate16, le(100, 2)), "100 milliseconds");
    EXPECT_EQ(text(BemTxRate32, le(0, 4)), "Disabled (0)");
    EXPECT_EQ(text(BemTxRate32, le(65535, 4)), "Non-periodic (65535)");
    EXPECT_EQ(text(BemTxRate32, le(70000, 4)), "70000 milliseconds");
    EXPECT_EQ(text(BemMillis16, le(250, 2)), "250 milliseconds");
    EXPECT_EQ(text(BemMillis32, le(1500, 4)), "1500 milliseconds");
    EXPECT_EQ(text(BemMicros32, le(125, 4)), "125 microseconds");
    EXPECT_EQ(text(BemTime100ps, le(12345, 8)), "1234500 picoseconds");
    EXPECT_EQ(text(BemSeconds32, le(90061, 4)), "90061 seconds (1 day, 1 hour, 1 minute) ");
}

TEST(BemValueText, SecondsNameDaysAndHoursOnlyWhenThereAreAny)
{
    EXPECT_EQ(bemSecondsText(59), "59 seconds (0 minutes) ");
    EXPECT_EQ(bemSecondsText(120), "120 seconds (2 minutes) ");
    EXPECT_EQ(bemSecondsText(7200), "7200 seconds (2 hours, 0 minutes) ");
    EXPECT_EQ(bemSecondsText(86400), "86400 seconds (1 day, 0 hours, 0 minutes) ");
    EXPECT_EQ(bemSecondsText(2 * 86400 + 3 * 3600 + 4 * 60 + 5), "183845 seconds (2 days, 3 hours, 4 minutes) ");
}

TEST(BemValueText, DeviceTableTexts)
{
    EXPECT_EQ(text(BemModelId, le(1, 2)), "Korvane serial gateway G-2 (1)");
    EXPECT_EQ(text(BemModelId, le(200, 2)), "Unknown Model ID (200)");
    EXPECT_EQ(text(BemModelSubId, le(3, 2)), "USB (3)");
    EXPECT_EQ(text(BemOperatingMode, le(1, 2), 0, 0, 0), "Korvane gateway NMEA 0183 to NMEA 2000 conversion mode (1)")
        << "the mode is a text of the message's model";
    EXPECT_EQ(text(BemOperatingMode, le(0, 2), 0, 0, 14), "Model ID not defined, cannot decode Op. Mode (0)");
    EXPECT_EQ(text(BemOperatingMode, le(0, 2), 0, 0, 52), "Invalid Model ID (0)");
    EXPECT_EQ(text(BemHardwareProtocol, {32}), "CAN, NMEA 2000 (32)");
    EXPECT_EQ(text(BemCodec, {3}), "QRD Codec 3/BST (3)");
    EXPECT_EQ(text(BemMicrocontroller, {9}), "STM32F107 (9)");
}

TEST(BemValueText, PgnsAndMaskSelectors)
{
    EXPECT_EQ(text(BemPgn24, {0xFF, 0xF8, 0x01}), "129279 (0x1F8FF)");
    EXPECT_EQ(text(BemPgn24, {0x00, 0xEE, 0x00}), "60928 (0x0EE00)");
    EXPECT_EQ(text(BemPgn32, le(126992, 4)), "126992 (0x1F010)");
    EXPECT_EQ(text(BemRxPgnMask, {0}), "Match 1 PGN from any SA (0)");
    EXPECT_EQ(text(BemRxPgnMask, {1}), "Match 256 PGNs from any SA (1)");
    EXPECT_EQ(text(BemRxPgnMask, {2}), "Match 4096 PGNs from any SA (2)");
    EXPECT_EQ(text(BemRxPgnMask, {3}), "Match 65536 PGNs from any SA (3)");
    EXPECT_EQ(text(BemRxPgnMask, {4}), "");
}

TEST(BemValueText, Texts)
{
    EXPECT_EQ(text(BemZeroTerminatedText, chars(std::string("Hi\0zz", 5))), "Hi");
    EXPECT_EQ(text(BemZeroTerminatedText, chars("AB\x80" "C")), "AB");
    EXPECT_EQ(text(BemZeroTerminatedText, chars("xABC"), 1), "ABC") << "ends with the payload";
    EXPECT_EQ(text(BemZeroTerminatedText, chars("xABC"), 4), "");
    EXPECT_EQ(text(BemFixedText, chars("ABCDEF"), 0, 4), "ABCD") << "a fixed text ends with its field";
    EXPECT_EQ(text(BemFixedText, chars("AB"), 0, 32), "AB");
    EXPECT_EQ(text(BemVariableText, {6, 1, 'a', 'b', 'c', 'd'}), "abcd");
    EXPECT_EQ(text(BemVariableText, {5, 1, 'a', 'b', 'c', 'd'}), "") << "the length byte counts the whole payload";
    EXPECT_EQ(text(BemVariableText, {2, 1}), "");
}

TEST(BemValueText, ArraysAndTheEndMarker)
{
    EXPECT_EQ(text(BemSizedByteArray, {3, 'a', 'b', 'c'}, 1), "61 62 63") << "fewer than 5 bytes: hex only";
    EXPECT_EQ(text(BemSizedByteArray, {5, 'H', 'e', 'l', 'l', 'o'}, 1), "\"Hello\" (48 65 6C 6C 6F)");
    EXPECT_EQ(text(BemSizedByteArray, {9, 1, 2}, 1), "") << "a size beyond the payload shows nothing";
    EXPECT_EQ(text(BemSizedByteArray, {0}, 1), "");
    EXPECT_EQ(text(BemSizedByteArray, {4, 1}, 0), "") << "an array at offset 0 has no size byte";
    EXPECT_EQ(text(BemRemainingBytes, {9, 'H', 'e', 'l', 'l', 'o', 0}, 1), "\"Hello\" (48 65 6C 6C 6F 00)");
    EXPECT_EQ(text(BemRemainingBytes, {9, 1, 2, 3, 4, 5}, 1), "01 02 03 04 05");
    EXPECT_EQ(text(BemRemainingBytes, {9}, 1), "");
    EXPECT_EQ(text(BemEndMarker, {}), "Null / non-present field");
}

TEST(BemValueText, ArrayTextQuotesPrintableRuns)
{
    const Bytes printable = chars("AB\r\nC!");
    EXPECT_EQ(bemArrayText(printable.data(), 6), "\"AB\r\nC!\" (41 42 0D 0A 43 21)");
    const Bytes tilde = chars("ABCD~E");
    EXPECT_EQ(bemArrayText(tilde.data(), 6), "41 42 43 44 7E 45") << "126 is not printable here";
    const Bytes four = chars("ABCD");
    EXPECT_EQ(bemArrayText(four.data(), 4), "41 42 43 44");
    EXPECT_EQ(bemArrayText(four.data(), 0), "");
    EXPECT_EQ(bemArrayText(nullptr, 4), "");
}
