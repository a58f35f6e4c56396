#include "grid/IGridTable.h"
#include "messages/BemMsgGridAdapter.h"
#include "support/ByteView.h"
#include "support/GridText.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace KelpLib;
using ZrlTest::columnIdsText;
using ZrlTest::le;
using ZrlTest::tableRows;
using Rows = std::vector<std::string>;

namespace {

using Bytes = std::vector<std::uint8_t>;

// A hardware-information response of model 1, serial 20240042, with the given error code.
Bytes response(std::uint8_t bemId, const Bytes& payload, std::int32_t error = 0)
{
    Bytes m = {0xA0, static_cast<std::uint8_t>(12 + payload.size()), bemId, 1};
    const Bytes header = le({{1, 2}, {20240042, 4}, {static_cast<std::uint32_t>(error), 4}});
    m.insert(m.end(), header.begin(), header.end());
    m.insert(m.end(), payload.begin(), payload.end());
    return m;
}

std::shared_ptr<BemMsgGridAdapter> adapterOf(const Bytes& bytes, std::uint32_t time = 0)
{
    return std::make_shared<BemMsgGridAdapter>(KorvBuf(ZrlTest::viewOf(bytes, time)));
}

} // namespace

TEST(BemMsgGridAdapter, TablesOfAHardwareInfoResponse)
{
    const Bytes payload = le({{125, 2}, {45292, 2}, {32768, 2}, {2105, 2}, {45293, 2}, {49152, 2}, {1, 2}, {3, 2},
                              {20240042, 4}, {32, 1}});
    const auto grid = adapterOf(response(0x10, payload), 32768);
    EXPECT_EQ(grid->getName(), "BemMsg");
    ASSERT_EQ(grid->getTableCount(), 3u);
    std::string tables;
    for (std::uint32_t i = 0; i < 3; ++i)
        tables += grid->getTable(i)->getName() + "=" + grid->getTable(i)->getTitle() + ";";
    EXPECT_EQ(tables, "list=BEM Message;title=BEM Message;fields=BEM data payload;");

    // The list shows the payload, not the whole message.
    const auto list = grid->findTable("list");
    EXPECT_EQ(columnIdsText(*list), "Line|Timestamp|PGN|Name|Src|Dest|Pri|Size|Data");
    EXPECT_EQ(tableRows(*list), (Rows{"|12:00:00:000||ddHardwareInfo|||| 21|"
                                      "7D 00 EC B0 00 80 39 08 ED B0 00 C0 01 00 03 00 AA D6 34 01 20"}));
    EXPECT_EQ(list->getCellText(0, "Other"), "");

    EXPECT_EQ(tableRows(*grid->findTable("title")),
              (Rows{"ddHardwareInfo (BEM Response 0xA010::1)", "Hardware information",
                    "Korvane serial gateway G-2, Serial ID 20240042, 10 data fields", ""}));
    EXPECT_EQ(grid->findTable("title")->getCellText(4, ""), "Bad row");

    const auto fields = grid->findTable("fields");
    EXPECT_EQ(columnIdsText(*fields), "Field|Name|Data|Units");
    const Rows rows = tableRows(*fields);
    ASSERT_EQ(rows.size(), 10u);
    EXPECT_EQ(rows.front(), "1|Boot Loader Version|v1.25|");
    EXPECT_EQ(rows.back(), "10|Hardware Protocol|CAN, NMEA 2000 (32)|");
    EXPECT_EQ(fields->getCellText(0, "data"), "Column Out Of Range");
    EXPECT_EQ(fields->getCellText(10, "Data"), "Row Out Of Range");
    EXPECT_EQ(fields->getCellMetaData(9, 3), "Valid");
    EXPECT_EQ(fields->getCellMetaData(0, 4), "Error");
    EXPECT_EQ(fields->getCellMetaData(10, 0), "Error");
}

TEST(BemMsgGridAdapter, ErrorWarningAndGroupRows)
{
    EXPECT_EQ(adapterOf(response(0x10, {0x7D, 0x00}, -1097))->findTable("title")->getCellText(3, ""),
              "Error code -1097BST Wrong length!");
    EXPECT_EQ(adapterOf(response(0x10, {0x7D, 0x00}, 5))->findTable("title")->getCellText(3, ""),
              "Warning code 5Error Code meaning not defined!");

    // Group rows show the ordinal only.
    const Bytes pgns = le({{0, 1}, {2, 2}, {0, 2}, {1, 1}, {1, 1}, {0, 1}, {126992, 3}});
    const Rows rows = tableRows(*adapterOf(response(0x40, pgns))->findTable("fields"));
    ASSERT_EQ(rows.size(), 7u);
    EXPECT_EQ(rows[6], "7|PGN|126992 (0x1F010)|");
}

TEST(BemMsgGridAdapter, UnknownMessageShowsItsPayloadRowsWithoutFieldInfo)
{
    Bytes bytes = {0xA0, 0x0B, 0x10, 0x01};
    bytes.resize(13, 0x22);
    const auto grid = adapterOf(bytes);
    EXPECT_EQ(grid->findTable("list")->getCellText(0, "Name"), "BST/BEM Unknown");
    EXPECT_EQ(grid->findTable("list")->getCellText(0, "Size"), " 11");
    EXPECT_EQ(tableRows(*grid->findTable("title")), (Rows{"BST/BEM Unknown ()", "Unknown", ", 0 data fields", ""}));
    const auto fields = grid->findTable("fields");
    ASSERT_EQ(fields->getRowCount(), 11u);
    EXPECT_EQ(fields->getCellText(0, "Data"), "No field info");
    EXPECT_EQ(fields->getCellText(11, "Data"), "Row Out Of Range");

    const auto none = std::make_shared<BemMsgGridAdapter>(KorvBuf());
    EXPECT_EQ(none->findTable("list")->getCellText(0, "Data"), "None");
    EXPECT_EQ(none->findTable("fields")->getRowCount(), 0u);
}

TEST(BemMsgGridAdapter, AdapterKeepsItsOwnCopy)
{
    Bytes bytes = response(0x10, {0x7D, 0x00});
    KorvBuf source(bytes.data(), static_cast<std::uint32_t>(bytes.size()));
    const auto grid = std::make_shared<BemMsgGridAdapter>(source);
    source.assign(nullptr, 0);
    bytes.assign(bytes.size(), 0);
    EXPECT_EQ(grid->findTable("fields")->getCellText(0, "Data"), "v1.25");
    EXPECT_EQ(grid->shared_from_this(), grid);
}
