#include "grid/GridCellTraits.h"
#include "grid/IGridTable.h"
#include "log/MsgVariant.h"
#include "log/ZRLElement.h"
#include "messages/KorvBuf.h"
#include "presentation/N2KMsgGridAdapter.h"
#include "support/N2kPayloads.h"
#include "support/ZrlWriter.h"

#include <gtest/gtest.h>

#include <memory>

using namespace KelpLib;
using ZrlTest::Bytes;

namespace {

std::shared_ptr<N2KMsgGridAdapter> adapterOf(const Bytes& bytes, const ZRLElement* element = nullptr)
{
    const KorvBuf buffer(bytes.data(), static_cast<std::uint32_t>(bytes.size()));
    return std::make_shared<N2KMsgGridAdapter>(buffer, element);
}

std::string columns(const CommonLib::IGridTable& table)
{
    std::string out;
    for (std::uint32_t c = 0; c < table.getColumnCount(); ++c)
        out += table.getColumnId(c) + "|";
    return out;
}

// Attitude (127257) has five fields.
const Bytes attitude = {0x01, 0x10, 0x00, 0x20, 0x00, 0x30, 0x00, 0xFF};

} // namespace

TEST(N2KMsgGridAdapter, TablesInOrder)
{
    const auto adapter = adapterOf(ZrlTest::bst93(2, 127257, 255, 35, 0, attitude));
    EXPECT_EQ(adapter->getName(), "NMEA 2000 Message");
    ASSERT_EQ(adapter->getTableCount(), 3u);
    const auto list = adapter->getTable(0);
    const auto title = adapter->getTable(1);
    const auto fields = adapter->getTable(2);
    EXPECT_EQ(list->getName(), "list");
    EXPECT_EQ(list->getTitle(), "N2K Message");
    EXPECT_EQ(title->getName(), "title");
    EXPECT_EQ(title->getTitle(), "N2K Message");
    EXPECT_EQ(fields->getName(), "fields");
    EXPECT_EQ(fields->getTitle(), "N2K PGN Fields");
    EXPECT_EQ(adapter->findTable("fields"), fields);

    EXPECT_EQ(list->getRowCount(), 1u);
    EXPECT_EQ(columns(*list), "Line|Timestamp|Type|PGN|Name|Src|Dest|Pri|Size|Data|");
    EXPECT_EQ(title->getRowCount(), 3u);
    EXPECT_EQ(columns(*title), "|");
    EXPECT_EQ(columns(*fields), "Field|Name|Data|Units|User Data|User Units|");
}

TEST(N2KMsgGridAdapter, ListCells)
{
    const auto adapter = adapterOf(ZrlTest::bst93(3, 59904, 7, 35, 32768, {0x00, 0xEE, 0x00}));
    const auto list = adapter->findTable("list");
    EXPECT_EQ(list->getCellText(0, "PGN"), " 59904");
    EXPECT_EQ(list->getCellText(0, "Src"), "35");
    EXPECT_EQ(list->getCellText(0, "Dest"), "7");
    EXPECT_EQ(list->getCellText(0, "Name"), "ISO Request");
    EXPECT_EQ(list->getCellText(0, "Timestamp"), "12:00:00:000");
    EXPECT_EQ(list->getCellText(0, "Pri"), "3");
    EXPECT_EQ(list->getCellText(0, "Size"), "3");
    EXPECT_EQ(list->getCellText(0, "Data"), "00 EE 00");
    EXPECT_EQ(list->getCellText(5, "Data"), "00 EE 00") << "the row is ignored";
    EXPECT_EQ(list->getCellText(0, "Line"), "");
    EXPECT_EQ(list->getCellText(0, "Type"), "");
    EXPECT_EQ(list->getCellText(0, "pgn"), "");

    EXPECT_EQ(adapterOf(ZrlTest::bst93(3, 59904, 7, 35, 65535, {0}))->findTable("list")->getCellText(0, "Timestamp"),
              "23:59:58:000");
    EXPECT_EQ(adapterOf(ZrlTest::bst93(3, 59904, 7, 35, 0x10000, {0}))->findTable("list")->getCellText(0, "Timestamp"),
              "00:00:00:000")
        << "only the low 16 bits count";
}

TEST(N2KMsgGridAdapter, ListColumnColours)
{
    const auto alone = adapterOf(ZrlTest::bst93(2, 127257, 255, 35, 0, attitude));
    std::uint32_t colour = 1;
    CommonLib::GridCellTraits stamp;
    EXPECT_TRUE(alone->findTable("list")->getColumnTraits("Timestamp", stamp));
    ASSERT_TRUE(stamp.getColour(colour));
    EXPECT_EQ(colour, MsgVariantToColour(VariantN2k));

    ElementTime untimed;
    untimed.hasTime = false;
    ZRLElement element(untimed, VariantN2k);
    const auto withElement = adapterOf(ZrlTest::bst93(2, 127257, 255, 35, 0, attitude), &element);
    EXPECT_EQ(withElement->element(), &element);
    CommonLib::GridCellTraits elementStamp;
    EXPECT_TRUE(withElement->findTable("list")->getColumnTraits("Timestamp", elementStamp));
    ASSERT_TRUE(elementStamp.getColour(colour));
    EXPECT_EQ(colour, 0x0000FFu) << "the element's time colour";

    CommonLib::GridCellTraits other;
    EXPECT_TRUE(withElement->findTable("list")->getColumnTraits("PGN", other));
    ASSERT_TRUE(other.getColour(colour));
    EXPECT_EQ(colour, MsgVariantToColour(VariantN2k));
}

TEST(N2KMsgGridAdapter, TitleRows)
{
    // The tables read their adapter's message: the adapter is kept while they are asked.
    const auto globalAdapter = adapterOf(ZrlTest::bst93(2, 127257, 255, 35, 0, attitude));
    const auto global = globalAdapter->findTable("title");
    EXPECT_EQ(global->getCellText(0, ""), "PGN 127257 / 1F119");
    EXPECT_EQ(global->getCellText(1, ""), "Attitude");
    EXPECT_EQ(global->getCellText(2, ""), "Source Address 35 to 255 (Global), Priority 2, 5 data fields");
    EXPECT_EQ(global->getCellText(3, ""), "Bad row");

    const auto addressedAdapter = adapterOf(ZrlTest::bst93(6, 59904, 254, 9, 0, {0x00, 0xEE, 0x00}));
    const auto addressed = addressedAdapter->findTable("title");
    EXPECT_EQ(addressed->getCellText(0, ""), "PGN 059904 / 0EA00");
    EXPECT_EQ(addressed->getCellText(2, ""), "Source Address 9 to 254, Priority 6, 1 data fields");
}

TEST(N2KMsgGridAdapter, UnknownPgnAndUndecodableBytes)
{
    const auto unknown = adapterOf(ZrlTest::bst93(2, 126989, 255, 35, 0, {1, 2}));
    EXPECT_EQ(unknown->findTable("title")->getCellText(1, ""), "Unknown PGN (126989)");
    EXPECT_EQ(unknown->findTable("list")->getCellText(0, "Name"), "Unknown PGN (126989)");
    EXPECT_EQ(unknown->findTable("fields")->getRowCount(), 0u);
    EXPECT_EQ(unknown->findTable("fields")->getCellText(0, "Field"), "Row Out Of Range");

    const auto bad = adapterOf({0x91, 0x00});
    EXPECT_FALSE(bad->message().valid());
    EXPECT_EQ(bad->findTable("fields")->getRowCount(), 0u);
    EXPECT_EQ(bad->findTable("list")->getCellText(0, "Data"), "<Zero size array>");

    const KorvBuf none;
    const auto empty = std::make_shared<N2KMsgGridAdapter>(none, nullptr);
    EXPECT_FALSE(empty->message().valid());
    EXPECT_EQ(empty->getTableCount(), 3u);
}

TEST(N2KMsgGridAdapter, FieldsTable)
{
    const auto adapter = adapterOf(ZrlTest::bst93(2, 127257, 255, 35, 0, attitude));
    const auto fields = adapter->findTable("fields");
    ASSERT_EQ(fields->getRowCount(), 5u);
    const N2KMsg& message = adapter->message();
    EXPECT_EQ(fields->getCellText(0, "Field"), "1");
    EXPECT_EQ(fields->getCellText(4, "Field"), "5");
    EXPECT_EQ(fields->getCellText(1, "Name"), message.fieldInfo(1)->name());
    EXPECT_EQ(fields->getCellText(1, "Data"), message.fieldInfo(1)->valueText(false));
    EXPECT_EQ(fields->getCellText(1, "Units"), message.fieldInfo(1)->unitsText(false));
    EXPECT_EQ(fields->getCellText(1, "User Data"), message.fieldInfo(1)->valueText(true));
    EXPECT_EQ(fields->getCellText(1, "User Units"), message.fieldInfo(1)->unitsText(true));
    EXPECT_EQ(fields->getCellText(5, "Field"), "Row Out Of Range");
    EXPECT_EQ(fields->getCellText(0, "Value"), "Column Out Of Range");
    EXPECT_EQ(fields->getCellText(0, "field"), "Column Out Of Range");
}

TEST(N2KMsgGridAdapter, FieldsInPlainAndConvertedUnits)
{
    // Vessel Heading: 1000 x 0.0001 rad; deviation and variation not available; magnetic.
    const auto adapter = adapterOf(ZrlTest::bst93(2, 127250, 255, 35, 0, {0x01, 0xE8, 0x03, 0xFF, 0x7F, 0xFF, 0x7F, 0xFD}));
    const auto fields = adapter->findTable("fields");
    ASSERT_EQ(fields->getRowCount(), 6u);
    EXPECT_EQ(fields->getCellText(1, "Field"), "2");
    EXPECT_EQ(fields->getCellText(1, "Name"), "Heading Sensor Reading");
    EXPECT_EQ(fields->getCellText(1, "Data"), "0.1000");
    EXPECT_EQ(fields->getCellText(1, "Units"), "Radian");
    EXPECT_EQ(fields->getCellText(1, "User Data"), "5.730");
    EXPECT_EQ(fields->getCellText(1, "User Units"), "Degree");
    EXPECT_EQ(fields->getCellText(2, "User Data"), "Data not available");
    EXPECT_EQ(fields->getCellText(4, "Data"), "1 (Magnetic)");
}

TEST(N2KMsgGridAdapter, CopyOfAMessage)
{
    const KorvBuf bytes(ZrlTest::bst93(2, 127257, 255, 35, 0, attitude).data(), 8 + 13);
    auto message = std::make_unique<N2KMsg>(*bytes.buffer());
    const auto adapter = std::make_shared<N2KMsgGridAdapter>(*message, nullptr);
    message.reset(); // the adapter reads its own copy
    EXPECT_EQ(adapter->element(), nullptr);
    EXPECT_EQ(adapter->findTable("fields")->getRowCount(), 5u);
    EXPECT_EQ(adapter->findTable("list")->getCellText(0, "Src"), "35");
}
