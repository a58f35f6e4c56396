#include "grid/GridCellTraits.h"
#include "grid/IGridTable.h"
#include "log/MsgVariant.h"
#include "log/ZRLElement.h"
#include "messages/KorvBuf.h"
#include "presentation/N2KMsgGridAdapter.h"
#include "support/GridText.h"
#include "support/ZrlWriter.h"

#include <gtest/gtest.h>

#include <memory>

using namespace KelpLib;
using ZrlTest::Bytes;
using ZrlTest::columnIdsText;
using ZrlTest::tableRows;
using Rows = std::vector<std::string>;

namespace {

std::shared_ptr<N2KMsgGridAdapter> adapterOf(const Bytes& bytes, const ZRLElement* element = nullptr)
{
    const KorvBuf buffer(bytes.data(), static_cast<std::uint32_t>(bytes.size()));
    return std::make_shared<N2KMsgGridAdapter>(buffer, element);
}

std::uint32_t colourOf(const CommonLib::IGridTable& table, const std::string& column)
{
    CommonLib::GridCellTraits traits;
    EXPECT_TRUE(table.getColumnTraits(column, traits));
    std::uint32_t colour = 0xDEADBEEF;
    EXPECT_TRUE(traits.getColour(colour));
    return colour;
}

// Attitude (127257) has five fields.
const Bytes attitude = ZrlTest::bst93(2, 127257, 255, 35, 0, {0x01, 0x10, 0x00, 0x20, 0x00, 0x30, 0x00, 0xFF});

} // namespace

TEST(N2KMsgGridAdapter, TablesOfAMessage)
{
    // The tables read their adapter's message: the adapter is kept while they are asked.
    const auto adapter = adapterOf(attitude);
    EXPECT_EQ(adapter->getName(), "NMEA 2000 Message");
    ASSERT_EQ(adapter->getTableCount(), 3u);
    std::string tables;
    for (std::uint32_t i = 0; i < 3; ++i)
        tables += adapter->getTable(i)->getName() + "=" + adapter->getTable(i)->getTitle() + ";";
    EXPECT_EQ(tables, "list=N2K Message;title=N2K Message;fields=N2K PGN Fields;");

    const auto list = adapter->findTable("list");
    EXPECT_EQ(columnIdsText(*list), "Line|Timestamp|Type|PGN|Name|Src|Dest|Pri|Size|Data");
    EXPECT_EQ(tableRows(*list), (Rows{"|00:00:00:000||127257|Attitude|35|255|2|8|01 10 00 20 00 30 00 FF"}));
    EXPECT_EQ(list->getCellText(5, "Data"), "01 10 00 20 00 30 00 FF") << "the row is ignored";
    EXPECT_EQ(tableRows(*adapter->findTable("title")),
              (Rows{"PGN 127257 / 1F119", "Attitude", "Source Address 35 to 255 (Global), Priority 2, 5 data fields"}));

    const auto fields = adapter->findTable("fields");
    EXPECT_EQ(columnIdsText(*fields), "Field|Name|Data|Units|User Data|User Units");
    EXPECT_EQ(tableRows(*fields), (Rows{"1|Sequence ID|1|||", "2|Yaw|0.0016|Radian|0.092|Degree", "3|Pitch|0.0032|Radian|0.183|Degree",
                                       "4|Roll|0.0048|Radian|0.275|Degree", "5|NMEA Reserved|11111111|||"}));
    EXPECT_EQ(fields->getCellText(5, "Field"), "Row Out Of Range");
    EXPECT_EQ(fields->getCellText(0, "field"), "Column Out Of Range");
}

TEST(N2KMsgGridAdapter, AddressedMessageAndTimeWord)
{
    const auto adapter = adapterOf(ZrlTest::bst93(6, 59904, 254, 9, 32768, {0x00, 0xEE, 0x00}));
    EXPECT_EQ(tableRows(*adapter->findTable("list")), (Rows{"|12:00:00:000|| 59904|ISO Request|9|254|6|3|00 EE 00"}));
    EXPECT_EQ(adapter->findTable("title")->getCellText(2, ""), "Source Address 9 to 254, Priority 6, 1 data fields");
    EXPECT_EQ(adapterOf(ZrlTest::bst93(3, 59904, 7, 35, 0x10000, {0}))->findTable("list")->getCellText(0, "Timestamp"),
              "00:00:00:000")
        << "only the low 16 bits count";
}

TEST(N2KMsgGridAdapter, ListColumnColours)
{
    EXPECT_EQ(colourOf(*adapterOf(attitude)->findTable("list"), "Timestamp"), MsgVariantToColour(MsgVariant::N2k));
    ElementTime untimed;
    untimed.hasTime = false;
    ZRLElement element(untimed, MsgVariant::N2k);
    const auto withElement = adapterOf(attitude, &element);
    EXPECT_EQ(withElement->element(), &element);
    EXPECT_EQ(colourOf(*withElement->findTable("list"), "Timestamp"), 0x0000FFu) << "the element's time colour";
    EXPECT_EQ(colourOf(*withElement->findTable("list"), "PGN"), MsgVariantToColour(MsgVariant::N2k));
}

TEST(N2KMsgGridAdapter, UnknownPgnUndecodableBytesAndCopies)
{
    const auto unknown = adapterOf(ZrlTest::bst93(2, 126989, 255, 35, 0, {1, 2}));
    EXPECT_EQ(unknown->findTable("title")->getCellText(1, ""), "Unknown PGN (126989)");
    EXPECT_EQ(unknown->findTable("fields")->getRowCount(), 0u);

    const auto bad = adapterOf({0x91, 0x00});
    EXPECT_FALSE(bad->message().valid());
    EXPECT_EQ(bad->findTable("fields")->getRowCount(), 0u);
    EXPECT_EQ(bad->findTable("list")->getCellText(0, "Data"), "<Zero size array>");
    const auto empty = std::make_shared<N2KMsgGridAdapter>(KorvBuf(), nullptr);
    EXPECT_FALSE(empty->message().valid());
    EXPECT_EQ(empty->getTableCount(), 3u);

    // An adapter of a message reads its own copy.
    const KorvBuf bytes(attitude.data(), static_cast<std::uint32_t>(attitude.size()));
    auto message = std::make_unique<N2KMsg>(*bytes.buffer());
    const auto copy = std::make_shared<N2KMsgGridAdapter>(*message, nullptr);
    message.reset();
    EXPECT_EQ(copy->findTable("fields")->getRowCount(), 5u);
    EXPECT_EQ(copy->findTable("list")->getCellText(0, "Src"), "35");
}
