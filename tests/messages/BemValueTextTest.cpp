#include "messages/BemDataTypes.h"
#include "messages/BemValueText.h"
#include "support/ByteView.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace KelpLib;
using ZrlTest::le;

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

Bytes le1(std::uint64_t value, unsigned width) { return le({{value, width}}); }

Bytes chars(const std::string& s) { return Bytes(s.begin(), s.end()); }

const std::string na = "Data not available";

} // namespace

// One field of each kind: the value read at its width and byte order, its sentinels
// (0xFF.. not available, 0xFE.. out of range, 0xFD.. reserved; checked before the kind, so
// one row per width and sign) and cuts by the payload end.
// The texts of whole BST messages (BSTMsgTest) pin further values of the common kinds.
TEST(BemValueText, EveryKindOfField)
{
    struct Case {
        std::uint32_t type;
        Bytes payload;
        std::string expected;
        std::uint32_t offset = 0;
        std::uint8_t width = 0;
        std::uint32_t model = 0;
    };
    const Case cases[] = {
        {BemU8, {42}, "42"},
        {BemI8, {0xFE}, "-2"},
        {BemU16, le1(0x1234, 2), "4660"},
        {BemI16, le1(0x8000, 2), "-32768"},
        {BemI32, le1(0xFFFFFFFF, 4), "-1"},
        {BemU64, le1(0x8000000000000000ULL, 8), "9223372036854775808"},
        {BemI64, le1(0xFFFFFFFFFFFFFF85ULL, 8), "-123"},
        {BemStructureData, le1(7, 4), "7", 0, 4}, // structure data takes the field's width
        {BemU8, {0xFF}, na},
        {BemU8, {0xFE}, "Out of range"},
        {BemU8, {0xFD}, "RESERVED"},
        {BemU8, {0xFC}, "252"},
        {BemI16, le1(0x7FFF, 2), na},
        {BemU64, le1(~0ULL, 8), na},
        {BemTimeOfDay, le1(0xFFFE, 2), "Out of range"},
        {BemU32, {1, 2, 3}, na},
        {BemU16, {1, 2}, na, 1},
        {BemU8, {1, 2}, na, 2},
        {BemTxRate16, {0}, na}, // a rate of one byte is not a rate of 0
        {BemUniqueId, Bytes(11, 0), ""},
        {BemBoolean, {2}, "(2)"},
        {BemBinary8, {0x05}, "00000101 (b)"},
        {BemBinary32, le1(1, 4), std::string(31, '0') + "1 (b)"},
        {BemHex16, le1(0xAB, 2), "0x00AB"},
        {BemHex32, le1(0x12345678, 4), "0x12345678"},
        {BemStructureId, le1(4096, 4), "4096 (0x1000)"},
        {BemMemoryBlocks, le1(1024, 2), "0x00040000"}, // blocks of 256 bytes
        {BemStepOfMax, {3, 0, 10, 0}, "3 of 10"},
        {BemMacAddress, {0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E, 0x00, 0x00}, "00:1A:2B:3C:4D:5E:00:00"},
        {BemUniqueId, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, "000102030405060708090A0B"},
        // A NAME with its top bit set is a valid value.
        {BemCanName, {0x23, 0x01, 0xE0, 0x44, 0x00, 0x82, 0x32, 0xC0}, "0xC032820044E00123 (No breakdown)"},
        {BemVersion2, le1(7, 2), "v0.07"},
        {BemTxRate16, le1(65535, 2), "Non-periodic (65535)"},
        {BemTxRate16, le1(100, 2), "100 milliseconds"},
        {BemTxRate32, le1(70000, 4), "70000 milliseconds"},
        {BemMicros32, le1(125, 4), "125 microseconds"},
        {BemTime100ps, le1(12345, 8), "1234500 picoseconds"},
        {BemModelId, le1(200, 2), "Unknown Model ID (200)"},
        // The operating mode is a text of the message's model (BSTMsgTest: models 0 and 6).
        {BemOperatingMode, le1(0, 2), "Model ID not defined, cannot decode Op. Mode (0)", 0, 0, 14},
        {BemOperatingMode, le1(0, 2), "Invalid Model ID (0)", 0, 0, 52},
        {BemCodec, {3}, "QRD Codec 3/BST (3)"},
        {BemMicrocontroller, {9}, "STM32F107 (9)"},
        {BemPgn24, {0xFF, 0xF8, 0x01}, "129279 (0x1F8FF)"},
        {BemPgn24, {0x00, 0xEE, 0x00}, "60928 (0x0EE00)"},
        {BemRxPgnMask, {0}, "Match 1 PGN from any SA (0)"},
        {BemRxPgnMask, {3}, "Match 65536 PGNs from any SA (3)"},
        {BemRxPgnMask, {4}, ""},
        // Texts end at a zero, a byte above 127, the payload end, or the field end.
        {BemZeroTerminatedText, chars(std::string("Hi\0zz", 5)), "Hi"},
        {BemZeroTerminatedText, chars("AB\x80" "C"), "AB"},
        {BemZeroTerminatedText, chars("xABC"), "ABC", 1},
        {BemZeroTerminatedText, chars("xABC"), "", 4},
        {BemFixedText, chars("ABCDEF"), "ABCD", 0, 4},
        {BemFixedText, chars("AB"), "AB", 0, 32},
        // A variable text's length byte counts the whole payload.
        {BemVariableText, {6, 1, 'a', 'b', 'c', 'd'}, "abcd"},
        {BemVariableText, {5, 1, 'a', 'b', 'c', 'd'}, ""},
        {BemVariableText, {2, 1}, ""},
        // A sized array reads its size from the byte before it; one beyond the payload shows nothing.
        {BemSizedByteArray, {3, 'a', 'b', 'c'}, "61 62 63", 1},
        {BemSizedByteArray, {9, 1, 2}, "", 1},
        {BemSizedByteArray, {0}, "", 1},
        {BemSizedByteArray, {4, 1}, "", 0},
        {BemRemainingBytes, {9, 'H', 'e', 'l', 'l', 'o', 0}, "\"Hello\" (48 65 6C 6C 6F 00)", 1},
        {BemRemainingBytes, {9, 1, 2, 3, 4, 5}, "01 02 03 04 05", 1},
        {BemRemainingBytes, {9}, "", 1},
        {BemEndMarker, {}, "Null / non-present field"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(text(c.type, c.payload, c.offset, c.width, c.model), c.expected)
            << "type " << c.type << " at " << c.offset << ", " << c.payload.size() << " bytes";
}

TEST(BemValueText, DateCountsFromFirstJanuary1900WithEveryFourthYearLeap)
{
    std::vector<std::string> got;
    for (std::uint32_t day : {1u, 59u, 60u, 61u, 366u, 367u, 1461u, 1462u, 45351u, 0u})
        got.push_back(bemDateText(day));
    EXPECT_EQ(got, (std::vector<std::string>{"01/01/1900", "28/02/1900", "29/02/1900", "01/03/1900", "31/12/1900",
                                             "01/01/1901", "31/12/1903", "01/01/1904", "29/02/2024", "00/01/1900"}));
}

TEST(BemValueText, SecondsNameDaysAndHoursOnlyWhenThereAreAny)
{
    EXPECT_EQ(bemSecondsText(59), "59 seconds (0 minutes) ");
    EXPECT_EQ(bemSecondsText(7200), "7200 seconds (2 hours, 0 minutes) ");
    EXPECT_EQ(bemSecondsText(86400), "86400 seconds (1 day, 0 hours, 0 minutes) ");
    EXPECT_EQ(bemSecondsText(2 * 86400 + 3 * 3600 + 4 * 60 + 5), "183845 seconds (2 days, 3 hours, 4 minutes) ");
}

TEST(BemValueText, ArrayTextQuotesPrintableRuns)
{
    const Bytes printable = chars("AB\r\nC!");
    EXPECT_EQ(bemArrayText(printable.data(), 6), "\"AB\r\nC!\" (41 42 0D 0A 43 21)");
    const Bytes tilde = chars("ABCD~E");
    EXPECT_EQ(bemArrayText(tilde.data(), 6), "41 42 43 44 7E 45") << "126 is not printable here";
    EXPECT_EQ(bemArrayText(tilde.data(), 4), "41 42 43 44");
    EXPECT_EQ(bemArrayText(tilde.data(), 0), "");
    EXPECT_EQ(bemArrayText(nullptr, 4), "");
}
