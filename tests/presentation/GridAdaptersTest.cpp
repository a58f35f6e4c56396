#include "presentation/ElementPresentation.h"
#include "grid/IGridTable.h"
#include "log/ZRLElement.h"
#include "messages/GridAdapterTables.h"
#include "messages/KorvBufGridAdapter.h"
#include "presentation/N183MsgGridAdapter.h"
#include "messages/ZRLElementGridAdapter.h"
#include "support/ZrlWriter.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

using namespace KelpLib;

namespace {

KorvBuf bytesOf(const std::vector<std::uint8_t>& bytes)
{
    return KorvBuf(bytes.data(), static_cast<std::uint32_t>(bytes.size()));
}

KorvBuf textOf(const std::string& text)
{
    return KorvBuf(reinterpret_cast<const std::uint8_t*>(text.data()), static_cast<std::uint32_t>(text.size()));
}

std::vector<std::string> columnIds(const CommonLib::IGridTable& table)
{
    std::vector<std::string> ids;
    for (std::uint32_t column = 0; column < table.getColumnCount(); ++column)
        ids.push_back(table.getColumnId(column));
    return ids;
}

std::vector<std::string> titleRows(const CommonLib::IGridTable& table)
{
    std::vector<std::string> rows;
    for (std::uint32_t row = 0; row < table.getRowCount(); ++row)
        rows.push_back(table.getCellText(row, ""));
    return rows;
}

// The three tables in their order, with their names and titles.
void expectTables(CommonLib::IGrid& grid, const char* listTitle, const char* titleTitle, const char* fieldsTitle)
{
    ASSERT_EQ(grid.getTableCount(), 3u);
    const char* const names[] = {"list", "title", "fields"};
    const char* const titles[] = {listTitle, titleTitle, fieldsTitle};
    for (std::uint32_t index = 0; index < 3; ++index) {
        EXPECT_EQ(grid.getTable(index)->getName(), names[index]);
        EXPECT_EQ(grid.getTable(index)->getTitle(), titles[index]);
        EXPECT_EQ(grid.findTable(names[index]), grid.getTable(index));
    }
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
    EXPECT_EQ(timeOfDayText(0), "00:00:00:000");
    EXPECT_EQ(timeOfDayText(1), "00:00:01:000") << "675/512 of a second rounds down to 1";
    EXPECT_EQ(timeOfDayText(32768), "12:00:00:000");
    EXPECT_EQ(timeOfDayText(65535), "23:59:58:000");
    EXPECT_EQ(timeOfDayText(16384), "06:00:00:000");
    EXPECT_EQ(timeOfDayText(2731), "01:00:00:000") << "2731 × 675 / 512 = 3600.5";
    EXPECT_EQ(timeOfDayText(2730), "00:59:59:000");
    EXPECT_EQ(timeOfDayText(65536), "00:00:00:000") << "only the low 16 bits count";
    EXPECT_EQ(timeOfDayText(0x12348000u), "12:00:00:000");
    EXPECT_EQ(timeOfDayText(0xFFFFFFFFu), "23:59:58:000");
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
    expectTables(*grid, "KorvBuf", "KorvBuf", "Korvbuf data");
    EXPECT_EQ(grid->shared_from_this(), grid) << "made shared, the grid answers shared_from_this";

    const auto list = grid->findTable("list");
    EXPECT_EQ(list->getRowCount(), 1u);
    EXPECT_EQ(columnIds(*list), (std::vector<std::string>{"Size", "Data"}));
    EXPECT_EQ(list->getCellText(0, "Size"), "3");
    EXPECT_EQ(list->getCellText(0, "Data"), "41 0A FF");
    EXPECT_EQ(list->getCellText(5, "Data"), "41 0A FF") << "the one row whatever row is asked";
    EXPECT_EQ(list->getCellText(0, "data"), "");
    EXPECT_EQ(list->getCellText(0, "Line"), "");

    const auto title = grid->findTable("title");
    EXPECT_EQ(columnIds(*title), (std::vector<std::string>{""}));
    EXPECT_EQ(titleRows(*title), (std::vector<std::string>{"Binary data", "Binary data shown as an array", "3 data bytes"}));
    EXPECT_EQ(title->getCellText(3, ""), "Bad row");
    EXPECT_EQ(title->getCellText(0xFFFFFFFFu, ""), "Bad row");

    const auto fields = grid->findTable("fields");
    ASSERT_EQ(fields->getRowCount(), 3u);
    EXPECT_EQ(fields->getColumnCount(), 4u);
    EXPECT_EQ(columnIds(*fields), (std::vector<std::string>{"Index", "Hex", "Decimal", "Char"}));
    EXPECT_EQ(fields->getColumnId(4), "");
    const std::vector<std::vector<std::string>> cells = {
        {"0", "0x41", "65", "A"}, {"1", "0xA", "10", ""}, {"2", "0xFF", "255", "\xFF"}};
    for (std::uint32_t row = 0; row < 3; ++row)
        for (std::uint32_t column = 0; column < 4; ++column)
            EXPECT_EQ(fields->getCellText(row, fields->getColumnId(column)), cells[row][column]) << row << "," << column;
    EXPECT_EQ(fields->getCellText(3, "Index"), "Row Out Of Range");
    EXPECT_EQ(fields->getCellText(3, "bogus"), "Row Out Of Range") << "the row is checked first";
    EXPECT_EQ(fields->getCellText(0, "hex"), "Column Out Of Range");
    EXPECT_EQ(fields->getCellText(0, ""), "Column Out Of Range");
    EXPECT_EQ(fields->getCellMetaData(0, 0), "Valid");
    EXPECT_EQ(fields->getCellMetaData(2, 3), "Valid");
    EXPECT_EQ(fields->getCellMetaData(0, 4), "Error");
    EXPECT_EQ(fields->getCellMetaData(3, 0), "Error");
    EXPECT_EQ(fields->getRowId(0), "field = 0");
    EXPECT_EQ(fields->getRowId(7), "field = 7");

    const auto& byteTable = dynamic_cast<const KorvBufGridTableAdapter&>(*fields);
    EXPECT_EQ(byteTable.rowIdText(0), "header");
    EXPECT_EQ(byteTable.rowIdText(2), "ROW_02");
    EXPECT_EQ(byteTable.rowIdText(3), "Row Id Error");
    EXPECT_EQ(byteTable.columnName(3), "Char");
    EXPECT_EQ(byteTable.columnName(4), "Error");
}

TEST(KorvBufGridAdapter, KeepsItsOwnCopyAndSurvivesEmptyBuffers)
{
    KorvBuf source = bytesOf({1, 2});
    auto grid = std::make_shared<KorvBufGridAdapter>(source);
    source = bytesOf({9, 9, 9, 9});
    EXPECT_EQ(grid->findTable("list")->getCellText(0, "Data"), "01 02");
    EXPECT_NE(grid->bytes().data(), source.data());

    auto none = std::make_shared<KorvBufGridAdapter>(KorvBuf());
    EXPECT_EQ(none->findTable("list")->getCellText(0, "Size"), "0");
    EXPECT_EQ(none->findTable("title")->getCellText(2, ""), "0 data bytes");
    EXPECT_EQ(none->findTable("fields")->getRowCount(), 0u);
    EXPECT_EQ(none->findTable("fields")->getCellText(0, "Index"), "Row Out Of Range");
    EXPECT_EQ(none->findTable("fields")->getCellMetaData(0, 0), "Error");

    const std::vector<std::uint8_t> many(1001, 0x55);
    auto big = std::make_shared<KorvBufGridAdapter>(bytesOf(many));
    EXPECT_EQ(big->findTable("list")->getCellText(0, "Data"), "ERROR: ARRAY SIZE > 1000!");
    EXPECT_EQ(big->findTable("fields")->getRowCount(), 1001u);
    EXPECT_EQ(big->findTable("fields")->getCellText(1000, "Hex"), "0x55");
}

TEST(ZRLElementGridAdapter, FileVersionTag)
{
    // Tag 1, u32 1000 little-endian.
    auto grid = std::make_shared<ZRLElementGridAdapter>(bytesOf({0x01, 0xE8, 0x03, 0x00, 0x00}), nullptr);
    EXPECT_EQ(grid->getName(), "ZRL Element");
    expectTables(*grid, "KorvBuf", "KorvBuf", "Korvbuf data");
    const auto list = grid->findTable("list");
    EXPECT_EQ(columnIds(*list), (std::vector<std::string>{"Line", "Name", "Size", "Data"}));
    EXPECT_EQ(list->getCellText(0, "Name"), "ZRL File Version");
    EXPECT_EQ(list->getCellText(0, "Size"), "5");
    EXPECT_EQ(list->getCellText(0, "Data"), "v1.000");
    EXPECT_EQ(list->getCellText(0, "Line"), "");
    EXPECT_EQ(titleRows(*grid->findTable("title")),
              (std::vector<std::string>{"ZRL Element 0x01", "ZRL File Version Information", "5 data bytes"}));
    EXPECT_EQ(grid->findTable("title")->getCellText(3, ""), "Bad row");

    const auto fields = grid->findTable("fields");
    EXPECT_EQ(fields->getRowCount(), 5u);
    EXPECT_EQ(fields->getCellText(1, "Hex"), "0xE8");
    EXPECT_EQ(fields->getCellText(5, "Hex"), "Row Out Of Range");
    EXPECT_EQ(fields->getCellText(0, "Offset"), "Column Out Of Range");
    EXPECT_EQ(fields->getCellMetaData(0, 4), "Error");
    EXPECT_EQ(fields->getRowId(0), "ROW_00") << "only the raw-bytes table numbers its rows as fields";

    const auto version = [](std::vector<std::uint8_t> body) {
        auto adapter = std::make_shared<ZRLElementGridAdapter>(bytesOf(body), nullptr);
        return adapter->findTable("list")->getCellText(0, "Data");
    };
    EXPECT_EQ(version({0x01, 0xD2, 0x04, 0x00, 0x00}), "v1.234");
    EXPECT_EQ(version({0x01, 0xA0, 0x86, 0x01, 0x00}), "v100.000");
    EXPECT_EQ(version({0x01, 0xFF, 0xFF, 0xFF, 0xFF}), "v4294967.295");
    EXPECT_EQ(version({0x01, 0xE8, 0x03}), "v1.000") << "missing bytes read as 0";
    EXPECT_EQ(version({0x01}), "v0.000");
}

TEST(ZRLElementGridAdapter, OtherTagsAndNoBytes)
{
    const ZRLElement element(noonClock(), VariantZrl);
    auto grid = std::make_shared<ZRLElementGridAdapter>(bytesOf({0x05, 0xAB}), &element);
    EXPECT_EQ(grid->element(), &element);
    const auto list = grid->findTable("list");
    EXPECT_EQ(list->getCellText(0, "Name"), "Unknown ZRL Element");
    EXPECT_EQ(list->getCellText(0, "Data"), "05 AB");
    EXPECT_EQ(titleRows(*grid->findTable("title")),
              (std::vector<std::string>{"ZRL Element 0x05", "Unknown ZRL File element", "2 data bytes"}));

    auto empty = std::make_shared<ZRLElementGridAdapter>(KorvBuf(), nullptr);
    EXPECT_EQ(empty->findTable("list")->getCellText(0, "Name"), "Unknown ZRL Element");
    EXPECT_EQ(empty->findTable("list")->getCellText(0, "Data"), "None");
    EXPECT_EQ(titleRows(*empty->findTable("title")),
              (std::vector<std::string>{"ZRL Element 0x00", "Unknown ZRL File element", "0 data bytes"}));
}

TEST(N183MsgGridAdapter, TablesOfASentence)
{
    const ZRLElement element(noonClock(), VariantN183);
    auto grid = std::make_shared<N183MsgGridAdapter>(textOf("$SDDPT,12.4,0.5,100*5C"), &element);
    EXPECT_EQ(grid->getName(), "NMEA 0183 Message");
    expectTables(*grid, "N183 Message", "N183 Message", "N183 message fields");

    const auto list = grid->findTable("list");
    EXPECT_EQ(list->getRowCount(), 1u);
    EXPECT_EQ(columnIds(*list),
              (std::vector<std::string>{"Line", "Timestamp", "Talker", "Formatter", "Name", "Size", "Data"}));
    EXPECT_EQ(list->getCellText(0, "Timestamp"), "12:00:00.250") << "the element's time, not the clock";
    EXPECT_EQ(list->getCellText(0, "Talker"), "SD");
    EXPECT_EQ(list->getCellText(0, "Formatter"), "DPT");
    EXPECT_EQ(list->getCellText(0, "Name"), "Depth");
    EXPECT_EQ(list->getCellText(0, "Size"), "22");
    EXPECT_EQ(list->getCellText(0, "Data"), "12.4,0.5,100");
    EXPECT_EQ(list->getCellText(0, "Line"), "");
    EXPECT_EQ(list->getCellText(0, "Type"), "");
    EXPECT_EQ(list->getCellText(1, "Talker"), "") << "only row 0 has texts";

    const auto title = grid->findTable("title");
    ASSERT_EQ(title->getRowCount(), 4u);
    EXPECT_EQ(titleRows(*title), (std::vector<std::string>{"Formatter DPT", "Depth", "Length = 22",
                                                           "Number of fields = 3"}));
    EXPECT_EQ(title->getRowId(2), "Length = 22");
    EXPECT_EQ(title->getCellText(4, ""), "Error in title row");

    const auto fields = grid->findTable("fields");
    ASSERT_EQ(fields->getRowCount(), 3u);
    EXPECT_EQ(fields->getColumnCount(), 4u);
    EXPECT_EQ(columnIds(*fields), (std::vector<std::string>{"Field", "Name", "Data", "Units"}));
    EXPECT_EQ(fields->getColumnId(4), "Error");
    EXPECT_EQ(fields->getCellText(0, "Field"), "1");
    EXPECT_EQ(fields->getCellText(2, "Field"), "3");
    EXPECT_EQ(fields->getCellText(0, "Units"), "");
    EXPECT_EQ(fields->getCellText(3, "Field"), "Row out of range");
    EXPECT_EQ(fields->getCellText(0, "field"), "Column out of range");
}

TEST(N183MsgGridAdapter, WithoutAnElementTheTimestampIsTheClock)
{
    auto grid = std::make_shared<N183MsgGridAdapter>(textOf("$GPGGA,1,2,3*7F"));
    EXPECT_EQ(grid->element(), nullptr);
    const std::string stamp = grid->findTable("list")->getCellText(0, "Timestamp");
    EXPECT_TRUE(std::regex_match(stamp, std::regex(R"(([01][0-9]|2[0-3]):[0-5][0-9]:[0-5][0-9]:[0-9]{3})"))) << stamp;
    EXPECT_TRUE(std::regex_match(currentUtcTimeText(), std::regex(R"([0-9]{2}:[0-9]{2}:[0-9]{2}:[0-9]{3})")));
}

TEST(N183MsgGridAdapter, TextsThatAreNoSentence)
{
    // Title row 1 | list "Size" | fields row count.
    const auto shown = [](const KorvBuf& bytes) {
        auto grid = std::make_shared<N183MsgGridAdapter>(bytes);
        const auto fields = grid->findTable("fields");
        if (fields->getRowCount() == 0) {
            EXPECT_EQ(fields->getCellText(0, "Data"), "Row out of range");
        }
        return grid->findTable("title")->getCellText(1, "") + "|" + grid->findTable("list")->getCellText(0, "Size") + "|" +
               std::to_string(fields->getRowCount());
    };
    EXPECT_EQ(shown(KorvBuf()), "No name available|0|0");
    EXPECT_EQ(shown(textOf("hello")), "No name available|5|0");
    EXPECT_EQ(shown(textOf("$" + std::string(298, 'A'))), "No name available|299|0");
    EXPECT_EQ(shown(textOf("$GPGGA," + std::string(293, '1'))), "No name available|0|0")
        << "a text of 300 bytes is not taken";
    EXPECT_EQ(shown(textOf("$GPGGA," + std::string(292, '1'))), "Global Positioning System Fix Data|299|10");
}
