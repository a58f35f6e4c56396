#include "messages/N2KHeader.h"
#include "support/ZrlWriter.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

using namespace KelpLib;
using ZrlTest::Bytes;

namespace {

// "priority|pgn|destination|source|time|length|data bytes in hex", or the error code.
std::string decoded(const Bytes& bytes, std::uint32_t time = 0)
{
    N2KMsg_s h;
    const std::int32_t rc = decodeN2KHeader(bytes.data(), static_cast<std::uint32_t>(bytes.size()), time, h);
    if (rc != 0)
        return std::to_string(rc);
    std::string out = std::to_string(h.priority) + "|" + std::to_string(h.pgn) + "|" + std::to_string(h.destination) +
                      "|" + std::to_string(h.source) + "|" + std::to_string(h.time) + "|" + std::to_string(h.length) + "|";
    for (std::uint32_t i = 0; i < h.length; ++i) {
        char hex[3];
        std::snprintf(hex, sizeof hex, "%02X", h.data[i]);
        out += hex;
    }
    return out;
}

Bytes with(Bytes bytes, std::size_t index, std::uint8_t value)
{
    bytes[index] = value;
    return bytes;
}

Bytes without(Bytes bytes, std::size_t count)
{
    bytes.resize(bytes.size() - count);
    return bytes;
}

} // namespace

// Each BST layout carrying an NMEA 2000 message: where priority, PGN, addresses, time and data
// sit, which take the buffer's time, and every length that does not add up.
TEST(N2KHeader, EveryLayoutAndItsLengthChecks)
{
    const Bytes m93 = {0x93, 0x13, 0x02, 0x12, 0xF1, 0x01, 0xFF, 0x23, 0x10, 0x27, 0x00, 0x00, 0x08,
                       1, 2, 3, 4, 5, 6, 7, 8};
    const Bytes m92 = {0x92, 0x09, 0x05, 0x00, 0xEE, 0x00, 0x10, 0x22, 0x02, 0x01, 0x02};
    const Bytes m95 = {0x95, 0x0E, 0x34, 0x12, 0x07, 0x10, 0xEA, 0x18, 1, 2, 3, 4, 5, 6, 7, 8};
    const Bytes m96 = {0x96, 0x0E, 0x02, 0x00, 0xEE, 0x00, 0xFF, 0x08, 1, 2, 3, 4, 5, 6, 7, 8};
    const Bytes d0 = {0xD0, 15, 0, 0x44, 0x09, 0x01, 0x1F, 0x09, 0x02, 0x10, 0x27, 0x00, 0x00, 0xAB, 0xCD};
    Bytes tooLong95(19, 0);
    tooLong95[0] = 0x95;
    tooLong95[1] = 17;
    Bytes nine96 = with(with(m96, 7, 9), 1, 0x0F);
    nine96.push_back(9);
    struct Case {
        const char* what;
        Bytes bytes;
        std::string expected;
    };
    const Case cases[] = {
        {"0x93 carries its own time", m93, "2|127250|255|35|10000|8|0102030405060708"},
        {"0x93 one byte short", without(m93, 1), "-1097"},
        {"0x94 takes the buffer time", ZrlTest::bst94(3, 129026, 255, Bytes(8, 0xAA)), "3|129026|255|255|777|8|AAAAAAAAAAAAAAAA"},
        {"0x92", m92, "5|60928|16|34|777|2|0102"},
        {"0x95 PDU1: destination from the identifier, the buffer time", m95, "6|59904|16|7|777|8|0102030405060708"},
        {"0x95 PDU2", ZrlTest::bst95(0, ZrlTest::CanId{2, 129029, 3}, Bytes(8, 0)), "2|129029|255|3|777|8|0000000000000000"},
        {"0x95 without identifier", {0x95, 0x05, 0, 0, 0, 0, 0}, "-1097"},
        {"0x95 with 9 data bytes", tooLong95, "-1097"},
        {"0x96", m96, "2|60928|255|255|777|8|0102030405060708"},
        {"0x96 with 9 data bytes", nine96, "-1097"},
        // PDU1: the PDU-specific byte is no part of the PGN; a fast packet takes its destination from byte 3.
        {"0xD0", d0, "2|73472|68|9|10000|2|ABCD"},
        {"0xD0 declaring more than it holds", with(d0, 1, 40), "-1097"},
        // Total length right, but the data-length byte claims more than is there.
        {"0x94 data length past the message", {0x94, 0x07, 0x02, 0x00, 0xF8, 0x01, 0xFF, 0x20, 0x01}, "-1097"},
        {"unknown id", {0x91, 0x00}, "-1099"},
        {"no bytes", {}, "-1099"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(decoded(c.bytes, 777), c.expected) << c.what;
}

TEST(N2KHeader, NothingIsWrittenOnFailure)
{
    N2KMsg_s header;
    header.pgn = 42;
    const Bytes message = {0x94, 0x07, 0x02, 0x00, 0xF8, 0x01, 0xFF, 0x20, 0x01};
    EXPECT_EQ(decodeN2KHeader(message.data(), 9, 0, header), -1097);
    EXPECT_EQ(decodeN2KHeader(nullptr, 0, 0, header), -1099);
    EXPECT_EQ(header.pgn, 42u);
}
