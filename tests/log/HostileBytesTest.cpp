#include "log/ClassifyMessage.h"
#include "log/FastPacketAssembler.h"
#include "log/SixBitArmour.h"
#include "log/ZRLElement.h"
#include "messages/KorvBuf.h"
#include "messages/N2KHeader.h"
#include "support/ByteView.h"
#include "support/ZrlWriter.h"

#include <gtest/gtest.h>

#include <memory>
#include <numeric>
#include <random>

using namespace KelpLib;
using ZrlTest::Bytes;

namespace {

// Exactly-sized heap copies, so that the sanitizer build catches any read past the end.
std::unique_ptr<std::uint8_t[]> exactCopy(const Bytes& bytes)
{
    auto copy = std::make_unique<std::uint8_t[]>(bytes.size() + (bytes.empty() ? 1 : 0));
    std::copy(bytes.begin(), bytes.end(), copy.get());
    return copy;
}

Bytes randomBytes(std::mt19937& random, std::size_t maxSize)
{
    Bytes bytes(random() % (maxSize + 1));
    for (auto& b : bytes)
        b = static_cast<std::uint8_t>(random());
    static const std::uint8_t ids[] = {0x92, 0x93, 0x94, 0x95, 0x96, 0xD0, 0xA7};
    if (!bytes.empty() && random() % 2)
        bytes[0] = ids[random() % sizeof ids];
    if (bytes.size() > 1 && random() % 2)
        bytes[1] = static_cast<std::uint8_t>(bytes.size() - 2);
    return bytes;
}

} // namespace

TEST(HostileBytes, HeaderDecodeAndClassifierStayInsideTheirInput)
{
    std::mt19937 random(3);
    int decoded = 0;
    for (int i = 0; i < 200000; ++i) {
        const Bytes bytes = randomBytes(random, 40);
        const auto copy = exactCopy(bytes);
        N2KMsg_s header;
        const std::int32_t result = decodeN2KHeader(copy.get(), static_cast<std::uint32_t>(bytes.size()), 0, header);
        ASSERT_TRUE(result == 0 || result == -1097 || result == -1099);
        if (result == 0) {
            ++decoded;
            ASSERT_LE(header.length, 224u);
        }
        classifyMessage(copy.get(), static_cast<std::uint32_t>(bytes.size()), true);
        classifyMessage(copy.get(), static_cast<std::uint32_t>(bytes.size()), false);
    }
    EXPECT_GT(decoded, 100);
}

TEST(HostileBytes, ArmourDecoderStopsAtItsCapacity)
{
    std::mt19937 random(5);
    for (int i = 0; i < 20000; ++i) {
        const Bytes text = randomBytes(random, 300);
        const auto copy = exactCopy(text);
        const std::uint32_t capacity = random() % 210;
        auto out = std::make_unique<std::uint8_t[]>(capacity + 1);
        const std::int32_t written = decodeSixBitArmour(copy.get(), static_cast<std::uint32_t>(text.size()), out.get(), capacity);
        ASSERT_LE(written, static_cast<std::int32_t>(capacity));
        ASSERT_GE(written, -1);
    }
}

TEST(HostileBytes, AssemblerTakesAnyFrames)
{
    std::mt19937 random(9);
    FastPacketAssembler assembler(100000, 255, 750);
    for (int i = 0; i < 200000; ++i) {
        Bytes frame = randomBytes(random, 20);
        if (frame.size() > 4 && random() % 2)
            frame[4] = static_cast<std::uint8_t>(random() % 4); // few sources: keys collide
        const auto copy = exactCopy(frame);
        ByteBuffer buffer;
        wrap(buffer, copy.get(), static_cast<std::int64_t>(frame.size()));
        assembler.feedFrame(buffer, 129029 + random() % 3);
        ByteBuffer message;
        while (assembler.takeComplete(message)) {
            ASSERT_EQ(message.data[0], 0xD0);
            ASSERT_EQ(message.length, message.data[1] + 256u * message.data[2]);
        }
    }
}

TEST(HostileBytes, ExhaustedPoolNeverCorruptsALaterTransfer)
{
    FastPacketAssembler assembler(2000, 255, 750);
    const auto feed = [&](const Bytes& data, std::uint8_t source) {
        const Bytes frame = ZrlTest::bst95(0, ZrlTest::CanId{3, 129029, source}, data);
        assembler.feedFrame(ZrlTest::viewOf(frame), 129029);
    };
    // Many transfers opened and never finished fill the table and the pool.
    for (int n = 0; n < 300; ++n)
        feed(ZrlTest::fastPacketFrames(static_cast<std::uint8_t>(n & 7), Bytes(200, 0xEE))[0], static_cast<std::uint8_t>(n / 8));
    EXPECT_GT(assembler.statistics().droppedFirstFrames, 0u);

    Bytes payload(20);
    std::iota(payload.begin(), payload.end(), 0);
    for (const auto& frame : ZrlTest::fastPacketFrames(1, payload))
        feed(frame, 250);
    ByteBuffer message;
    // The room left after the stuck transfers still holds a small one, intact.
    ASSERT_TRUE(assembler.takeComplete(message));
    EXPECT_EQ(Bytes(message.data + 13, message.data + message.length), payload);

    // A transfer too large for the room left is dropped rather than written over another.
    for (const auto& frame : ZrlTest::fastPacketFrames(2, Bytes(223, 0x11)))
        feed(frame, 251);
    EXPECT_FALSE(assembler.takeComplete(message));
}

TEST(HostileBytes, EmptyElementAnswersEverything)
{
    const ZRLElement& e = ZRLElement::empty();
    EXPECT_EQ(std::to_string(e.byteAt(0)) + " " + e.typeText() + " " + e.timeText() + " " + std::to_string(e.timeColour()) + " " +
                  e.sourceText() + " " + std::to_string(e.raw()->length()),
              "0 UNKNOWN 00:00:00.000 255 LOCAL 0");
}
