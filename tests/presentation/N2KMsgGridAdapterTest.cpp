#include "grid/GridCellTraits.h"
#include "grid/IGridTable.h"
#include "log/MsgVariant.h"
#include "log/ZRLElement.h"
#include "messages/KorvBuf.h"
#include "presentation/BST95MsgGridAdapter.h"
#include "presentation/N2KMsgGridAdapter.h"
#include "support/GridText.h"
#include "support/N2kPayloads.h"
#include "support/ZrlWriter.h"

#include <gtest/gtest.h>

#include <memory>

using namespace KelpLib;
using ZrlTest::Bytes;
using ZrlTest::CanId;
using ZrlTest::columnIdsText;
using ZrlTest::tableRows;
using Rows = std::vector<std::string>;

namespace {

std::shared_ptr<N2KMsgGridAdapter> adapterOf(const Bytes& bytes, const ZRLElement* element = nullptr)
{
    return std::make_shared<N2KMsgGridAdapter>(KorvBuf(bytes.data(), static_cast<std::uint32_t>(bytes.size())), element);
}

std::shared_ptr<BST95MsgGridAdapter> frameAdapterOf(const Bytes& frame, std::uint32_t time = 0,
                                                    const ZRLElement* element = nullptr)
{
    KorvBuf bytes(frame.data(), static_cast<std::uint32_t>(frame.size()));
    const_cast<ByteBuffer*>(bytes.buffer())->time = time;
    return std::make_shared<BST95MsgGridAdapter>(bytes, element);
}

std::string tablesText(CommonLib::IGrid& grid)
{
    std::string out = grid.getName() + ":";
    for (std::uint32_t i = 0; i < grid.getTableCount(); ++i)
        out += grid.getTable(i)->getName() + "=" + grid.getTable(i)->getTitle() + ";";
    return out;
}

std::uint32_t colourOf(CommonLib::IGrid& grid, const std::string& column)
{
    CommonLib::GridCellTraits traits;
    EXPECT_TRUE(grid.findTable("list")->getColumnTraits(column, traits));
    std::uint32_t colour = 0xDEADBEEF;
    EXPECT_TRUE(traits.getColour(colour));
    return colour;
}

// Attitude (127257) has five fields; Engine Parameters, Rapid Update is a single-frame PGN.
const Bytes attitude = ZrlTest::bst93(2, 127257, 255, 35, 0, {0x01, 0x10, 0x00, 0x20, 0x00, 0x30, 0x00, 0xFF});
const Bytes engineFrame = ZrlTest::bst95(1234, CanId{2, 127488, 0x23, 255}, ZrlTest::pgn127488(1, 1500, 0, 0));

} // namespace

TEST(N2KMsgGridAdapter, TablesOfAMessage)
{
    // The tables read their adapter's message: the adapter is kept while they are asked.
    const auto adapter = adapterOf(attitude);
    EXPECT_EQ(tablesText(*adapter), "NMEA 2000 Message:list=N2K Message;title=N2K Message;fields=N2K PGN Fields;");
    const auto list = adapter->findTable("list");
    EXPECT_EQ(columnIdsText(*list), "Line|Timestamp|Type|PGN|Name|Src|Dest|Pri|Size|Data");
    EXPECT_EQ(tableRows(*list), (Rows{"|00:00:00:000||127257|Attitude|35|255|2|8|01 10 00 20 00 30 00 FF"}));
    EXPECT_EQ(list->getCellText(5, "Data"), "01 10 00 20 00 30 00 FF") << "the row is ignored";
    EXPECT_EQ(tableRows(*adapter->findTable("title")),
              (Rows{"PGN 127257 / 1F119", "Attitude", "Source Address 35 to 255 (Global), Priority 2, 5 data fields"}));
    const auto fields = adapter->findTable("fields");
    EXPECT_EQ(columnIdsText(*fields), "Field|Name|Data|Units|User Data|User Units");
    EXPECT_EQ(tableRows(*fields), (Rows{"1|Sequence ID|1|||", "2|Yaw|0.0016|Radian|0.092|Degree",
                                       "3|Pitch|0.0032|Radian|0.183|Degree", "4|Roll|0.0048|Radian|0.275|Degree",
                                       "5|NMEA Reserved|11111111|||"}));
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

TEST(N2KMsgGridAdapter, UnknownPgnUndecodableBytesAndCopies)
{
    EXPECT_EQ(adapterOf(ZrlTest::bst93(2, 126989, 255, 35, 0, {1, 2}))->findTable("title")->getCellText(1, ""),
              "Unknown PGN (126989)");
    const auto bad = adapterOf({0x91, 0x00});
    EXPECT_EQ(bad->findTable("fields")->getRowCount(), 0u);
    EXPECT_EQ(bad->findTable("list")->getCellText(0, "Data"), "<Zero size array>");

    // An adapter of a message reads its own copy.
    const KorvBuf bytes(attitude.data(), static_cast<std::uint32_t>(attitude.size()));
    auto message = std::make_unique<N2KMsg>(*bytes.buffer());
    const auto copy = std::make_shared<N2KMsgGridAdapter>(*message, nullptr);
    message.reset();
    EXPECT_EQ(copy->findTable("fields")->getRowCount(), 5u);
    EXPECT_EQ(copy->findTable("list")->getCellText(0, "Src"), "35");
}

TEST(N2KMsgGridAdapter, ElementDecidesTheTimestampColour)
{
    EXPECT_EQ(colourOf(*adapterOf(attitude), "Timestamp"), MsgVariantToColour(MsgVariant::N2k));
    ElementTime untimed;
    untimed.hasTime = false;
    const ZRLElement element(untimed, MsgVariant::N2k);
    const auto withElement = adapterOf(attitude, &element);
    EXPECT_EQ(colourOf(*withElement, "Timestamp"), 0x0000FFu) << "the element's time colour";
    EXPECT_EQ(colourOf(*withElement, "PGN"), MsgVariantToColour(MsgVariant::N2k));
    const ZRLElement frameElement(untimed, MsgVariant::CanFrame);
    const auto frame = frameAdapterOf(engineFrame, 0, &frameElement);
    EXPECT_EQ(colourOf(*frame, "Timestamp"), 0x0000FFu);
    EXPECT_EQ(colourOf(*frame, "PGN"), 0x008000u);
}

TEST(BST95MsgGridAdapter, SingleFrameShowsTheNmea2000Fields)
{
    // The list's time is the buffer's time word; the title's the frame's own milliseconds.
    const auto adapter = frameAdapterOf(engineFrame, 32768);
    EXPECT_EQ(tablesText(*adapter),
              "NMEA 2000 Single-packet message:list=BST95 Message;title=N2K Message;fields=BST 95 data payload;");
    ASSERT_TRUE(adapter->singleFrame());
    EXPECT_EQ(tableRows(*adapter->findTable("list")),
              (Rows{"|12:00:00:000|SINGLE|127488|Engine Parameters, Rapid Update| 35|255|  2|  8|01 70 17 00 00 00 FF FF"}));
    EXPECT_EQ(colourOf(*adapter, "Timestamp"), 0x008000u);
    EXPECT_EQ(tableRows(*adapter->findTable("title")),
              (Rows{"PGN 127488 / 1F200", "Engine Parameters, Rapid Update",
                    "Source Address 35 to 255 (Global), Priority 2, 8 data bytes",
                    "Single-Packet, Timestamp 1234 milliseconds"}));
    // The fields are those of the NMEA 2000 adapter.
    EXPECT_EQ(tableRows(*adapter->findTable("fields")), tableRows(*adapter->n2kAdapter()->findTable("fields")));
}

TEST(BST95MsgGridAdapter, FastPacketFrameShowsItsBytes)
{
    const auto adapter = frameAdapterOf(ZrlTest::bst95(40000, CanId{3, 129029, 0x11, 255}, {0x20, 0x2B, 1, 2, 3, 4, 5, 6}), 65535);
    EXPECT_EQ(adapter->getName(), "NMEA 2000 Fast-packet message");
    EXPECT_EQ(adapter->n2kAdapter(), nullptr);
    EXPECT_EQ(tableRows(*adapter->findTable("list")),
              (Rows{"|23:59:58:000|FAST|129029|GNSS Position Data| 17|255|  3|  8|20 2B 01 02 03 04 05 06"}));
    EXPECT_EQ(colourOf(*adapter, "Timestamp"), MsgVariantToColour(MsgVariant::CanFrame));
    EXPECT_EQ(adapter->findTable("title")->getCellText(3, ""), "Fast-Packet, Timestamp 40000 milliseconds");
    const auto fields = adapter->findTable("fields");
    EXPECT_EQ(columnIdsText(*fields), "Offset|Decimal|Hex");
    EXPECT_EQ(tableRows(*fields), (Rows{"1|32|20", "2|43|2B", "3|1|01", "4|2|02", "5|3|03", "6|4|04", "7|5|05", "8|6|06"}));
    EXPECT_EQ(fields->getCellText(1, "Char"), "Char Unknown");
    EXPECT_EQ(fields->getCellText(8, "Offset"), "Row Out Of Range");
}

TEST(BST95MsgGridAdapter, AddressedUnknownAndMalformedFrames)
{
    // 59904 ISO Request to address 0x10: PDU format 0xEA is addressed.
    const auto request = frameAdapterOf(ZrlTest::bst95(5, CanId{6, 59904, 0x01, 0x10}, {0x00, 0xEE, 0x00}));
    EXPECT_EQ(request->findTable("title")->getCellText(2, ""), "Source Address 1 to 16, Priority 6, 3 data bytes");
    EXPECT_EQ(request->findTable("list")->getCellText(0, "Dest"), " 16");
    EXPECT_EQ(frameAdapterOf(ZrlTest::bst95(5, CanId{6, 126989, 0x01, 255}, {1, 2}))->findTable("title")->getCellText(1, ""),
              "PGN Unknown");
    // Malformed frames do not read past their bytes.
    for (const Bytes& frame : {Bytes{}, Bytes{0x95}, Bytes{0x95, 0x05, 0x10, 0x27, 0x23, 0xFF, 0xF8}}) {
        const auto adapter = frameAdapterOf(frame);
        EXPECT_EQ(adapter->findTable("fields")->getRowCount(), 0u);
        EXPECT_EQ(adapter->findTable("list")->getCellText(0, "Size"), "  0");
        EXPECT_EQ(adapter->findTable("fields")->getCellText(0, "Offset"), "Row Out Of Range");
    }
    EXPECT_EQ(std::make_shared<BST95MsgGridAdapter>(KorvBuf(), nullptr)->findTable("list")->getCellText(0, "Data"), "None");
}
