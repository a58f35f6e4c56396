#include "grid/GridCellTraits.h"
#include "grid/IGridTable.h"
#include "log/MsgVariant.h"
#include "log/ZRLElement.h"
#include "presentation/BST95MsgGridAdapter.h"
#include "presentation/N2KMsgGridAdapter.h"
#include "support/GridText.h"
#include "support/N2kPayloads.h"
#include "support/ZrlWriter.h"

#include <gtest/gtest.h>

using namespace KelpLib;
using ZrlTest::Bytes;
using ZrlTest::CanId;
using ZrlTest::columnIdsText;
using ZrlTest::tableRows;
using Rows = std::vector<std::string>;

namespace {

std::shared_ptr<BST95MsgGridAdapter> adapterOf(const Bytes& frame, std::uint32_t time = 0,
                                               const ZRLElement* element = nullptr)
{
    KorvBuf bytes(frame.data(), static_cast<std::uint32_t>(frame.size()));
    const_cast<ByteBuffer*>(bytes.buffer())->time = time;
    return std::make_shared<BST95MsgGridAdapter>(bytes, element);
}

// Engine Parameters, Rapid Update: a single-frame PGN.
Bytes engineFrame() { return ZrlTest::bst95(1234, CanId{2, 127488, 0x23, 255}, ZrlTest::pgn127488(1, 1500, 0, 0)); }

std::uint32_t colourOf(const CommonLib::IGridTable& table, const std::string& column)
{
    CommonLib::GridCellTraits traits;
    EXPECT_TRUE(table.getColumnTraits(column, traits));
    std::uint32_t colour = 0xDEADBEEF;
    EXPECT_TRUE(traits.getColour(colour));
    return colour;
}

} // namespace

TEST(BST95MsgGridAdapter, SingleFrameShowsTheNmea2000Fields)
{
    const auto adapter = adapterOf(engineFrame(), 32768);
    EXPECT_EQ(adapter->getName(), "NMEA 2000 Single-packet message");
    ASSERT_TRUE(adapter->singleFrame());
    ASSERT_EQ(adapter->getTableCount(), 3u);
    std::string tables;
    for (std::uint32_t i = 0; i < 3; ++i)
        tables += adapter->getTable(i)->getName() + "=" + adapter->getTable(i)->getTitle() + ";";
    EXPECT_EQ(tables, "list=BST95 Message;title=N2K Message;fields=BST 95 data payload;");

    // The list's time is the buffer's time word; the title's the frame's own milliseconds.
    const auto list = adapter->findTable("list");
    EXPECT_EQ(columnIdsText(*list), "Line|Timestamp|Type|PGN|Name|Src|Dest|Pri|Size|Data");
    EXPECT_EQ(tableRows(*list),
              (Rows{"|12:00:00:000|SINGLE|127488|Engine Parameters, Rapid Update| 35|255|  2|  8|01 70 17 00 00 00 FF FF"}));
    EXPECT_EQ(colourOf(*list, "Timestamp"), 0x008000u);
    EXPECT_EQ(tableRows(*adapter->findTable("title")),
              (Rows{"PGN 127488 / 1F200", "Engine Parameters, Rapid Update",
                    "Source Address 35 to 255 (Global), Priority 2, 8 data bytes",
                    "Single-Packet, Timestamp 1234 milliseconds"}));

    // The fields are those of the NMEA 2000 adapter.
    const auto fields = adapter->findTable("fields");
    EXPECT_EQ(tableRows(*fields), tableRows(*adapter->n2kAdapter()->findTable("fields")));
}

TEST(BST95MsgGridAdapter, FastPacketFrameShowsItsBytes)
{
    const auto adapter = adapterOf(ZrlTest::bst95(40000, CanId{3, 129029, 0x11, 255}, {0x20, 0x2B, 1, 2, 3, 4, 5, 6}), 65535);
    EXPECT_EQ(adapter->getName(), "NMEA 2000 Fast-packet message");
    EXPECT_FALSE(adapter->singleFrame());
    EXPECT_EQ(adapter->n2kAdapter(), nullptr);
    EXPECT_EQ(tableRows(*adapter->findTable("list")), (Rows{"|23:59:58:000|FAST|129029|GNSS Position Data| 17|255|  3|  8|20 2B 01 02 03 04 05 06"}));
    EXPECT_EQ(colourOf(*adapter->findTable("list"), "Timestamp"), MsgVariantToColour(MsgVariant::CanFrame));
    EXPECT_EQ(adapter->findTable("title")->getCellText(3, ""), "Fast-Packet, Timestamp 40000 milliseconds");

    const auto fields = adapter->findTable("fields");
    EXPECT_EQ(columnIdsText(*fields), "Offset|Decimal|Hex");
    EXPECT_EQ(tableRows(*fields), (Rows{"1|32|20", "2|43|2B", "3|1|01", "4|2|02", "5|3|03", "6|4|04", "7|5|05", "8|6|06"}));
    EXPECT_EQ(fields->getCellText(1, "Char"), "Char Unknown");
    EXPECT_EQ(fields->getCellText(8, "Offset"), "Row Out Of Range");
}

TEST(BST95MsgGridAdapter, AddressedAndUnknownPgns)
{
    // 59904 ISO Request to address 0x10: PDU format 0xEA is addressed.
    const auto request = adapterOf(ZrlTest::bst95(5, CanId{6, 59904, 0x01, 0x10}, {0x00, 0xEE, 0x00}));
    EXPECT_EQ(request->findTable("title")->getCellText(2, ""), "Source Address 1 to 16, Priority 6, 3 data bytes");
    EXPECT_EQ(request->findTable("list")->getCellText(0, "Dest"), " 16");
    const auto unknown = adapterOf(ZrlTest::bst95(5, CanId{6, 126989, 0x01, 255}, {1, 2}));
    EXPECT_EQ(unknown->findTable("title")->getCellText(1, ""), "PGN Unknown");
    EXPECT_FALSE(unknown->singleFrame());
}

TEST(BST95MsgGridAdapter, ElementDecidesTheTimestampColour)
{
    ElementTime untimed;
    untimed.hasTime = false;
    ZRLElement element(untimed, MsgVariant::CanFrame);
    const auto adapter = adapterOf(engineFrame(), 0, &element);
    EXPECT_EQ(colourOf(*adapter->findTable("list"), "Timestamp"), 0x0000FFu);
    EXPECT_EQ(colourOf(*adapter->findTable("list"), "PGN"), 0x008000u);
    EXPECT_EQ(adapter->n2kAdapter()->element(), &element);
}

TEST(BST95MsgGridAdapter, MalformedFramesDoNotReadPastTheirBytes)
{
    for (const Bytes& frame : {Bytes{}, Bytes{0x95}, Bytes{0x95, 0x05, 0x10, 0x27, 0x23, 0xFF, 0xF8}}) {
        const auto adapter = adapterOf(frame);
        EXPECT_EQ(adapter->getTableCount(), 3u);
        EXPECT_EQ(adapter->findTable("fields")->getRowCount(), 0u);
        EXPECT_EQ(adapter->findTable("list")->getCellText(0, "Size"), "  0");
        EXPECT_EQ(adapter->findTable("fields")->getCellText(0, "Offset"), "Row Out Of Range");
    }
    EXPECT_EQ(std::make_shared<BST95MsgGridAdapter>(KorvBuf(), nullptr)->findTable("list")->getCellText(0, "Data"), "None");
}
