#include "messages/CanPacket.h"
#include "messages/N2KHeader.h"
#include "support/ZrlWriter.h"

#include <gtest/gtest.h>

using namespace KelpLib;
using ZrlTest::Bytes;

namespace {

ByteBuffer view(const Bytes& bytes)
{
    ByteBuffer buffer;
    wrap(buffer, bytes.data(), static_cast<std::int64_t>(bytes.size()));
    return buffer;
}

} // namespace

TEST(CanPacket, BroadcastFrame)
{
    Bytes bytes = {0x95, 0x0E, 0x10, 0x27, 0x23, 0xFF, 0xF8, 0x09};
    for (std::uint8_t i = 1; i <= 8; ++i)
        bytes.push_back(i);
    const ByteBuffer frame = view(bytes);
    EXPECT_EQ(canPacketBstLength(frame), 0x0E);
    EXPECT_EQ(canPacketTime(frame), 10000);
    EXPECT_EQ(canPacketSource(frame), 0x23);
    EXPECT_EQ(canPacketDestination(frame), 255) << "PDU format 0xF8 is a broadcast format";
    EXPECT_EQ(canPacketPgn(frame), 0x1F8FFu);
    EXPECT_EQ(canPacketPgn(frame), 129279u);
    EXPECT_EQ(canPacketPriority(frame), 2);
    EXPECT_EQ(canPacketCanId(frame), 0x09F8FF23u);
    EXPECT_EQ(canPacketPayloadLength(frame), 8u);
    ASSERT_EQ(canPacketPayload(frame), bytes.data() + 8);
    EXPECT_TRUE(isWellFormedBst(frame));

    bytes[7] = 0xFF; // bits 29 to 31 are not part of the identifier
    EXPECT_EQ(canPacketCanId(view(bytes)), 0x1FF8FF23u);
    EXPECT_EQ(canPacketPriority(view(bytes)), 7);
    EXPECT_EQ(canPacketPgn(view(bytes)), 0x3F8FFu);
}

TEST(CanPacket, AddressedFrame)
{
    const Bytes bytes = {0x95, 0x09, 0x00, 0x00, 0x07, 0x10, 0xEE, 0x19, 0xAB, 0xCD, 0xEF};
    const ByteBuffer frame = view(bytes);
    EXPECT_EQ(canPacketDestination(frame), 16);
    EXPECT_EQ(canPacketPgn(frame), 65536u + 0xEE00u) << "the PDU-specific byte is an address, not part of the PGN";
    EXPECT_EQ(canPacketPriority(frame), 6);
    EXPECT_EQ(canPacketPayloadLength(frame), 3u);
}

TEST(CanPacket, ShortAndEmptyBuffers)
{
    const Bytes seven = {0x95, 0x05, 0x10, 0x27, 0x23, 0xFF, 0xF8};
    const ByteBuffer frame = view(seven);
    EXPECT_EQ(canPacketPayloadLength(frame), 0u);
    EXPECT_EQ(canPacketPriority(frame), 0) << "byte 7 is not there";
    EXPECT_EQ(canPacketPgn(frame), 0xF800u + 0xFFu);
    N2KMsg_s header;
    EXPECT_EQ(decodeN2KHeader(frame, header), -1097);

    const ByteBuffer none;
    EXPECT_EQ(canPacketPayload(none), nullptr);
    EXPECT_EQ(canPacketPayloadLength(none), 0u);
    EXPECT_EQ(canPacketCanId(none), 0u);
    EXPECT_EQ(canPacketTime(none), 0);
    EXPECT_FALSE(isWellFormedBst(none));
}

TEST(CanPacket, WellFormedBstMessages)
{
    EXPECT_TRUE(isWellFormedBst(view({0x92, 0x00})));
    EXPECT_TRUE(isWellFormedBst(view({0xD0, 0x01, 0x00})));
    EXPECT_TRUE(isWellFormedBst(view({0xA9, 0x00, 0x55}))) << "more bytes than announced are allowed";
    EXPECT_TRUE(isWellFormedBst(view({0xC0, 0x00})));
    EXPECT_FALSE(isWellFormedBst(view({0x97, 0x00})));
    EXPECT_FALSE(isWellFormedBst(view({0x91, 0x00})));
    EXPECT_FALSE(isWellFormedBst(view({0xAA, 0x00})));
    EXPECT_FALSE(isWellFormedBst(view({0x93})));
    EXPECT_FALSE(isWellFormedBst(view({0x93, 0x02, 0x00})));
}
