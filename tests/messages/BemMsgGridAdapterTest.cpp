#include "grid/IGridTable.h"
#include "messages/BemMsgGridAdapter.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace KelpLib;

namespace {

using Bytes = std::vector<std::uint8_t>;

void put(Bytes& out, std::uint64_t value, unsigned width)
{
    for (unsigned i = 0; i < width; ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

Bytes response(std::uint8_t bemId, const Bytes& payload, std::int32_t error = 0)
{
    Bytes m = {0xA0, static_cast<std::uint8_t>(12 + payload.size()), bemId, 1};
    put(m, 1, 2);
    put(m, 20240042, 4);
    put(m, static_cast<std::uint32_t>(error), 4);
    m.insert(m.end(), payload.begin(), payload.end());
    return m;
}

std::shared_ptr<BemMsgGridAdapter> adapterOf(const Bytes& bytes, std::uint32_t time = 0)
{
    KorvBuf buffer(bytes.data(), static_cast<std::uint32_t>(bytes.size()));
    ByteBuffer record = *buffer.buffer();
    record.time = time;
    return std::make_shared<BemMsgGridAdapter>(KorvBuf(record));
}

Bytes hardwareInfoPayload()
{
    Bytes p;
    for (std::uint64_t v : {125, 45292, 32768, 2105, 45293, 49152, 1, 3})
        put(p, v, 2);
    put(p, 20240042, 4);
    p.push_back(32);
    return p;
}

} // namespace

TEST(BemMsgGridAdapter, TablesOfAHardwareInfoResponse)
{
    const auto grid = adapterOf(response(0x10, hardwareInfoPayload()), 32768);
    EXPECT_EQ(grid->getName(), "BemMsg");
    ASSERT_EQ(grid->getTableCount(), 3u);
    const char* const names[] = {"list", "title", "fields"};
    const char* const titles[] = {"BEM Message", "BEM Message", "BEM data payload"};
    for (std::uint32_t i = 0; i < 3; ++i) {
        EXPECT_EQ(grid->getTable(i)->getName(), names[i]);
        EXPECT_EQ(grid->getTable(i)->getTitle(), titles[i]);
    }

    const auto list = grid->findTable("list");
    ASSERT_EQ(list->getColumnCount(), 9u);
    const char* const columns[] = {"Line", "Timestamp", "PGN", "Name", "Src", "Dest", "Pri", "Size", "Data"};
    for (std::uint32_t c = 0; c < 9; ++c)
        EXPECT_EQ(list->getColumnId(c), columns[c]);
    EXPECT_EQ(list->getRowCount(), 1u);
    EXPECT_EQ(list->getCellText(0, "Timestamp"), "12:00:00:000");
    EXPECT_EQ(list->getCellText(0, "Name"), "ddHardwareInfo");
    EXPECT_EQ(list->getCellText(0, "Size"), " 21");
    EXPECT_EQ(list->getCellText(0, "Data"), "7D 00 EC B0 00 80 39 08 ED B0 00 C0 01 00 03 00 AA D6 34 01 20")
        << "the payload, not the whole message";
    for (const char* empty : {"Line", "PGN", "Src", "Dest", "Pri", "Other"})
        EXPECT_EQ(list->getCellText(0, empty), "") << empty;

    const auto title = grid->findTable("title");
    ASSERT_EQ(title->getRowCount(), 4u);
    EXPECT_EQ(title->getColumnId(0), "");
    EXPECT_EQ(title->getCellText(0, ""), "ddHardwareInfo (BEM Response 0xA010::1)");
    EXPECT_EQ(title->getCellText(1, ""), "Hardware information");
    EXPECT_EQ(title->getCellText(2, ""), "Korvane serial gateway G-2, Serial ID 20240042, 10 data fields");
    EXPECT_EQ(title->getCellText(3, ""), "");
    EXPECT_EQ(title->getCellText(4, ""), "Bad row");

    const auto fields = grid->findTable("fields");
    ASSERT_EQ(fields->getRowCount(), 10u);
    ASSERT_EQ(fields->getColumnCount(), 4u);
    const char* const fieldColumns[] = {"Field", "Name", "Data", "Units"};
    for (std::uint32_t c = 0; c < 4; ++c)
        EXPECT_EQ(fields->getColumnId(c), fieldColumns[c]);
    EXPECT_EQ(fields->getCellText(0, "Field"), "1");
    EXPECT_EQ(fields->getCellText(0, "Name"), "Boot Loader Version");
    EXPECT_EQ(fields->getCellText(0, "Data"), "v1.25");
    EXPECT_EQ(fields->getCellText(9, "Data"), "CAN, NMEA 2000 (32)");
    EXPECT_EQ(fields->getCellText(0, "Units"), "");
    EXPECT_EQ(fields->getCellText(0, "data"), "Column Out Of Range");
    EXPECT_EQ(fields->getCellText(10, "Data"), "Row Out Of Range");
    EXPECT_EQ(fields->getCellMetaData(9, 3), "Valid");
    EXPECT_EQ(fields->getCellMetaData(0, 4), "Error");
    EXPECT_EQ(fields->getCellMetaData(10, 0), "Error");
}

TEST(BemMsgGridAdapter, ErrorAndWarningCodes)
{
    const auto error = adapterOf(response(0x10, {0x7D, 0x00}, -1097));
    EXPECT_EQ(error->findTable("title")->getCellText(3, ""), "Error code -1097BST Wrong length!");
    const auto warning = adapterOf(response(0x10, {0x7D, 0x00}, 5));
    EXPECT_EQ(warning->findTable("title")->getCellText(3, ""), "Warning code 5Error Code meaning not defined!");
}

TEST(BemMsgGridAdapter, GroupRowsShowTheOrdinal)
{
    Bytes payload = {0x00};
    put(payload, 2, 2);
    put(payload, 0, 2);
    payload.push_back(1);
    payload.push_back(1);
    payload.push_back(0);
    put(payload, 126992, 3);
    const auto fields = adapterOf(response(0x40, payload))->findTable("fields");
    ASSERT_EQ(fields->getRowCount(), 7u);
    EXPECT_EQ(fields->getCellText(6, "Field"), "7");
    EXPECT_EQ(fields->getCellText(6, "Data"), "126992 (0x1F010)");
}

TEST(BemMsgGridAdapter, UnknownMessageShowsItsPayloadRowsWithoutFieldInfo)
{
    Bytes bytes = {0xA0, 0x0B, 0x10, 0x01};
    bytes.resize(13, 0x22);
    const auto grid = adapterOf(bytes);
    EXPECT_EQ(grid->findTable("list")->getCellText(0, "Name"), "BST/BEM Unknown");
    EXPECT_EQ(grid->findTable("list")->getCellText(0, "Size"), " 11");
    const auto title = grid->findTable("title");
    EXPECT_EQ(title->getCellText(0, ""), "BST/BEM Unknown ()");
    EXPECT_EQ(title->getCellText(1, ""), "Unknown");
    EXPECT_EQ(title->getCellText(2, ""), ", 0 data fields");
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
