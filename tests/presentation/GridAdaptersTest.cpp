#include "presentation/ElementPresentation.h"
#include "grid/IGridTable.h"
#include "log/ZRLElement.h"
#include "messages/GridAdapterTables.h"
#include "messages/KorvBufGridAdapter.h"
#include "messages/ZRLElementGridAdapter.h"
#include "presentation/N183MsgGridAdapter.h"
#include "support/GridText.h"
#include "support/ZrlWriter.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

using namespace KelpLib;
using ZrlTest::columnIdsText;
using ZrlTest::tableRows;
using Rows = std::vector<std::string>;

namespace {

KorvBuf bytesOf(const std::vector<std::uint8_t>& bytes)
{
    return KorvBuf(bytes.data(), static_cast<std::uint32_t>(bytes.size()));
}

KorvBuf textOf(const std::string& text)
{
    return KorvBuf(reinterpret_cast<const std::uint8_t*>(text.data()), static_cast<std::uint32_t>(text.size()));
}

// The three tables in their order as "name=title;", each found by its name.
std::string tablesText(CommonLib::IGrid& grid)
{
    std::string out;
    for (std::uint32_t index = 0; index < grid.getTableCount(); ++index) {
        const auto table = grid.getTable(index);
        EXPECT_EQ(grid.findTable(table->getName()), table);
        out += table->getName() + "=" + table->getTitle() + ";";
    }
    return out;
}

ElementTime noonClock()
{
    ElementTime time;
    time.baseTime = ZrlTest::fileTimeUtc(2024, 1, 1, 12, 0, 0);
    time.offsetMicros = 250000;
    time.hasTime = true;
    return time;
}

} // namespace

TEST(TimeOfDayText, SixteenBitsOfADay)
{
    // Units of 675/512 of a second, rounded down; only the low 16 bits count.
    std::vector<std::string> got;
    for (std::uint32_t word : {0u, 1u, 2730u, 2731u, 16384u, 32768u, 65535u, 65536u, 0x12348000u, 0xFFFFFFFFu})
        got.push_back(timeOfDayText(word));
    EXPECT_EQ(got, (Rows{"00:00:00:000", "00:00:01:000", "00:59:59:000", "01:00:00:000", "06:00:00:000", "12:00:00:000",
                         "23:59:58:000", "00:00:00:000", "12:00:00:000", "23:59:58:000"}));
}

TEST(CellMetaData, ValidInsideErrorOutside)
{
    EXPECT_EQ(cellMetaData(0, 0, 1, 4), "Valid");
    EXPECT_EQ(cellMetaData(0, 3, 1, 4), "Valid");
    EXPECT_EQ(cellMetaData(0, 4, 1, 4), "Error");
    EXPECT_EQ(cellMetaData(1, 0, 1, 4), "Error");
    EXPECT_EQ(cellMetaData(0, 0, 0, 4), "Error") << "an empty table has no valid cell";
    EXPECT_EQ(cellMetaData(0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu), "Error");
}

TEST(KorvBufGridAdapter, TablesOfThreeBytes)
{
    auto grid = std::make_shared<KorvBufGridAdapter>(bytesOf({0x41, 0x0A, 0xFF}));
    EXPECT_EQ(grid->getName(), "KorvBuf");
    EXPECT_EQ(tablesText(*grid), "list=KorvBuf;title=KorvBuf;fields=Korvbuf data;");

    const auto list = grid->findTable("list");
    EXPECT_EQ(columnIdsText(*list), "Size|Data");
    EXPECT_EQ(tableRows(*list), (Rows{"3|41 0A FF"}));
    EXPECT_EQ(list->getCellText(5, "Data"), "41 0A FF") << "the one row whatever row is asked";
    EXPECT_EQ(list->getCellText(0, "data") + list->getCellText(0, "Line"), "");

    const auto title = grid->findTable("title");
    EXPECT_EQ(columnIdsText(*title), "");
    EXPECT_EQ(tableRows(*title), (Rows{"Binary data", "Binary data shown as an array", "3 data bytes"}));
    EXPECT_EQ(title->getCellText(3, "") + "|" + title->getCellText(0xFFFFFFFFu, ""), "Bad row|Bad row");

    const auto fields = grid->findTable("fields");
    EXPECT_EQ(columnIdsText(*fields), "Index|Hex|Decimal|Char");
    EXPECT_EQ(fields->getColumnId(4), "");
    EXPECT_EQ(tableRows(*fields), (Rows{"0|0x41|65|A", "1|0xA|10|", "2|0xFF|255|\xFF"}));
    // The row is checked first; column ids are exact.
    EXPECT_EQ(fields->getCellText(3, "Index") + "|" + fields->getCellText(3, "bogus") + "|" +
                  fields->getCellText(0, "hex") + "|" + fields->getCellText(0, ""),
              "Row Out Of Range|Row Out Of Range|Column Out Of Range|Column Out Of Range");
    EXPECT_EQ(fields->getCellMetaData(2, 3) + fields->getCellMetaData(0, 4) + fields->getCellMetaData(3, 0), "ValidErrorError");
    EXPECT_EQ(fields->getRowId(7), "field = 7");

    const auto& byteTable = dynamic_cast<const KorvBufGridTableAdapter&>(*fields);
    EXPECT_EQ(byteTable.rowIdText(0) + "|" + byteTable.rowIdText(2) + "|" + byteTable.rowIdText(3), "header|ROW_02|Row Id Error");
}

TEST(KorvBufGridAdapter, KeepsItsOwnCopyAndSurvivesEmptyAndLargeBuffers)
{
    KorvBuf source = bytesOf({1, 2});
    auto grid = std::make_shared<KorvBufGridAdapter>(source);
    source = bytesOf({9, 9, 9, 9});
    EXPECT_EQ(grid->findTable("list")->getCellText(0, "Data"), "01 02");
    EXPECT_NE(grid->bytes().data(), source.data());

    auto none = std::make_shared<KorvBufGridAdapter>(KorvBuf());
    EXPECT_EQ(tableRows(*none->findTable("list")), (Rows{"0|None"}));
    EXPECT_EQ(none->findTable("title")->getCellText(2, ""), "0 data bytes");
    EXPECT_EQ(none->findTable("fields")->getRowCount(), 0u);
    EXPECT_EQ(none->findTable("fields")->getCellText(0, "Index"), "Row Out Of Range");

    auto big = std::make_shared<KorvBufGridAdapter>(bytesOf(std::vector<std::uint8_t>(1001, 0x55)));
    EXPECT_EQ(big->findTable("list")->getCellText(0, "Data"), "ERROR: ARRAY SIZE > 1000!");
    EXPECT_EQ(big->findTable("fields")->getRowCount(), 1001u);
    EXPECT_EQ(big->findTable("fields")->getCellText(1000, "Hex"), "0x55");
}

TEST(ZRLElementGridAdapter, TagTables)
{
    // Tag 1, u32 1000 little-endian.
    auto grid = std::make_shared<ZRLElementGridAdapter>(bytesOf({0x01, 0xE8, 0x03, 0x00, 0x00}), nullptr);
    EXPECT_EQ(grid->getName(), "ZRL Element");
    EXPECT_EQ(tablesText(*grid), "list=KorvBuf;title=KorvBuf;fields=Korvbuf data;");
    const auto list = grid->findTable("list");
    EXPECT_EQ(columnIdsText(*list), "Line|Name|Size|Data");
    EXPECT_EQ(tableRows(*list), (Rows{"|ZRL File Version|5|v1.000"}));
    EXPECT_EQ(tableRows(*grid->findTable("title")), (Rows{"ZRL Element 0x01", "ZRL File Version Information", "5 data bytes"}));
    EXPECT_EQ(grid->findTable("title")->getCellText(3, ""), "Bad row");
    const auto fields = grid->findTable("fields");
    EXPECT_EQ(fields->getRowCount(), 5u);
    EXPECT_EQ(fields->getCellText(1, "Hex") + "|" + fields->getCellText(5, "Hex") + "|" + fields->getCellText(0, "Offset"),
              "0xE8|Row Out Of Range|Column Out Of Range");
    EXPECT_EQ(fields->getRowId(0), "ROW_00") << "only the raw-bytes table numbers its rows as fields";

    // Missing bytes of the version read as 0.
    std::vector<std::string> versions;
    for (const std::vector<std::uint8_t>& body : std::vector<std::vector<std::uint8_t>>{
             {0x01, 0xD2, 0x04, 0x00, 0x00}, {0x01, 0xA0, 0x86, 0x01, 0x00}, {0x01, 0xFF, 0xFF, 0xFF, 0xFF}, {0x01, 0xE8, 0x03}, {0x01}})
        versions.push_back(std::make_shared<ZRLElementGridAdapter>(bytesOf(body), nullptr)->findTable("list")->getCellText(0, "Data"));
    EXPECT_EQ(versions, (Rows{"v1.234", "v100.000", "v4294967.295", "v1.000", "v0.000"}));

    const ZRLElement element(noonClock(), MsgVariant::Zrl);
    auto other = std::make_shared<ZRLElementGridAdapter>(bytesOf({0x05, 0xAB}), &element);
    EXPECT_EQ(other->element(), &element);
    EXPECT_EQ(tableRows(*other->findTable("list")), (Rows{"|Unknown ZRL Element|2|05 AB"}));
    EXPECT_EQ(tableRows(*other->findTable("title")), (Rows{"ZRL Element 0x05", "Unknown ZRL File element", "2 data bytes"}));
    auto empty = std::make_shared<ZRLElementGridAdapter>(KorvBuf(), nullptr);
    EXPECT_EQ(tableRows(*empty->findTable("list")), (Rows{"|Unknown ZRL Element|0|None"}));
    EXPECT_EQ(tableRows(*empty->findTable("title")), (Rows{"ZRL Element 0x00", "Unknown ZRL File element", "0 data bytes"}));
}

TEST(N183MsgGridAdapter, TablesOfASentence)
{
    const ZRLElement element(noonClock(), MsgVariant::N183);
    auto grid = std::make_shared<N183MsgGridAdapter>(textOf("$SDDPT,12.4,0.5,100*5C"), &element);
    EXPECT_EQ(grid->getName(), "NMEA 0183 Message");
    EXPECT_EQ(tablesText(*grid), "list=N183 Message;title=N183 Message;fields=N183 message fields;");

    // The timestamp is the element's time, not the clock.
    const auto list = grid->findTable("list");
    EXPECT_EQ(columnIdsText(*list), "Line|Timestamp|Talker|Formatter|Name|Size|Data");
    EXPECT_EQ(tableRows(*list), (Rows{"|12:00:00.250|SD|DPT|Depth|22|12.4,0.5,100"}));
    EXPECT_EQ(list->getCellText(0, "Type"), "");
    EXPECT_EQ(list->getCellText(1, "Talker"), "") << "only row 0 has texts";

    const auto title = grid->findTable("title");
    EXPECT_EQ(tableRows(*title), (Rows{"Formatter DPT", "Depth", "Length = 22", "Number of fields = 3"}));
    EXPECT_EQ(title->getRowId(2), "Length = 22");

    const auto fields = grid->findTable("fields");
    EXPECT_EQ(columnIdsText(*fields), "Field|Name|Data|Units");
    EXPECT_EQ(fields->getColumnId(4), "Error");
    EXPECT_EQ(tableRows(*fields), (Rows{"1|Water Depth|12.4 Metres|", "2|Transducer Offset|0.5 Metres|",
                                         "3|Maximum Range Scale|100 Metres|"}));
}

TEST(N183MsgGridAdapter, WithoutAnElementTheTimestampIsTheClock)
{
    auto grid = std::make_shared<N183MsgGridAdapter>(textOf("$GPGGA,1,2,3*7F"));
    EXPECT_EQ(grid->element(), nullptr);
    const std::string stamp = grid->findTable("list")->getCellText(0, "Timestamp");
    EXPECT_TRUE(std::regex_match(stamp, std::regex(R"(([01][0-9]|2[0-3]):[0-5][0-9]:[0-5][0-9]:[0-9]{3})"))) << stamp;
}

TEST(N183MsgGridAdapter, TextsThatAreNoSentence)
{
    // Title row 1 | list "Size" | fields row count; the limits are the message's (N183MsgTest).
    const auto shown = [](const KorvBuf& bytes) {
        auto grid = std::make_shared<N183MsgGridAdapter>(bytes);
        return grid->findTable("title")->getCellText(1, "") + "|" + grid->findTable("list")->getCellText(0, "Size") + "|" +
               std::to_string(grid->findTable("fields")->getRowCount()) + "|" +
               grid->findTable("fields")->getCellText(0, "Data");
    };
    EXPECT_EQ(shown(KorvBuf()), "No name available|0|0|Row out of range");
    EXPECT_EQ(shown(textOf("hello")), "No name available|5|0|Row out of range");
}
