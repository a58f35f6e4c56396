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
    return {base, offsetMicros, sequence, hasTime};
}

const std::uint64_t noon = ZrlTest::fileTimeUtc(2024, 1, 1, 12, 0, 0);

} // namespace

// The time text and colour of a clock, kept as such by an element: green for the first two of
// a timestamp's sequence, cyan after, blue without a time; an overflowing base is an error.
TEST(ElementTime, TextsAndColours)
{
    const struct {
        ElementTime clock;
        const char* text;
        std::uint32_t colour;
    } cases[] = {
        {clockAt(noon, 0), "12:00:00.000", 0x008000u},
        {clockAt(noon, 1), "12:00:00.000", 0x008000u},
        {clockAt(noon, 2, true, 250000), "12:00:00.250", 0x00C0C0u},
        {clockAt(noon + 23 * 36000000000ull + 599990000ull, 2), "11:00:59.999", 0x00C0C0u},
        {clockAt(noon, 65535, true, 0xFFFFFFFFu), "13:11:34.967", 0x00C0C0u},
        {clockAt(0, 7, false), "00:00:00.000", 0x0000FFu},
        {clockAt(0xFFFFFFFFFFFFFF00ull, 0), "Time Error", 0x008000u},
        {clockAt(0xFFFFFFFFFFFFFF00ull, 3, true, 1000), "Time Error", 0x00C0C0u}, // base + offset overflows
    };
    for (const auto& c : cases) {
        const ZRLElement element(c.clock, MsgVariantInfo{MsgVariant::N2k, MsgVariant::N2k, 35});
        EXPECT_EQ(c.clock.text(), c.text);
        EXPECT_EQ(c.clock.colour(), c.colour) << c.text;
        EXPECT_EQ(element.timeText() + " " + std::to_string(element.timeColour()), c.text + (" " + std::to_string(c.colour)));
        EXPECT_EQ(element.time().sequence, c.clock.sequence);
    }
}

// A timestamp older than the clock's is refused unless order is not checked; the sequence
// restarts with each timestamp and stops at its largest value.
TEST(ElementTime, TimestampsAndSequence)
{
    ElementTime clock;
    EXPECT_TRUE(clock.applyTimestamp(1000));
    clock.advanceSequence();
    EXPECT_FALSE(clock.applyTimestamp(999));
    EXPECT_TRUE(clock.baseTime == 1000 && clock.sequence == 1);
    EXPECT_TRUE(clock.applyTimestamp(1000) && clock.sequence == 0);
    clock.sequence = 65535;
    clock.advanceSequence();
    EXPECT_EQ(clock.sequence, 65535u);
    ElementTime unordered;
    unordered.checkOrder = false;
    unordered.baseTime = 50;
    EXPECT_TRUE(unordered.applyTimestamp(10));
}

TEST(ZRLElement, BytesTypeSourceAndTimestampCell)
{
    ZRLElement element(clockAt(0, 0, false), MsgVariantInfo{MsgVariant::N2k, MsgVariant::N2k, 35});
    const std::uint8_t bytes[] = {0x93, 0x01, 0x02};
    element.setBytes(3, bytes);
    EXPECT_EQ(element.byteAt(2), 0x02);
    EXPECT_EQ(element.byteAt(3), 0) << "past the end";
    EXPECT_EQ(element.sourceText() + " " + element.typeText() + " " + std::to_string(element.group()), "N2K::35 N2K 4");
    EXPECT_TRUE(element.raw()->length() == 3 && element.raw()->data() != element.data()) << "a copy";
    element.setBytes(1, bytes);
    EXPECT_EQ(element.byteAt(1), 0);

    ZRLElement bem(clockAt(0, 0), MsgVariant::BemDebug);
    EXPECT_EQ(bem.sourceText(), "LOCAL");
    bem.setPgn(0xFFFFFFFF);
    EXPECT_EQ(bem.pgn(), 0x1FFFFFFFu);

    CommonLib::GridCellTraits cell, other;
    std::uint32_t colour = 0;
    EXPECT_TRUE(element.cellColour("Timestamp", cell));
    ASSERT_TRUE(cell.getColour(colour));
    EXPECT_EQ(colour, 0x0000FFu);
    EXPECT_FALSE(element.cellColour("Type", other));
}

// NMEA 2000 elements and lone CAN frames stand for a message; a frame of a fast-packet transfer,
// a BEM message inside PGN 126720, a sentence and a CAN packet do not.
TEST(ZRLElement, N2kMessageOfN2kElementsAndUnassembledCanFrames)
{
    const ZrlTest::Bytes heading = ZrlTest::bst93(2, 127250, 255, 35, 10000, ZrlTest::Bytes(8, 0x11));
    const ZrlTest::Bytes frame = ZrlTest::bst95(500, ZrlTest::CanId{3, 127488, 0x0C, 255}, ZrlTest::Bytes(8, 0x22));
    const auto message = [](MsgVariantInfo info, const ZrlTest::Bytes& bytes, std::uint32_t flags = 0) {
        ZRLElement e(clockAt(0, 0), info);
        e.setBytes(static_cast<std::uint32_t>(bytes.size()), bytes.data());
        e.setFlags(flags);
        N2KMsg m;
        if (!e.n2kMessage(m))
            return std::string("none");
        return std::to_string(m.pgnNumber()) + " " + std::to_string(m.source) + " " + std::to_string(m.priority) + " " +
               std::to_string(m.timeWord()) + " " + std::to_string(m.payloadLength()) + (m.valid() ? "" : " invalid");
    };
    const auto only = [](MsgVariant v) { return MsgVariantInfo{v, v, 0}; };
    const MsgVariantInfo n2k{MsgVariant::N2k, MsgVariant::N2k, 35};
    EXPECT_EQ(message(n2k, heading), "127250 35 2 10000 8");
    EXPECT_EQ(message(only(MsgVariant::CanFrame), frame), "127488 12 3 0 8");
    EXPECT_EQ(message(only(MsgVariant::CanFrame), frame, ZRLElement::canFrameOfAssembly), "none");
    EXPECT_EQ(message(only(MsgVariant::CanFrame), frame, ZRLElement::assembledFromCan), "127488 12 3 0 8") << "only the assembly flag counts";
    EXPECT_EQ(message(MsgVariantInfo{MsgVariant::N2k, MsgVariant::BemDebug, 35}, heading), "none");
    EXPECT_EQ(message(only(MsgVariant::N183), heading), "none");
    EXPECT_EQ(message(only(MsgVariant::CanPacket), frame), "none");
}

TEST(ZRLElement, EmptyElementAnswersEverything)
{
    const ZRLElement& e = ZRLElement::empty();
    EXPECT_EQ(std::to_string(e.byteAt(0)) + " " + e.typeText() + " " + e.timeText() + " " + std::to_string(e.timeColour()) + " " +
                  e.sourceText() + " " + std::to_string(e.raw()->length()),
              "0 UNKNOWN 00:00:00.000 255 LOCAL 0");
}
