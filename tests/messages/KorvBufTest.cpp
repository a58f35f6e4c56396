#include "common/ByteFormat.h"
#include "messages/KorvBuf.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace KelpLib;

namespace {

ListColumn column(std::uint32_t id) { return ListColumn{"c", 5, id, true}; }

} // namespace

TEST(ByteBuffer, WritesAreClampedToTheRoom)
{
    ByteBuffer buffer;
    makeEmpty(buffer, 4);
    const std::uint8_t ten[10] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    EXPECT_EQ(appendBytes(buffer, ten, 10), -1389);
    EXPECT_EQ(appendByte(buffer, 9), -1398);
    EXPECT_EQ(std::vector<std::uint8_t>(buffer.data, buffer.data + buffer.length), (std::vector<std::uint8_t>{1, 2, 3, 4}));
    EXPECT_TRUE(isFull(buffer));
    std::uint32_t index = 3;
    EXPECT_EQ(putByteAt(buffer, index, 0xEE), 0);
    EXPECT_EQ(index, 4u);
    EXPECT_EQ(putByteAt(buffer, index, 0xEE), -1396);
    EXPECT_EQ(buffer.data[3], 0xEE);
    reset(buffer);
    EXPECT_EQ(appendDecimal(buffer, 1234), 0);
    EXPECT_EQ(std::string(buffer.data, buffer.data + 4), "1234");
    reset(buffer);
    EXPECT_EQ(appendDecimal(buffer, 98765), -1398);
    EXPECT_EQ(std::string(buffer.data, buffer.data + buffer.length), "9876");
    release(buffer);
    EXPECT_EQ(buffer.data, nullptr);
    EXPECT_EQ(buffer.capacity, 0u);
    release(buffer);
}

TEST(ByteBuffer, MakeAndWrap)
{
    const std::uint8_t bytes[] = {7, 8, 9};
    ByteBuffer source;
    makeFromBytes(source, bytes, 3);
    source.time = 42;
    ByteBuffer copy;
    makeCopy(copy, source);
    EXPECT_EQ(copy.length + copy.capacity + copy.time + firstByte(copy), 3u + 3u + 42u + 7u);
    EXPECT_NE(copy.data, source.data);
    ByteBuffer wrapped;
    wrap(wrapped, bytes, -5);
    EXPECT_EQ(wrapped.length, 0u);
    wrap(wrapped, bytes, 3);
    EXPECT_EQ(wrapped.data, bytes);
    release(source);
    release(copy);
}

TEST(ByteFormat, HexDumpAndDecimalList)
{
    const std::uint8_t two[] = {0x01, 0x02};
    EXPECT_EQ(hexDump(two, 2, nullptr, ", "), "01, 02");
    EXPECT_EQ(hexDump(two, 2, "0x", " "), "0x01 0x02");
    EXPECT_EQ(hexDump(two, 2), "0102");
    EXPECT_EQ(hexDump(nullptr, 2), "None");
    EXPECT_EQ(hexDump(two, 0), "<Zero size array>");
    EXPECT_EQ(decimalList(two, 2, nullptr, ","), "1,2,");
    EXPECT_EQ(decimalList(two, 0, nullptr, ","), "");
    // 1000 bytes are the most a dump shows.
    const std::vector<std::uint8_t> big(1001, 0xAB);
    EXPECT_EQ(hexDump(big.data(), 1001, nullptr, " "), "ERROR: ARRAY SIZE > 1000!");
    const std::string thousand = hexDump(big.data(), 1000, nullptr, " ");
    EXPECT_EQ(thousand.size(), 1000u * 3 - 1);
    EXPECT_EQ(thousand.substr(0, 6), "AB AB ");
}

TEST(KorvBuf, CellAndListTexts)
{
    const std::uint8_t bytes[] = {0x41, 0x0A, 0xFF};
    KorvBuf buf(bytes, 3);
    EXPECT_EQ(buf.rowCount(), 3u);
    ASSERT_EQ(buf.columnCount(), 4u);
    std::vector<std::string> cells;
    for (std::uint32_t row = 0; row < 3; ++row)
        for (std::uint32_t c = 0; c < 4; ++c)
            cells.push_back(buf.cellText(row, buf.columnName(c)));
    EXPECT_EQ(cells, (std::vector<std::string>{"0", "0x41", "65", "A", "1", "0xA", "10", "", "2", "0xFF", "255", "\xFF"}));
    EXPECT_EQ(buf.cellText(3, "Hex"), "Row Out Of Range");
    EXPECT_EQ(buf.cellText(0, "hex"), "") << "column names are case-sensitive";
    EXPECT_EQ(buf.columnName(4), "Error");
    EXPECT_EQ(buf.titleRow(0) + "|" + buf.titleRow(1) + "|" + buf.titleRow(2),
              "Binary Data|Binary shown as an array|Error in title row");
    EXPECT_EQ(buf.rowHeader(7), "field = 7");
    EXPECT_EQ(buf.listText(column(ListColumnSize)) + "|" + buf.listText(column(ListColumnData)) + "|" +
                  buf.listText(column(ListColumnName)) + "|" + buf.hexText(true),
              "3|41 0A FF||41, 0A, FF");
    const KorvBuf none;
    EXPECT_EQ(none.listText(column(ListColumnSize)) + "|" + none.listText(column(ListColumnData)), "0|None");
    KorvBuf room(8);
    EXPECT_EQ(room.listText(column(ListColumnData)), "<Zero size array>");
    EXPECT_EQ(room.append(0x10), 0);
    EXPECT_EQ(room.listText(column(ListColumnData)), "10");
}

TEST(KorvBuf, CopiesOwnTheirBytesAndWrapsDoNot)
{
    std::uint8_t bytes[] = {1, 2, 3};
    ByteBuffer source;
    makeFromBytes(source, bytes, 3);
    source.time = 99;
    KorvBuf fromRecord(source);
    release(source);
    EXPECT_EQ(fromRecord.time(), 99u);
    EXPECT_TRUE(fromRecord.ownsData());
    KorvBuf copy(fromRecord);
    EXPECT_NE(copy.data(), fromRecord.data());

    KorvBuf wrapped;
    wrapped.wrap(bytes, 3);
    EXPECT_FALSE(wrapped.ownsData());
    bytes[0] = 9;
    EXPECT_EQ(wrapped.cellText(0, "Decimal"), "9");
    wrapped = copy;
    EXPECT_TRUE(wrapped.ownsData());
    EXPECT_EQ(wrapped.cellText(0, "Decimal"), "1");
    wrapped = wrapped;
    EXPECT_EQ(wrapped.length(), 3u);
    wrapped = KorvBuf();
    EXPECT_EQ(wrapped.length(), 0u);
}
