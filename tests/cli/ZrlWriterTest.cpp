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

// (The writer's CAN identifier bytes, fast-packet frames and sentence checksums are pinned through
// the tests that read them back, next to the parsers' own tests on literal frames and sentences.)
