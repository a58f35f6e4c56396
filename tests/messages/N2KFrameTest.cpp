// BST messages that carry NMEA 2000: the header of every layout, the CAN frame (0x95) and its message.
#include "messages/CanPacket.h"
#include "messages/CanPacketMessage.h"
#include "messages/N2KHeader.h"
#include "messages/N2KMsg.h"
#include "support/ByteView.h"
#include "support/N2kPayloads.h"
#include "support/ZrlWriter.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

using namespace KelpLib;
using ZrlTest::Bytes;
using ZrlTest::CanId;
using ZrlTest::viewOf;

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

Bytes headingFrame()
{
    return ZrlTest::bst95(10000, CanId{2, 127250, 0x23, 255}, ZrlTest::pgn127250(1, 1.5, 0, 0, 1));
}

} // namespace

// The accessors of a CAN frame: "length|time|source|destination|pgn|priority|CAN id|data length|kind".
TEST(CanPacket, FrameFields)
{
    const Bytes broadcast = {0x95, 0x0E, 0x10, 0x27, 0x23, 0xFF, 0xF8, 0x09, 1, 2, 3, 4, 5, 6, 7, 8};
    Bytes topBits = broadcast;
    topBits[7] = 0xFF; // bits 29 to 31 are not part of the identifier
    const std::pair<Bytes, const char*> cases[] = {
        // 129279 has no definition: it is not taken as single-frame from the database's first row.
        {broadcast, "14|10000|35|255|129279|2|09F8FF23|8|FAST"},
        {topBits, "14|10000|35|255|260351|7|1FF8FF23|8|FAST"},
        // PDU format 0xEE is addressed: the PDU-specific byte is the destination, not part of the PGN.
        {{0x95, 0x09, 0x00, 0x00, 0x07, 0x10, 0xEE, 0x19, 0xAB, 0xCD, 0xEF}, "9|0|7|16|126464|6|19EE1007|3|FAST"},
        {{0x95, 0x05, 0x10, 0x27, 0x23, 0xFF, 0xF8}, "5|10000|35|255|63743|0|00F8FF23|0|SINGLE"}, // byte 7 is not there
        {{}, "0|0|0|0|0|0|00000000|0|SINGLE"},
        // Single or fast by the PGN database (the kind titles: BST95MsgGridAdapter).
        {headingFrame(), "14|10000|35|255|127250|2|09F11223|8|SINGLE"},
        {ZrlTest::bst95(0, CanId{3, 129029, 0x10, 255}, Bytes(8, 0xA0)), "14|0|16|255|129029|3|0DF80510|8|FAST"},
    };
    for (const auto& [bytes, expected] : cases) {
        const ByteBuffer f = viewOf(bytes);
        char id[12];
        std::snprintf(id, sizeof id, "%08X", canPacketCanId(f));
        EXPECT_EQ(std::to_string(canPacketBstLength(f)) + "|" + std::to_string(canPacketTime(f)) + "|" +
                      std::to_string(canPacketSource(f)) + "|" + std::to_string(canPacketDestination(f)) + "|" +
                      std::to_string(canPacketPgn(f)) + "|" + std::to_string(canPacketPriority(f)) + "|" + id + "|" +
                      std::to_string(canPacketPayloadLength(f)) + "|" + canPacketKindText(f),
                  expected);
    }
    EXPECT_EQ(canPacketPayload(viewOf(broadcast)), broadcast.data() + 8);
    EXPECT_EQ(canPacketPayload(ByteBuffer()), nullptr);
}

TEST(CanPacket, WellFormedBstMessages)
{
    // More bytes than announced are allowed; unknown ids, short lengths and no bytes are not.
    EXPECT_FALSE(isWellFormedBst(ByteBuffer()));
    for (const Bytes& good : {Bytes{0x92, 0x00}, Bytes{0xD0, 0x01, 0x00}, Bytes{0xA9, 0x00, 0x55}, Bytes{0xC0, 0x00}})
        EXPECT_TRUE(isWellFormedBst(viewOf(good))) << int(good[0]);
    for (const Bytes& bad : {Bytes{0x97, 0x00}, Bytes{0x91, 0x00}, Bytes{0xAA, 0x00}, Bytes{0x93}, Bytes{0x93, 0x02, 0x00}})
        EXPECT_FALSE(isWellFormedBst(viewOf(bad))) << int(bad[0]) << " of " << bad.size();
}

TEST(CanPacketMessage, FramesDecodeWithTheBufferTimeWord)
{
    N2KMsg message;
    ASSERT_EQ(canPacketToN2KMsg(viewOf(headingFrame(), 32768), message), 0);
    EXPECT_TRUE(message.valid());
    EXPECT_EQ(message.summary(),
              "PGN 127250/0x1F112, Src: 35, Dst: 255, Pri: 2, Size: 8,  Data: 01 98 3A 00 00 00 00 FD");
    EXPECT_EQ(message.timeWord(), 32768u) << "the frame's own 10000 ms are not the message time";
}

TEST(CanPacketMessage, WrongSizesAreRejected)
{
    // The header's own length checks are N2KHeader's; the frame's length byte must match.
    N2KMsg message;
    Bytes lying = headingFrame();
    lying[1] = 13; // one less than the bytes that follow
    EXPECT_EQ(canPacketToN2KMsg(viewOf(lying), message), -1097);
    EXPECT_FALSE(message.valid());

    EXPECT_EQ(canPacketToN2KMsg(viewOf({0x95, 0x06, 0, 0, 0x23, 0xFF, 0xF8, 0x09}), message), 0)
        << "a frame without data bytes is a message of 0 bytes";
    EXPECT_EQ(message.payloadLength(), 0u);
    EXPECT_EQ(canPacketToN2KMsg(viewOf(ZrlTest::bst93(2, 127250, 255, 1, 0, Bytes(8, 0))), message), -1099);
    EXPECT_EQ(canPacketToN2KMsg(ByteBuffer(), message), -1099);
}

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
