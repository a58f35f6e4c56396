#include "grid/IGridTable.h"
#include "messages/BSTMsg.h"
#include "messages/BemDictionary.h"
#include "messages/BemMsgGridAdapter.h"
#include "n2k/ReservedFields.h"
#include "support/ByteView.h"
#include "support/GridText.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

using namespace KelpLib;
using ZrlTest::columnIdsText;
using ZrlTest::le;
using ZrlTest::tableRows;
using ZrlTest::viewOf;

namespace {

using Bytes = std::vector<std::uint8_t>;
using Rows = std::vector<std::string>;

Bytes cat(Bytes a, const Bytes& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// A BEM response: id, length, BEM id, sub-key, model (u16), serial (u32), error (i32), payload.
Bytes response(std::uint8_t bemId, const Bytes& payload, std::uint8_t subKey = 1, std::uint16_t model = 1,
               std::uint32_t serial = 20240042, std::int32_t error = 0, std::uint8_t id = 0xA0)
{
    const Bytes head = {id, static_cast<std::uint8_t>(12 + payload.size()), bemId, subKey};
    return cat(cat(head, le({{model, 2}, {serial, 4}, {static_cast<std::uint32_t>(error), 4}})), payload);
}

// A BEM command: id, length, BEM id, payload.
Bytes command(std::uint8_t bemId, const Bytes& payload, std::uint8_t id = 0xA1)
{
    return cat({id, static_cast<std::uint8_t>(1 + payload.size()), bemId}, payload);
}

Bytes text(const std::string& s) { return Bytes(s.begin(), s.end()); }

// The rows of the field table as "Fld|Name|Data".
Rows rows(const BSTMsg& msg)
{
    Rows out;
    for (std::uint32_t r = 0; r < msg.fieldCount(); ++r)
        out.push_back(msg.cellText(r, "Fld") + "|" + msg.cellText(r, "Name") + "|" + msg.cellText(r, "Data"));
    return out;
}

Rows titles(const BSTMsg& msg, std::uint32_t count = 7)
{
    Rows out;
    for (std::uint32_t r = 0; r < count; ++r)
        out.push_back(msg.titleRow(r));
    return out;
}

// Boot loader v1.25 of 01/01/2024 12:00, main application v2.105 of 02/01/2024 18:00, model 1,
// sub-id 3 (USB), serial 20240042, CAN.
Bytes hardwareInfoPayload()
{
    return le({{125, 2}, {45292, 2}, {32768, 2}, {2105, 2}, {45293, 2}, {49152, 2}, {1, 2}, {3, 2}, {20240042, 4},
               {32, 1}});
}

// PGN list selector 0, total 4, first index 0, last message, then `count` and the (index, PGN) rounds.
Bytes pgnList(std::uint8_t last, std::uint8_t count, const Bytes& rounds)
{
    return cat(cat(le({{0, 1}, {4, 2}, {0, 2}}), {last, count}), rounds);
}

ListColumn column(std::uint32_t id) { return ListColumn{"c", 5, id, true}; }

// "kind key payload-size name", as the message classified its bytes.
std::string kindText(const BSTMsg& msg)
{
    const char* kind = msg.isResponse() ? "response " : msg.isCommand() ? "command " : msg.isPlainBst() ? "plain " : "";
    char key[8];
    std::snprintf(key, sizeof key, "%04X", static_cast<unsigned>(msg.header().key));
    return kind + std::string(key) + " " + std::to_string(msg.payloadSize()) + " " + msg.name();
}

class BSTMsgTest : public ::testing::Test {
protected:
    void TearDown() override { StandardsLib::reservedFieldsHidden = false; }
};

} // namespace

// Whole field tables of one message of each family: responses, commands, plain BST and MDT
// messages, repeating groups (full, empty, cut short), sized arrays and the model-dependent mode.
TEST_F(BSTMsgTest, FieldTablesOfEachFamily)
{
    struct Case {
        Bytes bytes;
        const char* name;
        Rows rows;
    };
    const Case cases[] = {
        {response(0x10, hardwareInfoPayload()), "ddHardwareInfo",
         {"1|Boot Loader Version|v1.25", "2|Boot Loader Program Date|01/01/2024", "3|Boot Loader Program Time|12:00:00",
          "4|Main Application Version|v2.105", "5|Main Application Date|02/01/2024",
          "6|Main Application Time|18:00:00", "7|Model ID|Korvane serial gateway G-2 (1)", "8|Model Sub ID|USB (3)",
          "9|Serial Number|20240042 / 0x0134D6AA", "10|Hardware Protocol|CAN, NMEA 2000 (32)"}},
        // A record without fields still ends its list with the exhausted row.
        {{0xA1, 0x01, 0x10}, "ddHardwareInfoPG", {"1|Message truncated/incomplete|Null / non-present field"}},
        {command(0x47, le({{126992, 4}, {1, 1}, {0, 2}})), "ddTxPGNEnablePG",
         {"1|Tx PGN|126992 (0x1F010)", "2|Enable State|True", "3|Transmit Rate|Disabled (0)"}},
        {{0x11, 0x02, 0xE8, 0x03}, "ddReBootPG", {"1|Reboot Delay|1000 milliseconds"}},
        {cat(cat({0xC0, 0x0B, 0x07, 0x01}, le({{400, 4}})), text("Hello")), "ddMDTDataBlock",
         {"1|Transfer ID|7", "2|Channel ID|1", "3|Data Offset|400", "4|Data|\"Hello\" (48 65 6C 6C 6F)"}},
        {response(0x40, pgnList(1, 2, cat(cat({0}, le({{126992, 3}})), cat({1}, le({{129029, 3}}))))),
         "ddSupportedPGNList",
         {"1|PGN List Selector|0", "2|Total PGNs Supported|4", "3|First PGN Index in Message|0",
          "4|Last Message of List|True", "5|Number of PGNs in Message|2", "6.1.1|PGN Index|0",
          "7.1.2|PGN|126992 (0x1F010)", "8.2.1|PGN Index|1", "9.2.2|PGN|129029 (0x1F805)"}},
        // A count of zero passes the group over.
        {response(0x40, cat(le({{0, 1}, {0, 2}, {0, 2}}), {1, 0})), "ddSupportedPGNList",
         {"1|PGN List Selector|0", "2|Total PGNs Supported|0", "3|First PGN Index in Message|0",
          "4|Last Message of List|True", "5|Number of PGNs in Message|0"}},
        // Three rounds announced, one and a half sent: the list ends inside the round.
        {response(0x40, pgnList(0, 3, cat(cat({0}, le({{126992, 3}})), {1}))), "ddSupportedPGNList",
         {"1|PGN List Selector|0", "2|Total PGNs Supported|4", "3|First PGN Index in Message|0",
          "4|Last Message of List|False", "5|Number of PGNs in Message|3", "6.1.1|PGN Index|0",
          "7.1.2|PGN|126992 (0x1F010)", "8.2.1|PGN Index|1", "9.2.2|PGN|Null / non-present field"}},
        // A sized array takes the bytes its size byte gives.
        {response(0x1A, cat(le({{0x0102, 2}, {5, 1}}), text("Depth"))), "ddNonVolKeyValuePair",
         {"1|Key|0x0102", "2|Value Length|5", "3|Value|\"Depth\" (44 65 70 74 68)"}},
        {response(0x15, le({{90061, 4}, {1500, 4}, {12, 2}})), "ddTotalTime",
         {"1|Total Operating Time|90061 seconds (1 day, 1 hour, 1 minute) ", "2|Time Since Start-up|1500 milliseconds",
          "3|Power Cycle Count|12"}},
        {response(0x17, {2, 1, 32, 0x80, 0x25, 0, 0, 0x00, 0xC2, 0x01, 0x00}), "ddPortBaudrate",
         {"1|Number of Ports|2", "2|Port Number|1", "3|Hardware Protocol|CAN, NMEA 2000 (32)",
          "4|Current Baud Rate|9600", "5|Stored Baud Rate|115200"}},
        // The operating mode is a text of the message's model.
        {response(0x11, {1, 0}, 1, 0), "ddOperatingMode",
         {"1|Operating Mode|Korvane gateway NMEA 0183 to NMEA 2000 conversion mode (1)"}},
        {response(0x11, {1, 0}, 1, 6), "ddOperatingMode",
         {"1|Operating Mode|Korvane bootloader waiting for connection (1)"}},
    };
    for (const Case& c : cases) {
        const BSTMsg msg(viewOf(c.bytes));
        SCOPED_TRACE(c.name);
        EXPECT_EQ(msg.name(), c.name);
        EXPECT_EQ(rows(msg), c.rows);
    }
}

TEST_F(BSTMsgTest, ResponseCommandAndPlainTitles)
{
    const Bytes bytes = response(0x10, {0x7D, 0x00});
    const BSTMsg msg(viewOf(bytes));
    EXPECT_EQ(kindText(msg), "response A010 2 ddHardwareInfo");
    EXPECT_EQ(titles(msg), (Rows{"ddHardwareInfo", "BEM Response 0xA010::1", "Hardware information",
                                 "Korvane serial gateway G-2, Serial ID 20240042", "", "", "Bad row"}));
    EXPECT_EQ(msg.payload().data(), msg.bytes().data() + 14) << "the payload is a view, not a copy";
    EXPECT_FALSE(msg.payload().ownsData());
    EXPECT_EQ(msg.listText(column(ListColumnData)), "A0 0E 10 01 01 00 AA D6 34 01 00 00 00 00 7D 00");
    EXPECT_EQ(BSTMsg(viewOf(response(0x10, hardwareInfoPayload()))).fieldEntry(10), nullptr);

    const BSTMsg command(viewOf({0xA1, 0x01, 0x10}));
    EXPECT_EQ(kindText(command), "command A110 0 ddHardwareInfoPG");
    EXPECT_EQ(titles(command, 4), (Rows{"ddHardwareInfoPG", "BEM Command 0xA110::1", "Request hardware information",
                                        "Application"}));
    const BSTMsg error(viewOf(response(0x10, hardwareInfoPayload(), 1, 1, 7, -1097)));
    EXPECT_EQ(error.errorCode(), -1097);
    EXPECT_EQ(error.titleRow(4) + "|" + error.titleRow(5), "Error code = -1097|  => BST Wrong length!");
    const BSTMsg warning(viewOf(response(0x10, {}, 1, 1, 7, 5)));
    EXPECT_EQ(warning.titleRow(4) + "|" + warning.titleRow(5), "Error code = 5|  => Error Code meaning not defined!");
    const BSTMsg reboot(viewOf({0x11, 0x02, 0xE8, 0x03}));
    EXPECT_EQ(reboot.titleRow(1) + "|" + reboot.sourceText(), "BST 0x11FF|Unknown Model ID");
}

TEST_F(BSTMsgTest, PlainBstMessageWithoutARecordShowsItsBytes)
{
    Bytes bytes = {0xA0, 0x0B, 0x10, 0x01};
    bytes.resize(13, 0x22);
    const BSTMsg msg(viewOf(bytes));
    EXPECT_EQ(kindText(msg), "plain A0FF 11 BST/BEM Unknown");
    EXPECT_EQ(titles(msg, 6), (Rows{"BST/BEM Unknown", "Invalid Message ID = 0xA0FF", "", "", "", ""}));
    EXPECT_EQ(msg.idText() + msg.sourceText() + msg.description(), "Unknown");
    EXPECT_EQ(msg.fieldCount(), 0u);
    EXPECT_EQ(msg.rowCount(), 11u) << "without a record the table has a row per payload byte";
    // Rows beyond the entries are answered by the bytes of the whole message.
    EXPECT_EQ(msg.cellText(0, "Hex") + "|" + msg.cellText(2, "Decimal") + "|" + msg.cellText(0, "Data") + "|" +
                  msg.cellText(13, "Hex"),
              "0xA0|16||Row Out Of Range");
}

// The kind needs the whole declared length; a payload never reaches past the bytes held nor
// past the length announced. 0xA9 is a response with the full header and a command without it.
TEST_F(BSTMsgTest, KindAndPayloadFollowTheBytesHeld)
{
    Bytes cut = response(0x10, hardwareInfoPayload());
    cut.pop_back(); // one byte fewer than the length byte announces
    Bytes odd = response(0x10, {});
    odd[1] = 5; // below the header size: wraps modulo 256
    Bytes longer = response(0x10, {0x7D, 0x00});
    longer.push_back(0x55); // one byte more than announced
    const std::pair<Bytes, const char*> cases[] = {
        {cut, "plain A0FF 32 BST/BEM Unknown"},
        {{0xA1, 0x05, 0x10}, "plain A1FF 1 BST/BEM Unknown"},
        {{0xA1, 0x00}, "plain A1FF 0 BST/BEM Unknown"},
        {{0xA1}, "plain A1FF 0 BST/BEM Unknown"},
        {odd, "response A010 0 ddHardwareInfo"},
        {longer, "response A010 2 ddHardwareInfo"},
        {response(0x00, Bytes(10, 0), 1, 1, 1, 0, 0xA9), "response A900 10 ddMDTStartOfTransfer"},
        {{0xA9, 0x01, 0x02}, "command A902 0 ddMDTRequestTransfer"},
    };
    for (const auto& [bytes, expected] : cases)
        EXPECT_EQ(kindText(BSTMsg(viewOf(bytes))), expected) << BSTMsg(viewOf(bytes)).listText(column(ListColumnData));
    EXPECT_EQ(rows(BSTMsg(viewOf(odd))), (Rows{"1|Boot Loader Version|Null / non-present field"}));
    const BSTMsg none{ByteBuffer()};
    EXPECT_EQ(none.name(), "BST/BEM Unknown");
    EXPECT_EQ(none.rowCount(), 0u);
    EXPECT_EQ(none.listText(column(ListColumnData)), "None");
}

TEST_F(BSTMsgTest, TruncatedAtEveryFieldBoundary)
{
    // Every prefix of the payload: entries up to the cut, then the exhausted row named after
    // the first missing field; values are read only from the bytes held.
    const Bytes full = hardwareInfoPayload();
    const BemDictEntry* record = findBemDictEntry(0xA010, 1);
    ASSERT_NE(record, nullptr);
    std::uint32_t boundary = 0;
    for (std::uint32_t fields = 0; fields <= record->fieldCount; ++fields) {
        SCOPED_TRACE(fields);
        const BSTMsg msg(viewOf(response(0x10, Bytes(full.begin(), full.begin() + boundary))));
        const Rows got = rows(msg);
        if (fields == record->fieldCount) {
            EXPECT_EQ(got.size(), fields);
            break;
        }
        ASSERT_EQ(got.size(), fields + 1);
        EXPECT_EQ(got.back(), std::to_string(fields + 1) + "|" + record->fields[fields].name + "|Null / non-present field");
        EXPECT_TRUE(msg.fieldEntry(fields)->exhausted);
        boundary += record->fields[fields].width;
    }
    // A cut in the middle of a field: the field shows that its data is not available.
    const BSTMsg half(viewOf(response(0x10, Bytes(full.begin(), full.begin() + 19))));
    EXPECT_EQ(half.cellText(8, "Data"), "Data not available");
    EXPECT_EQ(half.cellText(9, "Name"), "Hardware Protocol");
}

TEST_F(BSTMsgTest, TruncatedMessagesOfEveryRecord)
{
    // Every record, every payload length up to 40 bytes of 0x31: no read past the payload.
    for (std::uint32_t i = 0; i < bemDictionarySize(); ++i) {
        const BemDictEntry& e = bemDictionary()[i];
        const std::uint8_t id = static_cast<std::uint8_t>(e.key >> 8);
        const std::uint8_t bemId = static_cast<std::uint8_t>(e.key & 0xFF);
        for (std::uint8_t size = 0; size <= 40; ++size) {
            const Bytes payload(size, 0x31);
            Bytes bytes;
            if (bemId == 0xFF)
                bytes = cat({id, size}, payload);
            else if (id == 0xA0 || id == 0xA2 || id == 0xA3 || id == 0xA5 || id == 0xA7 || id == 0xA9)
                bytes = response(bemId, payload, static_cast<std::uint8_t>(e.subKey), 1, 1, 0, id);
            else
                bytes = command(bemId, payload, id);
            const BSTMsg msg(viewOf(bytes));
            ASSERT_EQ(msg.dictEntry(), &e) << e.name;
            for (std::uint32_t r = 0; r < msg.rowCount(); ++r)
                for (const char* c : {"Fld", "Name", "Data"})
                    (void)msg.cellText(r, c);
            EXPECT_GE(msg.fieldCount(), 1u);
        }
    }
}

TEST_F(BSTMsgTest, TwoTruncatedMessagesKeepTheirOwnExhaustedNames)
{
    const BSTMsg hardware(viewOf(response(0x10, {0x7D, 0x00})));
    const BSTMsg baud(viewOf(response(0x17, {2, 1})));
    const BSTMsg empty(viewOf({0xA1, 0x01, 0x15}));
    // All three walks have run; each exhausted row still names its own missing field.
    EXPECT_EQ(hardware.cellText(1, "Name"), "Boot Loader Program Date");
    EXPECT_EQ(baud.cellText(2, "Name"), "Hardware Protocol");
    EXPECT_EQ(empty.cellText(0, "Name"), "Message truncated/incomplete");
    BemFieldEntry entry;
    EXPECT_EQ(BSTMsg::entryName(entry), "Message exhausted");
    entry.name = "";
    EXPECT_EQ(BSTMsg::entryName(entry), "Message exhausted");
}

TEST_F(BSTMsgTest, TableShapeAndListTexts)
{
    const BSTMsg msg(viewOf(response(0x17, {2, 1, 32, 0x80, 0x25, 0, 0, 0x00, 0xC2, 0x01, 0x00})));
    EXPECT_EQ(msg.titleRowCount(), 6u);
    EXPECT_EQ(msg.columnCount(), 3u);
    EXPECT_EQ(msg.columnName(0) + msg.columnName(1) + msg.columnName(2) + msg.columnName(3), "FldNameDataNone");
    EXPECT_EQ(msg.rowHeader(4), "field = 4");
    EXPECT_EQ(msg.cellText(0, "fld"), "") << "column names are case-sensitive";
    // Name, interval and size by column id; ids of no column are empty.
    std::string cells;
    for (std::uint32_t id : {5u, 7u, 8u, 0u, 1u, 2u, 3u, 4u, 6u, 10u, 11u, 12u, 13u, 99u})
        cells += msg.listText(column(id)) + "|";
    EXPECT_EQ(cells, "ddPortBaudrate|Interval??|25||||||||||||");
    std::vector<ListColumn> columns;
    BSTMsg::listColumns(columns);
    std::string names;
    for (const ListColumn& c : columns)
        names += c.name + "/" + std::to_string(c.width) + "/" + std::to_string(c.id) + " ";
    EXPECT_EQ(names, "MsgSrc/8/6 PGN/8/10 Src/5/11 Dest/5/12 Pri/4/13 Name/20/5 Size/5/8 Data/60/9 ");
}

TEST_F(BSTMsgTest, HiddenEngineeringMessagesAreUnknown)
{
    const Bytes text = response(0x00, {'b', 'o', 'o', 't', 0}, 1, 1, 1, 0, 0xA2);
    EXPECT_EQ(BSTMsg(viewOf(text)).name(), "ddDebugText");
    EXPECT_EQ(BSTMsg(viewOf(text)).cellText(0, "Data"), "boot");
    StandardsLib::reservedFieldsHidden = true;
    const BSTMsg hidden(viewOf(text));
    EXPECT_EQ(hidden.name(), "BST/BEM Unknown");
    EXPECT_EQ(hidden.titleRow(1), "Invalid Message ID = 0xA200");
    EXPECT_EQ(hidden.rowCount(), 5u);
}

TEST(BemMsgGridAdapter, TablesOfAHardwareInfoResponse)
{
    const auto grid = std::make_shared<BemMsgGridAdapter>(KorvBuf(viewOf(response(0x10, hardwareInfoPayload()), 32768)));
    std::string tables = grid->getName() + ":";
    for (std::uint32_t i = 0; i < grid->getTableCount(); ++i)
        tables += grid->getTable(i)->getName() + "=" + grid->getTable(i)->getTitle() + ";";
    EXPECT_EQ(tables, "BemMsg:list=BEM Message;title=BEM Message;fields=BEM data payload;");
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
    const Rows shown = tableRows(*fields);
    ASSERT_EQ(shown.size(), 10u);
    EXPECT_EQ(shown.back(), "10|Hardware Protocol|CAN, NMEA 2000 (32)|");
    EXPECT_EQ(fields->getCellText(0, "data"), "Column Out Of Range");
    EXPECT_EQ(fields->getCellText(10, "Data"), "Row Out Of Range");
}

TEST(BemMsgGridAdapter, ErrorsGroupsUnknownAndOwnCopy)
{
    const auto titleOf = [](const Bytes& bytes, std::uint32_t row) {
        return std::make_shared<BemMsgGridAdapter>(KorvBuf(viewOf(bytes)))->findTable("title")->getCellText(row, "");
    };
    EXPECT_EQ(titleOf(response(0x10, {0x7D, 0x00}, 1, 1, 7, -1097), 3), "Error code -1097BST Wrong length!");
    EXPECT_EQ(titleOf(response(0x10, {0x7D, 0x00}, 1, 1, 7, 5), 3), "Warning code 5Error Code meaning not defined!");
    // Group rows show the ordinal only.
    const Bytes pgns = pgnList(1, 1, cat({0}, le({{126992, 3}})));
    EXPECT_EQ(tableRows(*std::make_shared<BemMsgGridAdapter>(KorvBuf(viewOf(response(0x40, pgns))))->findTable("fields"))[6],
              "7|PGN|126992 (0x1F010)|");

    Bytes unknown = {0xA0, 0x0B, 0x10, 0x01};
    unknown.resize(13, 0x22);
    const auto grid = std::make_shared<BemMsgGridAdapter>(KorvBuf(viewOf(unknown)));
    EXPECT_EQ(grid->findTable("list")->getCellText(0, "Name") + "|" + grid->findTable("list")->getCellText(0, "Size"),
              "BST/BEM Unknown| 11");
    EXPECT_EQ(tableRows(*grid->findTable("title")), (Rows{"BST/BEM Unknown ()", "Unknown", ", 0 data fields", ""}));
    EXPECT_EQ(grid->findTable("fields")->getCellText(0, "Data"), "No field info");
    const auto none = std::make_shared<BemMsgGridAdapter>(KorvBuf());
    EXPECT_EQ(none->findTable("list")->getCellText(0, "Data"), "None");
    EXPECT_EQ(none->findTable("fields")->getRowCount(), 0u);

    // The adapter keeps its own copy.
    Bytes bytes = response(0x10, {0x7D, 0x00});
    KorvBuf source(bytes.data(), static_cast<std::uint32_t>(bytes.size()));
    const auto copy = std::make_shared<BemMsgGridAdapter>(source);
    source.assign(nullptr, 0);
    bytes.assign(bytes.size(), 0);
    EXPECT_EQ(copy->findTable("fields")->getCellText(0, "Data"), "v1.25");
}
