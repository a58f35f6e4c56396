#include "log/FastPacketAssembler.h"
#include "support/ByteView.h"
#include "support/ZrlWriter.h"

#include <gtest/gtest.h>

using namespace KelpLib;
using ZrlTest::Bytes;

namespace {

Bytes payload(std::size_t size, std::uint8_t first = 1)
{
    Bytes data(size);
    for (std::size_t i = 0; i < size; ++i)
        data[i] = static_cast<std::uint8_t>(first + i);
    return data;
}

class Assembly {
public:
    explicit Assembly(std::uint32_t pool = 100000) : assembler{pool, 255, 750} {}
    void feed(const Bytes& frameData, std::uint8_t source = 3, std::uint32_t pgn = 129029, std::uint32_t time = 0)
    {
        const Bytes frame = ZrlTest::bst95(0, ZrlTest::CanId{3, pgn, source}, frameData);
        assembler.feedFrame(ZrlTest::viewOf(frame, time), pgn);
    }
    // The complete message's data bytes (after the 13-byte header), empty when none.
    bool take(Bytes& data, Bytes* header = nullptr)
    {
        ByteBuffer message;
        if (!assembler.takeComplete(message))
            return false;
        data.assign(message.data + 13, message.data + message.length);
        if (header)
            header->assign(message.data, message.data + 13);
        return true;
    }
    FastPacketAssembler assembler;
};

} // namespace

TEST(FastPacketAssembler, FramesNeededByLength)
{
    for (std::size_t size : {6u, 7u, 20u, 21u, 223u}) {
        Assembly a;
        const auto frames = ZrlTest::fastPacketFrames(2, payload(size));
        Bytes data;
        for (std::size_t i = 0; i < frames.size(); ++i) {
            EXPECT_FALSE(a.take(data)) << size << " completes early at frame " << i;
            a.feed(frames[i]);
        }
        ASSERT_TRUE(a.take(data)) << size;
        EXPECT_EQ(data, payload(size));
        EXPECT_FALSE(a.take(data));
    }
}

TEST(FastPacketAssembler, RecordHeaderLayout)
{
    Assembly a;
    const auto frames = ZrlTest::fastPacketFrames(1, payload(9));
    a.feed(frames[0], 0x23, 129029, 0x01020304);
    a.feed(frames[1], 0x23);
    Bytes data, header;
    ASSERT_TRUE(a.take(data, &header));
    EXPECT_EQ(header, (Bytes{0xD0, 22, 0, 0xFF, 0x23, 0x05, 0xF8, 0x0D, 0x02, 0x04, 0x03, 0x02, 0x01}));
}

// The frames of transfers in the order given, and what comes out: each completed message's
// first data byte, "-" when a frame completes nothing; then the abandoned, restarted and unknown
// counts. Sources interleaved keep their own bytes; a lost middle frame abandons a transfer and
// the next one of the same key comes out whole; a new first frame restarts an open transfer.
TEST(FastPacketAssembler, TransfersInterleavedLostAndRestarted)
{
    const auto one = ZrlTest::fastPacketFrames(4, payload(20, 10)), two = ZrlTest::fastPacketFrames(4, payload(20, 100));
    const auto short1 = ZrlTest::fastPacketFrames(4, payload(10, 1)), short2 = ZrlTest::fastPacketFrames(4, payload(10, 50));
    const auto other = ZrlTest::fastPacketFrames(5, payload(20));
    const struct {
        const char* what;
        std::vector<std::pair<Bytes, std::uint8_t>> frames; // frame data, source
        std::string out;
    } cases[] = {
        {"interleaved", {{one[0], 1}, {two[0], 2}, {one[1], 1}, {two[1], 2}, {one[2], 1}, {two[2], 2}}, "- - - - 10 100 |0 0 0"},
        {"lost middle frame", {{one[0], 3}, {one[2], 3}, {two[0], 3}, {two[1], 3}, {two[2], 3}}, "- - - - 100 |1 0 0"},
        {"restarted", {{short1[0], 3}, {short2[0], 3}, {short2[1], 3}}, "- - 50 |0 1 0"},
        {"unknown transfer", {{other[1], 3}}, "- |0 0 1"},
    };
    for (const auto& c : cases) {
        Assembly a;
        std::string out;
        for (const auto& [frame, source] : c.frames) {
            a.feed(frame, source);
            Bytes data;
            out += a.take(data) ? std::to_string(data[0]) + (data == payload(data.size(), data[0]) ? " " : "! ") : "- ";
        }
        const auto& stats = a.assembler.statistics();
        EXPECT_EQ(out + "|" + std::to_string(stats.abandonedTransfers) + " " + std::to_string(stats.restartedTransfers) + " " +
                      std::to_string(stats.unknownTransferFrames),
                  c.out)
            << c.what;
        EXPECT_EQ(stats.droppedFirstFrames, 0u) << c.what;
    }
}

// A first frame announcing 200 bytes finds no room in a pool of 100; a frame of one data byte
// completes nothing. Transfers opened and never finished fill the table and the pool: a small one
// still fits, intact; one too large for the room left is dropped rather than written over another.
TEST(FastPacketAssembler, ShortFramesAndAFullPoolDropWithoutOverrun)
{
    FastPacketAssembler small(100, 255, 750);
    small.feedFrame(ZrlTest::viewOf(ZrlTest::bst95(0, ZrlTest::CanId{3, 129029, 3}, {0x00, 200, 1, 2, 3, 4, 5, 6})), 129029);
    EXPECT_EQ(small.statistics().droppedFirstFrames, 1u);
    small.feedFrame(ZrlTest::viewOf({0x95, 0x07, 0, 0, 3, 0, 0xF8, 0x0D, 0x00}), 129029);
    ByteBuffer message;
    EXPECT_FALSE(small.takeComplete(message));
    EXPECT_EQ(message.data, nullptr);

    Assembly a(2000);
    for (int n = 0; n < 300; ++n)
        a.feed(ZrlTest::fastPacketFrames(static_cast<std::uint8_t>(n & 7), Bytes(200, 0xEE))[0], static_cast<std::uint8_t>(n / 8));
    EXPECT_GT(a.assembler.statistics().droppedFirstFrames, 0u);
    for (const auto& frame : ZrlTest::fastPacketFrames(1, payload(20)))
        a.feed(frame, 250);
    Bytes data;
    ASSERT_TRUE(a.take(data));
    EXPECT_EQ(data, payload(20));
    for (const auto& frame : ZrlTest::fastPacketFrames(2, Bytes(223, 0x11)))
        a.feed(frame, 251);
    EXPECT_FALSE(a.take(data));
}

TEST(FastPacketAssembler, ManyTransfersReuseThePool)
{
    Assembly a;
    Bytes data;
    int completed = 0;
    for (int n = 0; n < 5000; ++n) {
        const auto frames = ZrlTest::fastPacketFrames(static_cast<std::uint8_t>(n & 7), payload(43, static_cast<std::uint8_t>(n)));
        for (const auto& frame : frames)
            a.feed(frame);
        if (a.take(data)) {
            ++completed;
            ASSERT_EQ(data, payload(43, static_cast<std::uint8_t>(n)));
        }
    }
    EXPECT_EQ(completed, 5000);
}
