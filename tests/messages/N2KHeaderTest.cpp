#include "messages/N2KHeader.h"
#include "support/ZrlWriter.h"

#include <gtest/gtest.h>

using namespace KelpLib;
using ZrlTest::Bytes;

namespace {

std::int32_t decode(const Bytes& bytes, N2KMsg_s& out, std::uint32_t time = 0)
{
    return decodeN2KHeader(bytes.data(), static_cast<std::uint32_t>(bytes.size()), time, out);
}

} // namespace

TEST(N2KHeader, Bst93)
{
    Bytes message = {0x93, 0x13, 0x02, 0x12, 0xF1, 0x01, 0xFF, 0x23, 0x10, 0x27, 0x00, 0x00, 0x08};
    for (int i = 1; i <= 8; ++i)
        message.push_back(static_cast<std::uint8_t>(i));
    N2KMsg_s header;
    ASSERT_EQ(decode(message, header), 0);
    EXPECT_EQ(header.priority, 2);
    EXPECT_EQ(header.pgn, 127250u);
    EXPECT_EQ(header.destination, 255);
    EXPECT_EQ(header.source, 35);
    EXPECT_EQ(header.time, 10000u);
    EXPECT_EQ(header.length, 8u);
    EXPECT_EQ(header.data[7], 8);

    message.pop_back();
    EXPECT_EQ(decode(message, header), -1097);
}

TEST(N2KHeader, Bst94And92TakeTheBufferTime)
{
    const Bytes m94 = ZrlTest::bst94(3, 129026, 255, Bytes(8, 0xAA));
    N2KMsg_s header;
    ASSERT_EQ(decode(m94, header, 777), 0);
    EXPECT_EQ(header.pgn, 129026u);
    EXPECT_EQ(header.source, 255);
    EXPECT_EQ(header.time, 777u);
    EXPECT_EQ(header.priority, 3);

    Bytes m92 = {0x92, 0x09, 0x05, 0x00, 0xEE, 0x00, 0x10, 0x22, 0x02, 0x01, 0x02};
    ASSERT_EQ(decode(m92, header, 5), 0);
    EXPECT_EQ(header.pgn, 60928u);
    EXPECT_EQ(header.destination, 0x10);
    EXPECT_EQ(header.source, 0x22);
    EXPECT_EQ(header.length, 2u);
}

TEST(N2KHeader, Bst95CanIdentifier)
{
    const Bytes frame = {0x95, 0x0E, 0x34, 0x12, 0x07, 0x10, 0xEA, 0x18, 1, 2, 3, 4, 5, 6, 7, 8};
    N2KMsg_s header;
    ASSERT_EQ(decode(frame, header), 0);
    EXPECT_EQ(header.destination, 16);
    EXPECT_EQ(header.pgn, 0xEA00u);
    EXPECT_EQ(header.source, 7);
    EXPECT_EQ(header.priority, 6);
    EXPECT_EQ(header.length, 8u);

    const Bytes pdu2 = ZrlTest::bst95(0, ZrlTest::CanId{2, 129029, 3}, Bytes(8, 0));
    ASSERT_EQ(decode(pdu2, header), 0);
    EXPECT_EQ(header.pgn, 129029u);
    EXPECT_EQ(header.destination, 255);

    EXPECT_EQ(decode({0x95, 0x05, 0, 0, 0, 0, 0}, header), -1097);
    Bytes tooLong(19, 0);
    tooLong[0] = 0x95;
    tooLong[1] = 17;
    EXPECT_EQ(decode(tooLong, header), -1097);
}

TEST(N2KHeader, Bst96AndD0AndUnknownIds)
{
    Bytes m96 = {0x96, 0x0E, 0x02, 0x00, 0xEE, 0x00, 0xFF, 0x08, 1, 2, 3, 4, 5, 6, 7, 8};
    N2KMsg_s header;
    EXPECT_EQ(decode(m96, header), 0);
    m96[7] = 9;
    m96.push_back(9);
    m96[1] = 0x0F;
    EXPECT_EQ(decode(m96, header), -1097);

    Bytes d0 = {0xD0, 15, 0, 0x44, 0x09, 0x01, 0x1F, 0x09, 0x02, 0x10, 0x27, 0x00, 0x00, 0xAB, 0xCD};
    ASSERT_EQ(decode(d0, header), 0);
    EXPECT_EQ(header.pgn, 0x11F00u) << "PDU1: the PDU-specific byte is no part of the PGN";
    EXPECT_EQ(header.destination, 0x44) << "a fast packet takes its destination from byte 3";
    EXPECT_EQ(header.time, 10000u);
    EXPECT_EQ(header.length, 2u);
    EXPECT_EQ(header.priority, 2);

    d0[1] = 40; // declares more payload than the buffer holds
    EXPECT_EQ(decode(d0, header), -1097);
    EXPECT_EQ(decode({0x91, 0x00}, header), -1099);
    EXPECT_EQ(decodeN2KHeader(nullptr, 0, 0, header), -1099);
}

TEST(N2KHeader, DataLengthPastTheMessageIsRefused)
{
    // Total length right, but the data-length byte claims more than is there.
    Bytes message = {0x94, 0x07, 0x02, 0x00, 0xF8, 0x01, 0xFF, 0x20, 0x01};
    N2KMsg_s header;
    header.pgn = 42;
    EXPECT_EQ(decode(message, header), -1097);
    EXPECT_EQ(header.pgn, 42u) << "nothing is written on failure";
}
