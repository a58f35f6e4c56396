#include "messages/CanPacket.h"
#include "messages/CanPacketMessage.h"
#include "messages/N2KHeader.h"
#include "messages/N2KMsg.h"
#include "support/ByteView.h"
#include "support/N2kPayloads.h"
#include "support/ZrlWriter.h"

#include <gtest/gtest.h>

using namespace KelpLib;
using ZrlTest::Bytes;
using ZrlTest::CanId;
using ZrlTest::viewOf;

namespace {

Bytes headingFrame()
{
    return ZrlTest::bst95(10000, CanId{2, 127250, 0x23, 255}, ZrlTest::pgn127250(1, 1.5, 0, 0, 1));
}

} // namespace

TEST(CanPacket, BroadcastFrame)
{
    Bytes bytes = {0x95, 0x0E, 0x10, 0x27, 0x23, 0xFF, 0xF8, 0x09, 1, 2, 3, 4, 5, 6, 7, 8};
    const ByteBuffer frame = viewOf(bytes);
    EXPECT_EQ(canPacketBstLength(frame), 0x0E);
    EXPECT_EQ(canPacketTime(frame), 10000);
    EXPECT_EQ(canPacketSource(frame), 0x23);
    EXPECT_EQ(canPacketDestination(frame), 255) << "PDU format 0xF8 is a broadcast format";
    EXPECT_EQ(canPacketPgn(frame), 129279u);
    EXPECT_EQ(canPacketPriority(frame), 2);
    EXPECT_EQ(canPacketCanId(frame), 0x09F8FF23u);
    EXPECT_EQ(canPacketPayloadLength(frame), 8u);
    ASSERT_EQ(canPacketPayload(frame), bytes.data() + 8);
    EXPECT_TRUE(isWellFormedBst(frame));
    // 129279 has no definition: it is not taken as single-frame from the database's first row.
    EXPECT_STREQ(canPacketKindText(frame), "FAST");

    bytes[7] = 0xFF; // bits 29 to 31 are not part of the identifier
    EXPECT_EQ(canPacketCanId(viewOf(bytes)), 0x1FF8FF23u);
    EXPECT_EQ(canPacketPriority(viewOf(bytes)), 7);
    EXPECT_EQ(canPacketPgn(viewOf(bytes)), 0x3F8FFu);
}

TEST(CanPacket, AddressedFrame)
{
    const Bytes bytes = {0x95, 0x09, 0x00, 0x00, 0x07, 0x10, 0xEE, 0x19, 0xAB, 0xCD, 0xEF};
    const ByteBuffer frame = viewOf(bytes);
    EXPECT_EQ(canPacketDestination(frame), 16);
    EXPECT_EQ(canPacketPgn(frame), 65536u + 0xEE00u) << "the PDU-specific byte is an address, not part of the PGN";
    EXPECT_EQ(canPacketPriority(frame), 6);
    EXPECT_EQ(canPacketPayloadLength(frame), 3u);
}

TEST(CanPacket, ShortAndEmptyBuffers)
{
    const Bytes seven = {0x95, 0x05, 0x10, 0x27, 0x23, 0xFF, 0xF8};
    const ByteBuffer frame = viewOf(seven);
    EXPECT_EQ(canPacketPayloadLength(frame), 0u);
    EXPECT_EQ(canPacketPriority(frame), 0) << "byte 7 is not there";
    EXPECT_EQ(canPacketPgn(frame), 0xF800u + 0xFFu);
    N2KMsg_s header;
    EXPECT_EQ(decodeN2KHeader(frame, header), -1097);

    const ByteBuffer none;
    EXPECT_EQ(canPacketPayload(none), nullptr);
    EXPECT_EQ(canPacketPayloadLength(none) + canPacketCanId(none) + canPacketTime(none), 0u);
    EXPECT_FALSE(isWellFormedBst(none));
}

TEST(CanPacket, WellFormedBstMessages)
{
    // More bytes than announced are allowed; unknown ids and short lengths are not.
    for (const Bytes& good : {Bytes{0x92, 0x00}, Bytes{0xD0, 0x01, 0x00}, Bytes{0xA9, 0x00, 0x55}, Bytes{0xC0, 0x00}})
        EXPECT_TRUE(isWellFormedBst(viewOf(good))) << int(good[0]);
    for (const Bytes& bad : {Bytes{0x97, 0x00}, Bytes{0x91, 0x00}, Bytes{0xAA, 0x00}, Bytes{0x93}, Bytes{0x93, 0x02, 0x00}})
        EXPECT_FALSE(isWellFormedBst(viewOf(bad))) << int(bad[0]) << " of " << bad.size();
}

TEST(CanPacketMessage, SingleOrFastByThePgnDatabase)
{
    const Bytes heading = headingFrame();
    EXPECT_TRUE(canPacketIsSingleFrame(viewOf(heading)));
    EXPECT_STREQ(canPacketKindText(viewOf(heading)), "SINGLE");
    EXPECT_STREQ(canPacketKindTitle(viewOf(heading)), "Single-Packet");
    const Bytes position = ZrlTest::bst95(0, CanId{3, 129029, 0x10, 255}, Bytes(8, 0xA0));
    EXPECT_FALSE(canPacketIsSingleFrame(viewOf(position)));
    EXPECT_STREQ(canPacketKindText(viewOf(position)), "FAST");
    EXPECT_STREQ(canPacketKindTitle(viewOf(position)), "Fast-Packet");
}

TEST(CanPacketMessage, FramesDecodeWithTheBufferTimeWord)
{
    N2KMsg message;
    ASSERT_EQ(canPacketToN2KMsg(viewOf(headingFrame(), 32768), message), 0);
    EXPECT_TRUE(message.valid());
    EXPECT_EQ(message.summary(),
              "PGN 127250/0x1F112, Src: 35, Dst: 255, Pri: 2, Size: 8,  Data: 01 98 3A 00 00 00 00 FD");
    EXPECT_EQ(message.timeWord(), 32768u) << "the frame's own 10000 ms are not the message time";
    ASSERT_GT(message.fieldCount(), 1u);
    EXPECT_EQ(message.fieldInfo(1)->name(), "Heading Sensor Reading");

    const Bytes request = ZrlTest::bst95(0, CanId{6, 59904, 0x07, 0x10}, {0x00, 0xEE, 0x00});
    ASSERT_EQ(canPacketToN2KMsg(viewOf(request), message), 0);
    EXPECT_EQ(message.summary(), "PGN  59904/0x0EA00, Src: 7, Dst: 16, Pri: 6, Size: 3,  Data: 00 EE 00");
}

TEST(CanPacketMessage, WrongSizesAreRejected)
{
    N2KMsg message;
    EXPECT_EQ(canPacketToN2KMsg(viewOf({0x95, 0x05, 0x10, 0x27, 0x23, 0xFF, 0xF8}), message), -1097);
    EXPECT_FALSE(message.valid());
    Bytes nine = headingFrame();
    nine.push_back(0); // 17 bytes: more than 8 data bytes
    nine[1] = 15;
    EXPECT_EQ(canPacketToN2KMsg(viewOf(nine), message), -1097);
    Bytes lying = headingFrame();
    lying[1] = 13; // one less than the bytes that follow
    EXPECT_EQ(canPacketToN2KMsg(viewOf(lying), message), -1097);

    EXPECT_EQ(canPacketToN2KMsg(viewOf({0x95, 0x06, 0, 0, 0x23, 0xFF, 0xF8, 0x09}), message), 0)
        << "a frame without data bytes is a message of 0 bytes";
    EXPECT_EQ(message.payloadLength(), 0u);
    EXPECT_EQ(canPacketToN2KMsg(viewOf(ZrlTest::bst93(2, 127250, 255, 1, 0, Bytes(8, 0))), message), -1099);
    EXPECT_EQ(canPacketToN2KMsg(ByteBuffer(), message), -1099);
}
