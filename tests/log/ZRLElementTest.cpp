#include "grid/GridCellTraits.h"
#include "log/ZRLElement.h"
#include "messages/KorvBuf.h"
#include "messages/N2KMsg.h"
#include "support/ZrlWriter.h"

#include <gtest/gtest.h>

using namespace KelpLib;

namespace {

ElementTime clockAt(std::uint64_t base, std::uint16_t sequence, bool hasTime = true, std::uint32_t offsetMicros = 0)
{
    ElementTime time;
    time.baseTime = base;
    time.sequence = sequence;
    time.hasTime = hasTime;
    time.offsetMicros = offsetMicros;
    return time;
}

} // namespace

TEST(ElementTime, TextsAndColours)
{
    const std::uint64_t noon = ZrlTest::fileTimeUtc(2024, 1, 1, 12, 0, 0);
    EXPECT_EQ(noon, 133485840000000000ull);
    EXPECT_EQ(clockAt(noon, 1).text(), "12:00:00.000");
    EXPECT_EQ(clockAt(noon, 2, true, 250000).text(), "12:00:00.250");
    EXPECT_EQ(clockAt(noon + 23 * 36000000000ull + 599990000ull, 2).text(), "11:00:59.999");
    EXPECT_EQ(clockAt(0xFFFFFFFFFFFFFF00ull, 0).text(), "Time Error");
    EXPECT_EQ(clockAt(0, 0, false).colour(), 0x0000FFu);
    EXPECT_EQ(clockAt(noon, 0).colour(), 0x008000u);
    EXPECT_EQ(clockAt(noon, 1).colour(), 0x008000u);
    EXPECT_EQ(clockAt(noon, 2).colour(), 0x00C0C0u);
}

TEST(ElementTime, TimestampsAndSequence)
{
    ElementTime clock;
    EXPECT_TRUE(clock.applyTimestamp(1000));
    clock.advanceSequence();
    EXPECT_FALSE(clock.applyTimestamp(999));
    EXPECT_EQ(clock.baseTime, 1000u);
    EXPECT_EQ(clock.sequence, 1u);
    EXPECT_TRUE(clock.applyTimestamp(1000));
    EXPECT_EQ(clock.sequence, 0u);
    clock.sequence = 65535;
    clock.advanceSequence();
    EXPECT_EQ(clock.sequence, 65535u);
    ElementTime unordered;
    unordered.checkOrder = false;
    unordered.baseTime = 50;
    EXPECT_TRUE(unordered.applyTimestamp(10));
}

TEST(ZRLElement, KeepsTheTimeItShows)
{
    const std::uint64_t noon = ZrlTest::fileTimeUtc(2024, 1, 1, 12, 0, 0);
    for (const ElementTime& clock : {clockAt(noon, 0), clockAt(noon, 2, true, 250000), clockAt(0, 7, false),
                                     clockAt(noon, 65535, true, 0xFFFFFFFFu),
                                     clockAt(0xFFFFFFFFFFFFFF00ull, 3, true, 1000)}) { // base + offset overflows
        const ZRLElement element(clock, MsgVariantInfo{MsgVariant::N2k, MsgVariant::N2k, 35});
        EXPECT_EQ(element.timeText(), clock.text());
        EXPECT_EQ(element.timeColour(), clock.colour());
        EXPECT_EQ(element.time().sequence, clock.sequence);
        EXPECT_EQ(element.time().hasTime, clock.hasTime);
    }
    EXPECT_EQ(ZRLElement(clockAt(0xFFFFFFFFFFFFFF00ull, 3, true, 1000), MsgVariant::N2k).timeText(), "Time Error");
}

TEST(ZRLElement, BytesTypeAndSource)
{
    ZRLElement element(clockAt(0, 0), MsgVariantInfo{MsgVariant::N2k, MsgVariant::N2k, 35});
    const std::uint8_t bytes[] = {0x93, 0x01, 0x02};
    element.setBytes(3, bytes);
    EXPECT_EQ(element.length(), 3u);
    EXPECT_EQ(element.byteAt(2), 0x02);
    EXPECT_EQ(element.byteAt(3), 0);
    EXPECT_EQ(element.sourceText(), "N2K::35");
    EXPECT_EQ(element.typeText(), "N2K");
    EXPECT_EQ(element.group(), 4u);
    EXPECT_EQ(element.key(), "key");
    const auto raw = element.raw();
    ASSERT_EQ(raw->length(), 3u);
    EXPECT_NE(raw->data(), element.data());

    const std::uint8_t shorter[] = {7};
    element.setBytes(1, shorter);
    EXPECT_EQ(element.length(), 1u);
    EXPECT_EQ(element.byteAt(1), 0);

    ZRLElement bem(clockAt(0, 0), MsgVariant::BemDebug);
    EXPECT_EQ(bem.sourceText(), "LOCAL");
    EXPECT_EQ(bem.rawVariant(), MsgVariant::BemDebug);
    EXPECT_EQ(bem.pgn(), 0u);
    bem.setPgn(0xFFFFFFFF);
    EXPECT_EQ(bem.pgn(), 0x1FFFFFFFu);
}

TEST(ZRLElement, TimestampCellTakesTheTimeColour)
{
    ZRLElement element(clockAt(0, 0, false), MsgVariant::N183);
    CommonLib::GridCellTraits cell;
    EXPECT_TRUE(element.cellColour("Timestamp", cell));
    std::uint32_t colour = 0;
    ASSERT_TRUE(cell.getColour(colour));
    EXPECT_EQ(colour, 0x0000FFu);
    CommonLib::GridCellTraits other;
    EXPECT_FALSE(element.cellColour("Type", other));
    EXPECT_FALSE(other.getColour(colour));
    EXPECT_EQ(ZRLElement::empty().length(), 0u);
}

TEST(ZRLElement, N2kMessageOfN2kElementsAndUnassembledCanFrames)
{
    const ZrlTest::Bytes heading = ZrlTest::bst93(2, 127250, 255, 35, 10000, ZrlTest::Bytes(8, 0x11));
    ZRLElement n2k(clockAt(0, 0), MsgVariantInfo{MsgVariant::N2k, MsgVariant::N2k, 35});
    n2k.setBytes(static_cast<std::uint32_t>(heading.size()), heading.data());
    N2KMsg message;
    ASSERT_TRUE(n2k.n2kMessage(message));
    EXPECT_TRUE(message.valid());
    EXPECT_EQ(message.pgnNumber(), 127250u);
    EXPECT_EQ(message.source, 35);
    EXPECT_EQ(message.timeWord(), 10000u);
    EXPECT_EQ(message.payloadLength(), 8u);

    const ZrlTest::Bytes frame = ZrlTest::bst95(500, ZrlTest::CanId{3, 127488, 0x0C, 255}, ZrlTest::Bytes(8, 0x22));
    ZRLElement single(clockAt(0, 0), MsgVariant::CanFrame);
    single.setBytes(static_cast<std::uint32_t>(frame.size()), frame.data());
    N2KMsg fromFrame;
    ASSERT_TRUE(single.n2kMessage(fromFrame));
    EXPECT_EQ(fromFrame.pgnNumber(), 127488u);
    EXPECT_EQ(fromFrame.source, 0x0C);
    EXPECT_EQ(fromFrame.priority, 3);
    EXPECT_EQ(fromFrame.payloadLength(), 8u);

    single.setFlags(ZRLElement::canFrameOfAssembly);
    N2KMsg untouched = message;
    EXPECT_FALSE(single.n2kMessage(untouched)) << "a frame of a fast-packet transfer is no message on its own";
    EXPECT_EQ(untouched.pgnNumber(), 127250u);
    single.setFlags(ZRLElement::assembledFromCan);
    EXPECT_TRUE(single.n2kMessage(untouched)) << "only the assembly flag counts";

    ZRLElement bem(clockAt(0, 0), MsgVariantInfo{MsgVariant::N2k, MsgVariant::BemDebug, 35});
    bem.setBytes(static_cast<std::uint32_t>(heading.size()), heading.data());
    EXPECT_FALSE(bem.n2kMessage(untouched)) << "a BEM message inside PGN 126720 is not shown as NMEA 2000";
    ZRLElement sentence(clockAt(0, 0), MsgVariant::N183);
    EXPECT_FALSE(sentence.n2kMessage(untouched));
    ZRLElement canPacket(clockAt(0, 0), MsgVariant::CanPacket);
    EXPECT_FALSE(canPacket.n2kMessage(untouched));
}
