#include "messages/BSTMsg.h"
#include "messages/BemDictionary.h"
#include "n2k/ReservedFields.h"

#include <gtest/gtest.h>

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

// A BEM response: id, length, BEM id, sub-key, model (u16), serial (u32), error (i32), payload.
Bytes response(std::uint8_t bemId, const Bytes& payload, std::uint8_t subKey = 1, std::uint16_t model = 1,
               std::uint32_t serial = 20240042, std::int32_t error = 0, std::uint8_t id = 0xA0)
{
    Bytes m = {id, static_cast<std::uint8_t>(12 + payload.size()), bemId, subKey};
    put(m, model, 2);
    put(m, serial, 4);
    put(m, static_cast<std::uint32_t>(error), 4);
    m.insert(m.end(), payload.begin(), payload.end());
    return m;
}

// A BEM command: id, length, BEM id, payload.
Bytes command(std::uint8_t bemId, const Bytes& payload, std::uint8_t id = 0xA1)
{
    Bytes m = {id, static_cast<std::uint8_t>(1 + payload.size()), bemId};
    m.insert(m.end(), payload.begin(), payload.end());
    return m;
}

ByteBuffer view(const Bytes& bytes)
{
    ByteBuffer buffer;
    wrap(buffer, bytes.data(), static_cast<std::int64_t>(bytes.size()));
    return buffer;
}

ListColumn column(std::uint32_t id) { return ListColumn{"c", 5, id, true}; }

// The rows of the field table as "Fld|Name|Data".
std::vector<std::string> rows(const BSTMsg& msg)
{
    std::vector<std::string> out;
    for (std::uint32_t r = 0; r < msg.fieldCount(); ++r)
        out.push_back(msg.cellText(r, "Fld") + "|" + msg.cellText(r, "Name") + "|" + msg.cellText(r, "Data"));
    return out;
}

// A complete hardware-information payload: boot loader v1.25 of 01/01/2024 12:00, main
// application v2.105 of 02/01/2024 18:00, model 1, sub-id 3 (USB), serial 20240042, CAN.
Bytes hardwareInfoPayload()
{
    Bytes p;
    put(p, 125, 2);
    put(p, 45292, 2);
    put(p, 32768, 2);
    put(p, 2105, 2);
    put(p, 45293, 2);
    put(p, 49152, 2);
    put(p, 1, 2);
    put(p, 3, 2);
    put(p, 20240042, 4);
    put(p, 32, 1);
    return p;
}

class BSTMsgTest : public ::testing::Test {
protected:
    void TearDown() override { StandardsLib::reservedFieldsHidden = false; }
};

} // namespace

TEST_F(BSTMsgTest, ShortHardwareInfoResponseIsFoundAndEndsWithTheMissingField)
{
    const Bytes bytes = response(0x10, {0x7D, 0x00});
    ASSERT_EQ(bytes.size(), 16u);
    ASSERT_EQ(bytes[1], 0x0E);
    const BSTMsg msg(view(bytes));
    EXPECT_TRUE(msg.isResponse());
    EXPECT_EQ(msg.header().key, 0xA010u);
    EXPECT_EQ(msg.header().subKey, 1u);
    EXPECT_EQ(msg.header().modelId, 1u);
    EXPECT_EQ(msg.header().serialId, 20240042u);
    ASSERT_NE(msg.dictEntry(), nullptr);
    EXPECT_EQ(msg.name(), "ddHardwareInfo");
    EXPECT_EQ(msg.titleRow(0), "ddHardwareInfo");
    EXPECT_EQ(msg.titleRow(1), "BEM Response 0xA010::1");
    EXPECT_EQ(msg.titleRow(2), "Hardware information");
    EXPECT_EQ(msg.titleRow(3), "Korvane serial gateway G-2, Serial ID 20240042");
    EXPECT_EQ(msg.titleRow(4), "");
    EXPECT_EQ(msg.titleRow(5), "");
    EXPECT_EQ(msg.titleRow(6), "Bad row");
    EXPECT_EQ(msg.payloadSize(), 2u);
    EXPECT_EQ(msg.payload().data(), msg.bytes().data() + 14) << "the payload is a view, not a copy";
    EXPECT_FALSE(msg.payload().ownsData());
    EXPECT_EQ(rows(msg), (std::vector<std::string>{"1|Boot Loader Version|v1.25",
                                                   "2|Boot Loader Program Date|Null / non-present field"}));
    EXPECT_EQ(msg.rowCount(), 2u);
}

TEST_F(BSTMsgTest, FullHardwareInfoResponse)
{
    const BSTMsg msg(view(response(0x10, hardwareInfoPayload())));
    EXPECT_EQ(rows(msg), (std::vector<std::string>{
                             "1|Boot Loader Version|v1.25",
                             "2|Boot Loader Program Date|01/01/2024",
                             "3|Boot Loader Program Time|12:00:00",
                             "4|Main Application Version|v2.105",
                             "5|Main Application Date|02/01/2024",
                             "6|Main Application Time|18:00:00",
                             "7|Model ID|Korvane serial gateway G-2 (1)",
                             "8|Model Sub ID|USB (3)",
                             "9|Serial Number|20240042 / 0x0134D6AA",
                             "10|Hardware Protocol|CAN, NMEA 2000 (32)",
                         }));
    EXPECT_EQ(msg.fieldEntry(9)->offset, 20u);
    EXPECT_EQ(msg.fieldEntry(10), nullptr);
}

TEST_F(BSTMsgTest, CommandTextsAndItsEmptyFieldList)
{
    const Bytes bytes = {0xA1, 0x01, 0x10};
    const BSTMsg msg(view(bytes));
    EXPECT_TRUE(msg.isCommand());
    EXPECT_EQ(msg.header().key, 0xA110u);
    EXPECT_EQ(msg.header().subKey, 1u);
    EXPECT_EQ(msg.name(), "ddHardwareInfoPG");
    EXPECT_EQ(msg.titleRow(1), "BEM Command 0xA110::1");
    EXPECT_EQ(msg.sourceText(), "Application");
    EXPECT_EQ(msg.titleRow(3), "Application");
    EXPECT_EQ(msg.errorCode(), 0);
    EXPECT_EQ(msg.payloadSize(), 0u);
    // A record without fields still ends its list with the exhausted row.
    EXPECT_EQ(rows(msg), (std::vector<std::string>{"1|Message truncated/incomplete|Null / non-present field"}));
}

TEST_F(BSTMsgTest, CommandWithFields)
{
    Bytes payload;
    put(payload, 126992, 4);
    payload.push_back(1);
    put(payload, 0, 2);
    const BSTMsg msg(view(command(0x47, payload)));
    EXPECT_EQ(msg.name(), "ddTxPGNEnablePG");
    EXPECT_EQ(rows(msg), (std::vector<std::string>{"1|Tx PGN|126992 (0x1F010)", "2|Enable State|True",
                                                   "3|Transmit Rate|Disabled (0)"}));
}

TEST_F(BSTMsgTest, ThirteenByteA0MessageIsAPlainBstMessage)
{
    Bytes bytes = {0xA0, 0x0B, 0x10, 0x01};
    bytes.resize(13, 0x22);
    const BSTMsg msg(view(bytes));
    EXPECT_TRUE(msg.isPlainBst());
    EXPECT_EQ(msg.header().key, 0xA0FFu);
    EXPECT_EQ(msg.dictEntry(), nullptr);
    EXPECT_EQ(msg.titleRow(0), "BST/BEM Unknown");
    EXPECT_EQ(msg.titleRow(1), "Invalid Message ID = 0xA0FF");
    for (std::uint32_t row = 2; row < 6; ++row)
        EXPECT_EQ(msg.titleRow(row), "") << row;
    EXPECT_EQ(msg.idText(), "");
    EXPECT_EQ(msg.sourceText(), "");
    EXPECT_EQ(msg.description(), "Unknown");
    EXPECT_EQ(msg.fieldCount(), 0u);
    EXPECT_EQ(msg.payloadSize(), 11u);
    EXPECT_EQ(msg.rowCount(), 11u) << "without a record the table has a row per payload byte";
    // Rows beyond the entries are answered by the bytes of the whole message.
    EXPECT_EQ(msg.cellText(0, "Hex"), "0xA0");
    EXPECT_EQ(msg.cellText(2, "Decimal"), "16");
    EXPECT_EQ(msg.cellText(0, "Data"), "");
    EXPECT_EQ(msg.cellText(13, "Hex"), "Row Out Of Range");
}

TEST_F(BSTMsgTest, PlainMessagesOfTheDictionary)
{
    const Bytes reboot = {0x11, 0x02, 0xE8, 0x03};
    const BSTMsg msg(view(reboot));
    EXPECT_TRUE(msg.isPlainBst());
    EXPECT_EQ(msg.name(), "ddReBootPG");
    EXPECT_EQ(msg.titleRow(1), "BST 0x11FF");
    EXPECT_EQ(msg.sourceText(), "Unknown Model ID");
    EXPECT_EQ(rows(msg), (std::vector<std::string>{"1|Reboot Delay|1000 milliseconds"}));

    Bytes block = {0xC0, 0x0B, 0x07, 0x01};
    put(block, 400, 4);
    for (char c : std::string("Hello"))
        block.push_back(static_cast<std::uint8_t>(c));
    const BSTMsg data(view(block));
    EXPECT_EQ(data.name(), "ddMDTDataBlock");
    EXPECT_EQ(rows(data), (std::vector<std::string>{"1|Transfer ID|7", "2|Channel ID|1", "3|Data Offset|400",
                                                    "4|Data|\"Hello\" (48 65 6C 6C 6F)"}));
}

TEST_F(BSTMsgTest, ErrorCodeRows)
{
    const BSTMsg msg(view(response(0x10, hardwareInfoPayload(), 1, 1, 7, -1097)));
    EXPECT_EQ(msg.errorCode(), -1097);
    EXPECT_EQ(msg.titleRow(4), "Error code = -1097");
    EXPECT_EQ(msg.titleRow(5), "  => BST Wrong length!");

    const BSTMsg warning(view(response(0x10, {}, 1, 1, 7, 5)));
    EXPECT_EQ(warning.titleRow(4), "Error code = 5");
    EXPECT_EQ(warning.titleRow(5), "  => Error Code meaning not defined!");
}

TEST_F(BSTMsgTest, ClassificationNeedsTheWholeDeclaredLength)
{
    Bytes cut = response(0x10, hardwareInfoPayload());
    cut.pop_back(); // one byte fewer than the length byte announces
    const BSTMsg msg(view(cut));
    EXPECT_TRUE(msg.isPlainBst());
    EXPECT_EQ(msg.header().key, 0xA0FFu);
    EXPECT_EQ(msg.payloadSize(), static_cast<std::uint32_t>(cut.size() - 2)) << "a plain payload stops at the bytes held";

    const Bytes shortCommand = {0xA1, 0x05, 0x10};
    EXPECT_TRUE(BSTMsg(view(shortCommand)).isPlainBst());
    const Bytes twoBytes = {0xA1, 0x00};
    EXPECT_TRUE(BSTMsg(view(twoBytes)).isPlainBst());
    const Bytes oneByte = {0xA1};
    EXPECT_EQ(BSTMsg(view(oneByte)).payloadSize(), 0u);
    const BSTMsg none{ByteBuffer()};
    EXPECT_EQ(none.name(), "BST/BEM Unknown");
    EXPECT_EQ(none.rowCount(), 0u);
    EXPECT_EQ(none.listText(column(ListColumnData)), "None");

    // 0xA9 is a response with the full header and a command without it.
    EXPECT_TRUE(BSTMsg(view(response(0x00, Bytes(10, 0), 1, 1, 1, 0, 0xA9))).isResponse());
    const Bytes mdtCommand = {0xA9, 0x01, 0x02};
    const BSTMsg request(view(mdtCommand));
    EXPECT_TRUE(request.isCommand());
    EXPECT_EQ(request.name(), "ddMDTRequestTransfer");
}

TEST_F(BSTMsgTest, PayloadSizesNeverReachPastTheMessage)
{
    // A length byte below the header size wraps modulo 256; the payload is cut to what is held.
    Bytes odd = response(0x10, {});
    odd[1] = 5;
    const BSTMsg msg(view(odd));
    EXPECT_TRUE(msg.isResponse());
    EXPECT_EQ(msg.payloadSize(), 0u);
    EXPECT_EQ(rows(msg), (std::vector<std::string>{"1|Boot Loader Version|Null / non-present field"}));

    Bytes longer = response(0x10, {0x7D, 0x00});
    longer.push_back(0x55); // one byte more than announced: not part of the payload
    EXPECT_EQ(BSTMsg(view(longer)).payloadSize(), 2u);
}

TEST_F(BSTMsgTest, RepeatingGroupOrdinals)
{
    Bytes payload = {0x00};
    put(payload, 4, 2);
    put(payload, 0, 2);
    payload.push_back(1);
    payload.push_back(2); // two PGNs follow
    payload.push_back(0);
    put(payload, 126992, 3);
    payload.push_back(1);
    put(payload, 129029, 3);
    const BSTMsg msg(view(response(0x40, payload)));
    EXPECT_EQ(msg.name(), "ddSupportedPGNList");
    EXPECT_EQ(rows(msg), (std::vector<std::string>{
                             "1|PGN List Selector|0",
                             "2|Total PGNs Supported|4",
                             "3|First PGN Index in Message|0",
                             "4|Last Message of List|True",
                             "5|Number of PGNs in Message|2",
                             "6.1.1|PGN Index|0",
                             "7.1.2|PGN|126992 (0x1F010)",
                             "8.2.1|PGN Index|1",
                             "9.2.2|PGN|129029 (0x1F805)",
                         }));
    EXPECT_EQ(msg.fieldEntry(8)->repetition, 2u);
    EXPECT_EQ(msg.fieldEntry(8)->position, 2u);
    EXPECT_EQ(msg.fieldEntry(8)->offset, 12u);
}

TEST_F(BSTMsgTest, CountOfZeroSkipsTheGroup)
{
    Bytes payload = {0x00};
    put(payload, 0, 2);
    put(payload, 0, 2);
    payload.push_back(1);
    payload.push_back(0);
    const BSTMsg msg(view(response(0x40, payload)));
    ASSERT_EQ(msg.fieldCount(), 5u);
    EXPECT_EQ(msg.cellText(4, "Fld"), "5");
    EXPECT_EQ(msg.cellText(4, "Data"), "0");
}

TEST_F(BSTMsgTest, GroupCutShortEndsInsideTheRound)
{
    Bytes payload = {0x00};
    put(payload, 4, 2);
    put(payload, 0, 2);
    payload.push_back(0);
    payload.push_back(3); // three announced, one and a half sent
    payload.push_back(0);
    put(payload, 126992, 3);
    payload.push_back(1);
    const BSTMsg msg(view(response(0x40, payload)));
    const std::vector<std::string> got = rows(msg);
    ASSERT_EQ(got.size(), 9u);
    EXPECT_EQ(got[7], "8.2.1|PGN Index|1");
    EXPECT_EQ(got[8], "9.2.2|PGN|Null / non-present field");
}

TEST_F(BSTMsgTest, SizedArrayTakesTheBytesItsSizeByteGives)
{
    Bytes payload;
    put(payload, 0x0102, 2);
    payload.push_back(5);
    for (char c : std::string("Depth"))
        payload.push_back(static_cast<std::uint8_t>(c));
    const BSTMsg msg(view(response(0x1A, payload)));
    EXPECT_EQ(rows(msg), (std::vector<std::string>{"1|Key|0x0102", "2|Value Length|5",
                                                   "3|Value|\"Depth\" (44 65 70 74 68)"}));
}

TEST_F(BSTMsgTest, TransmitRatesAndOperatingTime)
{
    Bytes rate;
    put(rate, 129025, 4);
    rate.push_back(1);
    put(rate, 65535, 2);
    const BSTMsg tx(view(response(0x47, rate)));
    EXPECT_EQ(tx.cellText(2, "Data"), "Non-periodic (65535)");
    rate[5] = 0;
    rate[6] = 0;
    EXPECT_EQ(BSTMsg(view(response(0x47, rate))).cellText(2, "Data"), "Disabled (0)");

    Bytes time;
    put(time, 90061, 4);
    put(time, 1500, 4);
    put(time, 12, 2);
    const BSTMsg total(view(response(0x15, time)));
    EXPECT_EQ(rows(total), (std::vector<std::string>{"1|Total Operating Time|90061 seconds (1 day, 1 hour, 1 minute) ",
                                                     "2|Time Since Start-up|1500 milliseconds",
                                                     "3|Power Cycle Count|12"}));
}

TEST_F(BSTMsgTest, OperatingModeIsATextOfTheMessageModel)
{
    const BSTMsg gateway(view(response(0x11, {1, 0}, 1, 0)));
    EXPECT_EQ(gateway.cellText(0, "Data"), "Korvane gateway NMEA 0183 to NMEA 2000 conversion mode (1)");
    const BSTMsg bootloader(view(response(0x11, {1, 0}, 1, 6)));
    EXPECT_EQ(bootloader.cellText(0, "Data"), "Korvane bootloader waiting for connection (1)");
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
        const Bytes payload(full.begin(), full.begin() + boundary);
        const BSTMsg msg(view(response(0x10, payload)));
        const std::vector<std::string> got = rows(msg);
        if (fields == record->fieldCount) {
            EXPECT_EQ(got.size(), fields);
            break;
        }
        ASSERT_EQ(got.size(), fields + 1);
        EXPECT_EQ(got.back(), std::to_string(fields + 1) + "|" + record->fields[fields].name + "|Null / non-present field");
        EXPECT_TRUE(msg.fieldEntry(fields)->exhausted);
        boundary += record->fields[fields].width;
    }
}

TEST_F(BSTMsgTest, TruncatedInsideAField)
{
    // A cut in the middle of a field: the field shows that its data is not available.
    const Bytes full = hardwareInfoPayload();
    for (std::size_t cut = 1; cut < full.size(); ++cut) {
        const BSTMsg msg(view(response(0x10, Bytes(full.begin(), full.begin() + cut))));
        for (std::uint32_t r = 0; r < msg.rowCount(); ++r)
            (void)msg.cellText(r, "Data");
    }
    const BSTMsg half(view(response(0x10, Bytes(full.begin(), full.begin() + 19))));
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
            if (bemId == 0xFF) {
                bytes = {id, size};
                bytes.insert(bytes.end(), payload.begin(), payload.end());
            } else if (id == 0xA0 || id == 0xA2 || id == 0xA3 || id == 0xA5 || id == 0xA7 || id == 0xA9) {
                bytes = response(bemId, payload, static_cast<std::uint8_t>(e.subKey), 1, 1, 0, id);
            } else {
                bytes = command(bemId, payload, id);
            }
            const BSTMsg msg(view(bytes));
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
    const BSTMsg hardware(view(response(0x10, {0x7D, 0x00})));
    const BSTMsg baud(view(response(0x17, {2, 1})));
    ASSERT_EQ(hardware.fieldCount(), 2u);
    ASSERT_EQ(baud.fieldCount(), 3u);
    // Both walks have run; each exhausted row still names its own missing field.
    EXPECT_EQ(hardware.cellText(1, "Name"), "Boot Loader Program Date");
    EXPECT_EQ(baud.cellText(2, "Name"), "Hardware Protocol");
    const BSTMsg empty(view(Bytes{0xA1, 0x01, 0x15}));
    EXPECT_EQ(empty.cellText(0, "Name"), "Message truncated/incomplete");
    EXPECT_EQ(hardware.cellText(1, "Name"), "Boot Loader Program Date");
    EXPECT_EQ(baud.cellText(2, "Name"), "Hardware Protocol");
}

TEST_F(BSTMsgTest, EntryWithoutANameIsMessageExhausted)
{
    BemFieldEntry entry;
    EXPECT_EQ(BSTMsg::entryName(entry), "Message exhausted");
    entry.name = "";
    EXPECT_EQ(BSTMsg::entryName(entry), "Message exhausted");
    entry.name = "Port Number";
    EXPECT_EQ(BSTMsg::entryName(entry), "Port Number");
}

TEST_F(BSTMsgTest, TableShape)
{
    const BSTMsg msg(view(response(0x17, {2, 1, 32, 0x80, 0x25, 0, 0, 0x00, 0xC2, 0x01, 0x00})));
    EXPECT_EQ(msg.titleRowCount(), 6u);
    EXPECT_EQ(msg.columnCount(), 3u);
    EXPECT_EQ(msg.columnName(0), "Fld");
    EXPECT_EQ(msg.columnName(1), "Name");
    EXPECT_EQ(msg.columnName(2), "Data");
    EXPECT_EQ(msg.columnName(3), "None");
    EXPECT_EQ(msg.rowHeader(4), "field = 4");
    EXPECT_EQ(rows(msg), (std::vector<std::string>{"1|Number of Ports|2", "2|Port Number|1",
                                                   "3|Hardware Protocol|CAN, NMEA 2000 (32)",
                                                   "4|Current Baud Rate|9600", "5|Stored Baud Rate|115200"}));
    EXPECT_EQ(msg.cellText(0, "fld"), "") << "column names are case-sensitive";
    EXPECT_EQ(msg.cellText(5, "Fld"), "") << "rows past the entries read the message bytes";
    EXPECT_EQ(msg.cellText(6, "Decimal"), "170") << "byte 6 of the message: the serial number's first byte";
}

TEST_F(BSTMsgTest, ListTexts)
{
    const Bytes bytes = response(0x10, {0x7D, 0x00});
    const BSTMsg msg(view(bytes));
    EXPECT_EQ(msg.listText(column(ListColumnName)), "ddHardwareInfo");
    EXPECT_EQ(msg.listText(column(ListColumnInterval)), "Interval??");
    EXPECT_EQ(msg.listText(column(ListColumnSize)), "16");
    EXPECT_EQ(msg.listText(column(ListColumnData)), "A0 0E 10 01 01 00 AA D6 34 01 00 00 00 00 7D 00");
    for (std::uint32_t id : {0u, 1u, 2u, 3u, 4u, 6u, 10u, 11u, 12u, 13u, 99u})
        EXPECT_EQ(msg.listText(column(id)), "") << id;

    std::vector<ListColumn> columns;
    BSTMsg::listColumns(columns);
    ASSERT_EQ(columns.size(), 8u);
    const char* names[] = {"MsgSrc", "PGN", "Src", "Dest", "Pri", "Name", "Size", "Data"};
    const std::uint32_t widths[] = {8, 8, 5, 5, 4, 20, 5, 60};
    const std::uint32_t ids[] = {6, 10, 11, 12, 13, 5, 8, 9};
    for (std::size_t i = 0; i < columns.size(); ++i) {
        EXPECT_EQ(columns[i].name, names[i]);
        EXPECT_EQ(columns[i].width, widths[i]);
        EXPECT_EQ(columns[i].id, ids[i]);
    }
}

TEST_F(BSTMsgTest, HiddenEngineeringMessagesAreUnknown)
{
    Bytes text = response(0x00, {'b', 'o', 'o', 't', 0}, 1, 1, 1, 0, 0xA2);
    EXPECT_EQ(BSTMsg(view(text)).name(), "ddDebugText");
    EXPECT_EQ(BSTMsg(view(text)).cellText(0, "Data"), "boot");
    StandardsLib::reservedFieldsHidden = true;
    const BSTMsg hidden(view(text));
    EXPECT_EQ(hidden.name(), "BST/BEM Unknown");
    EXPECT_EQ(hidden.titleRow(1), "Invalid Message ID = 0xA200");
    EXPECT_EQ(hidden.rowCount(), 5u);
}
