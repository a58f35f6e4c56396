// The test writer must produce exactly the stream layouts the parser reads; pin them here so a
// fault in the writer cannot hide a fault in the parser.
#include "support/ZrlWriter.h"

#include <gtest/gtest.h>

using namespace ZrlTest;

// The timestamp tag of 2024-01-01 12:00, an embedded 0x93 message, and the escape bytes doubled
// inside a tag and a BST frame (body 10 01 10, checksum 0xDF).
TEST(ZrlWriter, TagsFramesAndEscapes)
{
    EXPECT_EQ(fileTimeUtc(2024, 1, 1, 12, 0, 0), 133485840000000000ULL);
    ZrlWriter w, b;
    w.timestamp(133485840000000000ULL).embeddedBst(bst93(2, 127250, 255, 0x23, 0, {1, 2, 3, 4, 5, 6, 7, 8})).tag(0x05, {0x1B, 0x06});
    EXPECT_EQ(w.bytes(), (Bytes{0x1B, 0x01, 0x03, 0x00, 0xA0, 0xBE, 0x0B, 0xAA, 0x3C, 0xDA, 0x01, 0x1B, 0x0A,
                                0x1B, 0x01, 0x07, 0x93, 0x13, 0x02, 0x12, 0xF1, 0x01, 0xFF, 0x23, 0, 0, 0, 0, 0x08,
                                1, 2, 3, 4, 5, 6, 7, 8, 0x1B, 0x0A, 0x1B, 0x01, 0x05, 0x1B, 0x1B, 0x06, 0x1B, 0x0A}));
    b.bstFrame(bstMessage(0x10, {0x10}));
    EXPECT_EQ(b.bytes(), (Bytes{0x10, 0x02, 0x10, 0x10, 0x01, 0x10, 0x10, 0xDF, 0x10, 0x03}));
}

TEST(ZrlWriter, CanFrameIdentifierBytes)
{
    const Bytes pdu2 = bst95(0x1234, CanId{3, 129029, 0x11, 255}, {0xA0});
    EXPECT_EQ(pdu2, (Bytes{0x95, 0x07, 0x34, 0x12, 0x11, 0x05, 0xF8, 0x01 | (3 << 2), 0xA0}));
    const Bytes pdu1 = bst95(0, CanId{6, 59904, 0x22, 0x10}, {});
    EXPECT_EQ(pdu1[5], 0x10);
    EXPECT_EQ(pdu1[6], 0xEA);
}

TEST(ZrlWriter, FastPacketFramesCarryCountAndCounter)
{
    Bytes data(20);
    for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<std::uint8_t>(i);
    auto frames = fastPacketFrames(5, data);
    ASSERT_EQ(frames.size(), 3u);  // 6 + 7 + 7
    EXPECT_EQ(frames[0], (Bytes{0xA0, 20, 0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(frames[1], (Bytes{0xA1, 6, 7, 8, 9, 10, 11, 12}));
    EXPECT_EQ(frames[2], (Bytes{0xA2, 13, 14, 15, 16, 17, 18, 19}));
    EXPECT_EQ(fastPacketFrames(0, Bytes(21, 0)).size(), 4u);
}

// (The writer's sentence checksums: a wrong one would list the tool tests' written sentences as
// N183XC, next to a literal sentence whose checksum the parser checks.)
