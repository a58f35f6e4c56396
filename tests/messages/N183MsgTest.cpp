#include "messages/N183Msg.h"

#include "messages/KorvBuf.h"
#include "support/N183Text.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace KelpLib;
using ZrlTest::n183Record;
using ZrlTest::withN183Checksum;
using Rows = std::vector<std::string>;

namespace {

// A message built as an element hands it over: from a byte buffer over the text.
N183Msg messageOf(const std::string& text, std::uint32_t time = 0)
{
    ByteBuffer bytes;
    wrap(bytes, reinterpret_cast<const std::uint8_t*>(text.data()), static_cast<std::int64_t>(text.size()));
    bytes.time = time;
    return N183Msg(bytes);
}

// "talker|formatter|[field][field]..." as the message parsed the text.
std::string parsed(const N183Msg& message)
{
    std::string out = message.talker() + "|" + message.formatter() + "|";
    for (std::uint32_t i = 0; i < message.fieldCount(); ++i)
        out += "[" + message.fieldText(i) + "]";
    return out;
}

// "ordinal=value" for every row of the field table.
Rows shownRows(const N183Msg& message)
{
    Rows out;
    for (std::uint32_t row = 0; row < message.rowCount(); ++row)
        out.push_back(message.cellText(row, "Field") + "=" + message.cellText(row, "Data"));
    return out;
}

std::vector<std::uint8_t> rawBytes(const N183Msg& message)
{
    const std::shared_ptr<KorvBuf> raw = message.raw();
    return std::vector<std::uint8_t>(raw->data(), raw->data() + raw->length());
}

} // namespace

// Talker, formatter and fields of sentences, texts that are no sentence, and texts cut short.
// The checksum is neither checked nor part of a field; nothing after the asterisk counts.
TEST(N183Msg, ParsesTalkerFormatterAndFields)
{
    struct Case {
        std::string text;
        const char* expected;
    };
    const Case cases[] = {
        {"$GPGGA,1,2,3*7F", "GP|GGA|[1][2][3]"},
        {"$GPGGA,1,2,3*4A", "GP|GGA|[1][2][3]"},
        {"$PXYZ,A", "P|XYZ|[A]"},
        {"!AIVDM,1,1,,A,abc,0*26", "AI|VDM|[1][1][][A][abc][0]"},
        {"$GPABCDEFGHIJ,1", "GP|ABCDEFG|[1]"}, // a formatter keeps seven characters
        {"$GPHDT,231.4,T", "GP|HDT|[231.4][T]"},
        {"$GPHDT,231.4,T*2b", "GP|HDT|[231.4][T]"},
        {"$GPHDT,231.4,T*2", "GP|HDT|[231.4][T]"},
        {"$GPGGA", "GP|GGA|"},
        {"$GPGGA*", "GP|GGA|"},
        {"$GPGGA,", "GP|GGA|[]"},
        {"$GPGGA,*", "GP|GGA|[]"},
        {"$GPGGA,1*2,3", "GP|GGA|[1]"},
        {"$GP,", "GP||[]"}, // an empty formatter, then one empty field
        {"$GP", "GP||"},
        {"$G", "G||"},
        {"$P", "P||"},
        {"$", "||"},
        {"!", "||"},
        {"", "||"},
        {"hello", "||"},
        {"GPGGA,1,2", "||"},
        {",,,,", "||"},
        // An embedded NUL ends its field.
        {std::string("$GPGGA,1\0,2", 11), "GP|GGA|[1][2]"},
        {std::string("$GPHDT,23\0.4,T", 14), "GP|HDT|[23][T]"},
    };
    for (const Case& c : cases) {
        const N183Msg message = messageOf(c.text);
        EXPECT_EQ(parsed(message), c.expected) << c.text;
        EXPECT_EQ(message.textLength(), c.text.size()) << c.text;
        EXPECT_EQ(message.key(), message.talker() + "_" + message.formatter());
    }
    EXPECT_EQ(messageOf(std::string("$GPH\0T,1", 8)).name(), "No name available");
    EXPECT_EQ(messageOf("$GPgga,1").definition(), nullptr) << "formatters are upper case";
}

TEST(N183Msg, NamesKeysAndTextsOfSentences)
{
    const N183Msg gga = messageOf("$GPGGA,1,2,3*7F");
    EXPECT_EQ(gga.key(), "GP_GGA");
    EXPECT_EQ(gga.dataText(), "1,2,3");
    EXPECT_EQ(gga.name(), "Global Positioning System Fix Data");
    EXPECT_EQ(gga.text(), "$GPGGA,1,2,3*7F") << "the record keeps the sentence as received";
    EXPECT_EQ(gga.fieldText(3), "") << "beyond the field count";
    EXPECT_EQ(withN183Checksum("$GPGGA,1,2,3"), "$GPGGA,1,2,3*4A");

    const N183Msg vdm = messageOf("!AIVDM,1,1,,A,abc,0*26");
    EXPECT_EQ(vdm.view().startChar, '!');
    EXPECT_EQ(vdm.key(), "AI_VDM");
    EXPECT_EQ(vdm.dataText(), "1,1,,A,abc,0");
    EXPECT_EQ(vdm.name(), "AIS VHF Datalink Message");

    // Unknown and proprietary formatters have fields but no field rows.
    for (const char* text : {"$PXYZ,A", "$GPXYZ,1,2"}) {
        const N183Msg unknown = messageOf(text);
        EXPECT_EQ(unknown.definition(), nullptr);
        EXPECT_EQ(unknown.name(), "No name available");
        EXPECT_EQ(unknown.rowCount(), 0u);
        EXPECT_EQ(unknown.titleRow(3), "Number of fields = 0");
        EXPECT_EQ(unknown.cellText(0, "Field"), "Row out of range");
    }
}

TEST(N183Msg, AtMostTwentyFiveFieldsAreRecorded)
{
    std::string text = "$GPXDR";
    for (int i = 1; i <= 30; ++i)
        text += "," + std::to_string(i);
    const N183Msg message = messageOf(withN183Checksum(text));
    EXPECT_EQ(message.fieldCount(), 25u);
    EXPECT_EQ(message.fieldText(25), "");
    EXPECT_EQ(message.dataText(), text.substr(7, text.find(",26") - 7));
    EXPECT_EQ(message.listText(ListColumnSize), std::to_string(text.size() + 3)) << "the size is the whole text";
}

TEST(N183Msg, TitleRowsAndTableTexts)
{
    const N183Msg aam = messageOf("$GPAAM,A,V,0.10,N,WPT2*51");
    ASSERT_EQ(aam.titleRowCount(), 4u);
    EXPECT_EQ((Rows{aam.titleRow(0), aam.titleRow(1), aam.titleRow(2), aam.titleRow(3), aam.titleRow(4)}),
              (Rows{"Formatter AAM", "Waypoint Arrival Alarm", "Length = 25", "Number of fields = 4",
                    "Error in title row"}));
    EXPECT_EQ(aam.rowCount(), 4u) << "the unit letter N has no row of its own";
    EXPECT_EQ(shownRows(aam), (Rows{"1=A", "2=V", "3=0.10 NM", "5=WPT2"}));
    EXPECT_EQ(aam.columnCount(), 4u);
    EXPECT_EQ(aam.columnName(0) + aam.columnName(1) + aam.columnName(2) + aam.columnName(3) + aam.columnName(4),
              "FieldNameDataUnitsError");
    EXPECT_EQ(aam.rowHeader(2), "Field = 2");
    EXPECT_EQ(aam.cellText(2, "data"), "Column out of range") << "column names are exact";
    EXPECT_EQ(aam.cellText(2, ""), "Column out of range");
    EXPECT_EQ(aam.cellText(4, "Data"), "Row out of range");
    EXPECT_EQ(aam.cellText(0xFFFFFFFFu, "Field"), "Row out of range");
    for (std::uint32_t row = 0; row < aam.rowCount(); ++row)
        EXPECT_EQ(aam.cellText(row, "Units"), "") << row;
}

TEST(N183Msg, ListCellsByColumnId)
{
    // Talker, formatter, size, data; the list leaves the name (5) out; ids of no column are empty.
    const N183Msg gga = messageOf("$GPGGA,1,2,3*7F");
    std::string cells;
    for (std::uint32_t id : {3u, 4u, 8u, 9u, 5u, 0u, 1u, 2u, 6u, 7u, 10u, 11u, 12u, 13u, 99u})
        cells += gga.listText(ListColumn{"", 0, id}) + "|";
    EXPECT_EQ(cells, "GP|GGA|15|1,2,3||||||||||||");

    // Appended after what was there.
    std::vector<ListColumn> columns{{"Line", 8, ListColumnLine, true}};
    N183Msg::listColumns(columns);
    std::string names;
    for (const ListColumn& c : columns)
        names += c.name + "/" + std::to_string(c.width) + "/" + std::to_string(c.id) + (c.shown ? " " : "- ");
    EXPECT_EQ(names, "Line/8/0 Size/8/8 Talker/7/3 Formatter/8/4 Name/36/5 Data/50/9 ");
}

TEST(N183Msg, LongFieldsStayInsideTheTextAndAreCutInTheDataText)
{
    // 299 characters: fields start beyond index 255; each shows at most 100 characters in the data text.
    std::string text = "$GPTXT," + std::string(260, 'a') + ",b,c";
    text += std::string(299 - text.size(), 'z');
    const N183Msg message = messageOf(text);
    ASSERT_EQ(message.fieldCount(), 3u);
    EXPECT_EQ(message.fieldText(0), std::string(260, 'a')) << "the field itself is whole";
    EXPECT_EQ(message.fieldText(1), "b");
    EXPECT_EQ(message.fieldText(2), "c" + std::string(28, 'z'));
    EXPECT_EQ(message.dataText(), std::string(100, 'a') + ",b,c" + std::string(28, 'z'));
}

TEST(N183Msg, RawIsTheBst9DMessage)
{
    const std::string text = "$HEHDT,231.4,T*2B..X";
    const N183Msg message = messageOf(text);
    const auto raw = message.raw();
    EXPECT_EQ(raw->buffer()->capacity, 255u);
    const auto bytes = rawBytes(message);
    ASSERT_EQ(bytes.size(), 22u);
    EXPECT_EQ(bytes[0], 0x9D);
    EXPECT_EQ(bytes[1], 20);
    EXPECT_EQ(std::string(bytes.begin() + 2, bytes.end()), text);
    EXPECT_NE(message.raw(), raw) << "every call makes a new buffer";

    const auto at250 = rawBytes(messageOf("$" + std::string(249, 'a')));
    ASSERT_EQ(at250.size(), 252u);
    EXPECT_EQ(at250[1], 250);
    EXPECT_EQ(at250[251], 'a');
    // 251 characters do not fit a length byte's message.
    for (const N183Msg& refused : {messageOf("$" + std::string(250, 'a')), messageOf("$" + std::string(298, 'a')), N183Msg()})
        EXPECT_EQ(rawBytes(refused), (std::vector<std::uint8_t>{0x9D, 0}));
}

TEST(N183Msg, ConstructionTakesOneToTwoHundredNinetyNineBytes)
{
    const N183Msg timed = messageOf("$GPGGA,1", 123456);
    EXPECT_EQ(timed.timeWord(), 123456u) << "the buffer's time word";
    EXPECT_EQ(timed.textLength(), 8u);

    const N183Msg longest = messageOf("$GPGGA," + std::string(292, '1'));
    EXPECT_EQ(longest.textLength(), 299u);
    EXPECT_EQ(longest.name(), "Global Positioning System Fix Data");
    EXPECT_EQ(longest.fieldText(0), std::string(292, '1'));

    for (const std::string& text : {"$GPGGA," + std::string(293, '1'), std::string(1000, '$')}) {
        const N183Msg empty = messageOf(text);
        EXPECT_EQ(parsed(empty) + std::string(empty.text()) + empty.key(), "||_") << text.size();
        EXPECT_EQ(empty.textLength() + empty.rowCount(), 0u);
        EXPECT_EQ(empty.titleRow(2), "Length = 0");
    }
    ByteBuffer noData;
    noData.length = 10;
    EXPECT_EQ(N183Msg(noData).textLength(), 0u) << "a length without bytes is empty";

    // A record handed over whole: a length of 300 or more is empty, never read past the text.
    N183SentenceRecord tooLong = n183Record("$GPGGA,1");
    tooLong.length = 300;
    EXPECT_EQ(N183Msg(tooLong).textLength(), 0u);
    tooLong.length = 0xFFFFFFFFu;
    EXPECT_EQ(N183Msg(tooLong).fieldCount(), 0u);
    EXPECT_EQ(N183Msg(n183Record("$GPGGA,1,2")).dataText(), "1,2");
}

TEST(N183Msg, CopiesParseTheirOwnRecord)
{
    auto original = std::make_unique<N183Msg>(messageOf("$GPAAM,A,V,0.10,N,WPT2*51", 7));
    const N183Msg copy(*original);
    N183Msg assigned = messageOf("$HEHDT,271.5,T");
    assigned = *original;
    original.reset();
    for (const N183Msg* message : {&copy, static_cast<const N183Msg*>(&assigned)}) {
        EXPECT_EQ(message->timeWord(), 7u);
        EXPECT_EQ(message->key(), "GP_AAM");
        EXPECT_EQ(shownRows(*message), (Rows{"1=A", "2=V", "3=0.10 NM", "5=WPT2"}))
            << "the fields read the copy's own text";
    }
    EXPECT_EQ(assigned.titleRow(0), "Formatter AAM");

    N183Msg self = messageOf("$GPGGA,1,2,3");
    const N183Msg& alias = self;
    self = alias;
    EXPECT_EQ(self.dataText(), "1,2,3");
}
