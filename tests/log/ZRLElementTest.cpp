#include "grid/GridCellTraits.h"
#include "log/ZRLElement.h"
#include "messages/KorvBuf.h"
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

TEST(ZRLElement, BytesTypeAndSource)
{
    ZRLElement element(clockAt(0, 0), MsgVariantInfo{1280, 1280, 35});
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

    ZRLElement bem(clockAt(0, 0), 1025);
    EXPECT_EQ(bem.sourceText(), "LOCAL");
    EXPECT_EQ(bem.rawVariant(), 1025u);
    EXPECT_EQ(bem.pgn(), 0u);
    bem.setPgn(0xFFFFFFFF);
    EXPECT_EQ(bem.pgn(), 0x1FFFFFFFu);
}

TEST(ZRLElement, TimestampCellTakesTheTimeColour)
{
    ZRLElement element(clockAt(0, 0, false), 512);
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
