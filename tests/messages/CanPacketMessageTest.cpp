#include "messages/CanPacket.h"
#include "messages/CanPacketMessage.h"
#include "messages/N2KMsg.h"
#include "support/N2kPayloads.h"
#include "support/ZrlWriter.h"

#include <gtest/gtest.h>

using namespace KelpLib;
using ZrlTest::Bytes;
using ZrlTest::CanId;

namespace {

ByteBuffer view(const Bytes& bytes, std::uint32_t time = 0)
{
    ByteBuffer buffer;
    wrap(buffer, bytes.data(), static_cast<std::int64_t>(bytes.size()));
    buffer.time = time;
    return buffer;
}

Bytes headingFrame()
{
    return ZrlTest::bst95(10000, CanId{2, 127250, 0x23, 255}, ZrlTest::pgn127250(1, 1.5, 0, 0, 1));
}

} // namespace

TEST(CanPacketMessage, SingleOrFastByThePgnDatabase)
{
    const Bytes heading = headingFrame();
    ASSERT_EQ(canPacketPgn(view(heading)), 127250u);
    EXPECT_TRUE(canPacketIsSingleFrame(view(heading)));
    EXPECT_STREQ(canPacketKindText(view(heading)), "SINGLE");
    EXPECT_STREQ(canPacketKindTitle(view(heading)), "Single-Packet");

    const Bytes position = ZrlTest::bst95(0, CanId{3, 129029, 0x10, 255}, Bytes(8, 0xA0));
    ASSERT_EQ(canPacketPgn(view(position)), 129029u);
    EXPECT_FALSE(canPacketIsSingleFrame(view(position)));
    EXPECT_STREQ(canPacketKindText(view(position)), "FAST");
    EXPECT_STREQ(canPacketKindTitle(view(position)), "Fast-Packet");

    // 129279 has no definition: it is not taken as single-frame from the database's first row.
    Bytes unknown = {0x95, 0x0E, 0x10, 0x27, 0x23, 0xFF, 0xF8, 0x09};
    unknown.resize(16, 0x01);
    ASSERT_EQ(canPacketPgn(view(unknown)), 129279u);
    EXPECT_STREQ(canPacketKindText(view(unknown)), "FAST");
}

TEST(CanPacketMessage, SingleFrameDecodesWithTheBufferTimeWord)
{
    const Bytes heading = headingFrame();
    N2KMsg message;
    ASSERT_EQ(canPacketToN2KMsg(view(heading, 32768), message), 0);
    EXPECT_TRUE(message.valid());
    EXPECT_EQ(message.pgnNumber(), 127250u);
    EXPECT_EQ(message.source, 0x23);
    EXPECT_EQ(message.destination, 255);
    EXPECT_EQ(message.priority, 2);
    EXPECT_EQ(message.payloadLength(), 8u);
    EXPECT_EQ(message.timeWord(), 32768u) << "the frame's own 10000 ms are not the message time";
    ASSERT_GT(message.fieldCount(), 1u);
    EXPECT_EQ(message.fieldInfo(1)->name(), "Heading Sensor Reading");
}

TEST(CanPacketMessage, AddressedFrameDecodes)
{
    const Bytes request = ZrlTest::bst95(0, CanId{6, 59904, 0x07, 0x10}, {0x00, 0xEE, 0x00});
    N2KMsg message;
    ASSERT_EQ(canPacketToN2KMsg(view(request), message), 0);
    EXPECT_EQ(message.pgnNumber(), 59904u);
    EXPECT_EQ(message.destination, 0x10);
    EXPECT_EQ(message.payloadLength(), 3u);
}

TEST(CanPacketMessage, WrongSizesAreRejected)
{
    N2KMsg message;
    const Bytes seven = {0x95, 0x05, 0x10, 0x27, 0x23, 0xFF, 0xF8};
    EXPECT_EQ(canPacketPayloadLength(view(seven)), 0u);
    EXPECT_EQ(canPacketToN2KMsg(view(seven), message), -1097);
    EXPECT_FALSE(message.valid());

    Bytes nine = headingFrame();
    nine.push_back(0); // 17 bytes: more than 8 data bytes
    nine[1] = 15;
    EXPECT_EQ(canPacketToN2KMsg(view(nine), message), -1097);

    Bytes lying = headingFrame();
    lying[1] = 13; // one less than the bytes that follow
    EXPECT_EQ(canPacketToN2KMsg(view(lying), message), -1097);

    const Bytes empty = {0x95, 0x06, 0, 0, 0x23, 0xFF, 0xF8, 0x09};
    EXPECT_EQ(canPacketToN2KMsg(view(empty), message), 0) << "a frame without data bytes is a message of 0 bytes";
    EXPECT_EQ(message.payloadLength(), 0u);

    EXPECT_EQ(canPacketToN2KMsg(view(ZrlTest::bst93(2, 127250, 255, 1, 0, Bytes(8, 0))), message), -1099);
    EXPECT_EQ(canPacketToN2KMsg(ByteBuffer(), message), -1099);
}
