#include "messages/N183Msg.h"

#include "grid/IGrid.h"
#include "grid/IGridTable.h"
#include "messages/KorvBuf.h"
#include "presentation/N183MsgGridAdapter.h"
#include "support/N183Text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

using namespace KelpLib;
using ZrlTest::cp1252Degrees;
using ZrlTest::n183Record;
using ZrlTest::withN183Checksum;

namespace {

// A message built as an element hands it over: from a byte buffer over the text.
N183Msg messageOf(const std::string& text, std::uint32_t time = 0)
{
    ByteBuffer bytes;
    wrap(bytes, reinterpret_cast<const std::uint8_t*>(text.data()), static_cast<std::int64_t>(text.size()));
    bytes.time = time;
    return N183Msg(bytes);
}

std::vector<std::string> fieldTexts(const N183Msg& message)
{
    std::vector<std::string> out;
    for (std::uint32_t i = 0; i < message.fieldCount(); ++i)
        out.push_back(message.fieldText(i));
    return out;
}

// "ordinal=value" for every row of the field table.
std::vector<std::string> shownRows(const N183Msg& message)
{
    std::vector<std::string> out;
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

TEST(N183Msg, HeaderFieldsAndKeyOfTheExampleSentences)
{
    // The checksum is neither checked nor part of a field: a wrong one (7F) and the right one
    // (4A) read the same.
    for (const char* text : {"$GPGGA,1,2,3*7F", "$GPGGA,1,2,3*4A"}) {
        const N183Msg gga = messageOf(text);
        EXPECT_EQ(gga.talker(), "GP") << text;
        EXPECT_EQ(gga.formatter(), "GGA");
        EXPECT_EQ(fieldTexts(gga), (std::vector<std::string>{"1", "2", "3"}));
        EXPECT_EQ(gga.fieldText(3), "") << "beyond the field count";
        EXPECT_EQ(gga.fieldText(25), "");
        EXPECT_EQ(gga.key(), "GP_GGA");
        EXPECT_EQ(gga.dataText(), "1,2,3");
        EXPECT_EQ(gga.name(), "Global Positioning System Fix Data");
        EXPECT_EQ(gga.text(), text) << "the record keeps the sentence as received";
    }
    EXPECT_EQ(withN183Checksum("$GPGGA,1,2,3"), "$GPGGA,1,2,3*4A");

    const N183Msg proprietary = messageOf("$PXYZ,A");
    EXPECT_EQ(proprietary.talker(), "P");
    EXPECT_EQ(proprietary.formatter(), "XYZ");
    EXPECT_EQ(proprietary.key(), "P_XYZ");
    EXPECT_EQ(fieldTexts(proprietary), (std::vector<std::string>{"A"}));
    EXPECT_EQ(proprietary.name(), "No name available");
    EXPECT_EQ(proprietary.rowCount(), 0u);

    for (const char* text : {"!AIVDM,1,1,,A,abc,0*26", "!AIVDM,1,1,,A,abc,0*46"}) {
        const N183Msg vdm = messageOf(text);
        EXPECT_EQ(vdm.view().startChar, '!');
        EXPECT_EQ(vdm.talker(), "AI");
        EXPECT_EQ(vdm.formatter(), "VDM");
        EXPECT_EQ(vdm.fieldCount(), 6u);
        EXPECT_EQ(fieldTexts(vdm), (std::vector<std::string>{"1", "1", "", "A", "abc", "0"})) << text;
        EXPECT_EQ(vdm.dataText(), "1,1,,A,abc,0");
        EXPECT_EQ(vdm.key(), "AI_VDM");
    }
    EXPECT_EQ(withN183Checksum("!AIVDM,1,1,,A,abc,0"), "!AIVDM,1,1,,A,abc,0*46");
}

TEST(N183Msg, AtMostTwentyFiveFieldsAreRecorded)
{
    std::string text = "$GPXDR";
    std::string expectedData;
    for (int i = 1; i <= 30; ++i) {
        text += "," + std::to_string(i);
        if (i <= 25)
            expectedData += (i > 1 ? "," : "") + std::to_string(i);
    }
    const N183Msg message = messageOf(withN183Checksum(text));
    EXPECT_EQ(message.fieldCount(), 25u);
    EXPECT_EQ(message.fieldText(24), "25");
    EXPECT_EQ(message.fieldText(25), "");
    EXPECT_EQ(message.dataText(), expectedData);
    EXPECT_EQ(message.listText(ListColumnSize), std::to_string(text.size() + 3)) << "the size is the whole text";

    std::string twentyFive = "$GPXYZ";
    for (int i = 1; i <= 25; ++i)
        twentyFive += ",f" + std::to_string(i);
    const N183Msg exact = messageOf(twentyFive);
    EXPECT_EQ(exact.fieldCount(), 25u);
    EXPECT_EQ(exact.fieldText(24), "f25");
}

TEST(N183Msg, FieldTableRendersTheLibraryDefinitions)
{
    const N183Msg vwr = messageOf(withN183Checksum("$WIVWR,045.0,L,12.5,N,6.4,M,23.2,K"));
    ASSERT_NE(vwr.definition(), nullptr);
    EXPECT_STREQ(vwr.definition()->address, "WIVWR");
    EXPECT_EQ(vwr.cellText(0, "Data"), cp1252Degrees("045.0° Left"));
    EXPECT_EQ(vwr.cellText(1, "Field"), "3");
    EXPECT_EQ(vwr.cellText(1, "Name"), "Wind Speed");
    EXPECT_EQ(vwr.cellText(1, "Data"), "12.5 Knots Relative");

    const N183Msg aam = messageOf("$GPAAM,A,V,0.10,N,WPT2*51");
    EXPECT_EQ(aam.cellText(2, "Name"), "Arrival Circle Radius");
    EXPECT_EQ(aam.cellText(2, "Data"), "0.10 NM");
    const N183Msg noRadius = messageOf(withN183Checksum("$GPAAM,A,V,,N,WPT2"));
    EXPECT_EQ(noRadius.cellText(2, "Data"), "(null)");

    EXPECT_EQ(messageOf(withN183Checksum("$HEHDT,271.5,T")).cellText(0, "Data"), cp1252Degrees("271.5° True"));
    EXPECT_EQ(messageOf(withN183Checksum("$HEHDT,271.5,M")).cellText(0, "Data"), cp1252Degrees("271.5° Magnetic"));
    EXPECT_EQ(messageOf(withN183Checksum("$HCHDM,271.5,M")).cellText(0, "Data"), cp1252Degrees("271.5° Magnetic"));

    for (const N183Msg* message : {&vwr, &aam})
        for (std::uint32_t row = 0; row < message->rowCount(); ++row)
            EXPECT_EQ(message->cellText(row, "Units"), "") << row;
}

TEST(N183Msg, TitleRowsAndTableTexts)
{
    const N183Msg aam = messageOf("$GPAAM,A,V,0.10,N,WPT2*51");
    EXPECT_EQ(aam.titleRowCount(), 4u);
    EXPECT_EQ(aam.titleRow(0), "Formatter AAM");
    EXPECT_EQ(aam.titleRow(1), "Waypoint Arrival Alarm");
    EXPECT_EQ(aam.titleRow(2), "Length = 25");
    EXPECT_EQ(aam.titleRow(3), "Number of fields = 4");
    EXPECT_EQ(aam.titleRow(4), "Error in title row");
    EXPECT_EQ(aam.rowCount(), 4u) << "the unit letter N has no row of its own";
    EXPECT_EQ(aam.columnCount(), 4u);
    EXPECT_EQ(aam.rowHeader(2), "Field = 2");
    EXPECT_EQ(aam.rowHeader(0), "Field = 0");
    EXPECT_EQ(aam.columnName(0), "Field");
    EXPECT_EQ(aam.columnName(1), "Name");
    EXPECT_EQ(aam.columnName(2), "Data");
    EXPECT_EQ(aam.columnName(3), "Units");
    EXPECT_EQ(aam.columnName(4), "Error");
    EXPECT_EQ(shownRows(aam), (std::vector<std::string>{"1=A", "2=V", "3=0.10 NM", "5=WPT2"}));
    EXPECT_EQ(aam.cellText(2, "data"), "Column out of range") << "column names are exact";
    EXPECT_EQ(aam.cellText(2, ""), "Column out of range");
    EXPECT_EQ(aam.cellText(4, "Data"), "Row out of range");
    EXPECT_EQ(aam.cellText(0xFFFFFFFFu, "Field"), "Row out of range");
}

TEST(N183Msg, ListCellsByColumnId)
{
    const N183Msg gga = messageOf("$GPGGA,1,2,3*7F");
    EXPECT_EQ(gga.listText(ListColumn{"Talker", 7, ListColumnTalker}), "GP");
    EXPECT_EQ(gga.listText(ListColumn{"Formatter", 8, ListColumnFormatter}), "GGA");
    EXPECT_EQ(gga.listText(ListColumn{"Size", 8, ListColumnSize}), "15");
    EXPECT_EQ(gga.listText(ListColumn{"Data", 50, ListColumnData}), "1,2,3");
    EXPECT_EQ(gga.listText(ListColumn{"Name", 36, ListColumnName}), "") << "the list leaves the name out";
    for (std::uint32_t id : {0u, 1u, 2u, 5u, 6u, 7u, 10u, 11u, 12u, 13u, 99u})
        EXPECT_EQ(gga.listText(ListColumn{"", 0, id}), "") << id;

    std::vector<ListColumn> columns{{"Line", 8, ListColumnLine, true}};
    N183Msg::listColumns(columns);
    ASSERT_EQ(columns.size(), 6u) << "appended after what was there";
    const std::vector<std::tuple<std::string, std::uint32_t, std::uint32_t>> expected{
        {"Size", 8, 8}, {"Talker", 7, 3}, {"Formatter", 8, 4}, {"Name", 36, 5}, {"Data", 50, 9}};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(columns[i + 1].name, std::get<0>(expected[i]));
        EXPECT_EQ(columns[i + 1].width, std::get<1>(expected[i]));
        EXPECT_EQ(columns[i + 1].id, std::get<2>(expected[i]));
        EXPECT_TRUE(columns[i + 1].shown);
    }
}

TEST(N183Msg, DataTextCutsEachFieldAtOneHundredCharacters)
{
    const std::string longField(150, 'x');
    const N183Msg message = messageOf("$GPTXT,a," + longField + ",b");
    EXPECT_EQ(message.fieldText(1), longField) << "the field itself is whole";
    EXPECT_EQ(message.dataText(), "a," + std::string(100, 'x') + ",b");
}

TEST(N183Msg, RawIsTheBst9DMessage)
{
    const std::string text = "$HEHDT,231.4,T*2B..X";
    ASSERT_EQ(text.size(), 20u);
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
    EXPECT_EQ(rawBytes(messageOf("$" + std::string(250, 'a'))), (std::vector<std::uint8_t>{0x9D, 0}))
        << "251 characters do not fit a length byte's message";
    EXPECT_EQ(rawBytes(messageOf("$" + std::string(298, 'a'))), (std::vector<std::uint8_t>{0x9D, 0}));
    EXPECT_EQ(rawBytes(N183Msg()), (std::vector<std::uint8_t>{0x9D, 0}));
}

TEST(N183Msg, ConstructionTakesOneToTwoHundredNinetyNineBytes)
{
    const N183Msg timed = messageOf("$GPGGA,1", 123456);
    EXPECT_EQ(timed.timeWord(), 123456u) << "the buffer's time word";
    EXPECT_EQ(timed.textLength(), 8u);

    const N183Msg longest = messageOf("$GPGGA," + std::string(292, '1'));
    EXPECT_EQ(longest.textLength(), 299u);
    EXPECT_EQ(longest.name(), "Global Positioning System Fix Data");
    EXPECT_EQ(longest.fieldCount(), 1u);
    EXPECT_EQ(longest.fieldText(0), std::string(292, '1'));

    for (const std::string& text : {std::string(), "$GPGGA," + std::string(293, '1'), std::string(1000, '$')}) {
        const N183Msg empty = messageOf(text);
        EXPECT_EQ(empty.textLength(), 0u) << text.size();
        EXPECT_EQ(empty.text(), "");
        EXPECT_EQ(empty.talker(), "");
        EXPECT_EQ(empty.formatter(), "");
        EXPECT_EQ(empty.name(), "No name available");
        EXPECT_EQ(empty.fieldCount(), 0u);
        EXPECT_EQ(empty.rowCount(), 0u);
        EXPECT_EQ(empty.titleRow(2), "Length = 0");
        EXPECT_EQ(empty.key(), "_");
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

TEST(N183Msg, TextsThatAreNoSentenceOrAreCutShort)
{
    struct Case {
        std::string text;
        std::string talker;
        std::string formatter;
        std::uint32_t fields;
    };
    const Case cases[] = {
        {"hello", "", "", 0},
        {"GPGGA,1,2", "", "", 0},
        {"$", "", "", 0},
        {"!", "", "", 0},
        {"$P", "P", "", 0},
        {"$G", "G", "", 0},
        {"$GP", "GP", "", 0},
        {"$GP,", "GP", "", 1},          // an empty formatter, then one empty field
        {"$GPGGA*", "GP", "GGA", 0},
        {"$GPGGA,", "GP", "GGA", 1},     // one empty field
        {"$GPGGA,*", "GP", "GGA", 1},
        {"$GPGGA,1*2,3", "GP", "GGA", 1}, // nothing after the asterisk counts
        {",,,,", "", "", 0},
        {std::string("$GPGGA,1\0,2", 11), "GP", "GGA", 2},
    };
    for (const Case& c : cases) {
        const N183Msg message = messageOf(c.text);
        EXPECT_EQ(message.talker(), c.talker) << c.text;
        EXPECT_EQ(message.formatter(), c.formatter) << c.text;
        EXPECT_EQ(message.fieldCount(), c.fields) << c.text;
        EXPECT_EQ(message.textLength(), c.text.size()) << c.text;
        EXPECT_EQ(message.key(), c.talker + "_" + c.formatter);
    }
    const N183Msg unknown = messageOf("$GPXYZ,1,2");
    EXPECT_EQ(unknown.fieldCount(), 2u);
    EXPECT_EQ(unknown.definition(), nullptr);
    EXPECT_EQ(unknown.rowCount(), 0u) << "an unknown formatter has no field rows";
    EXPECT_EQ(unknown.titleRow(1), "No name available");
    EXPECT_EQ(unknown.titleRow(3), "Number of fields = 0");
    EXPECT_EQ(unknown.cellText(0, "Field"), "Row out of range");
    EXPECT_EQ(messageOf("$GPgga,1").definition(), nullptr) << "formatters are upper case";
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
        EXPECT_EQ(shownRows(*message), (std::vector<std::string>{"1=A", "2=V", "3=0.10 NM", "5=WPT2"}))
            << "the fields read the copy's own text";
    }
    EXPECT_EQ(assigned.titleRow(0), "Formatter AAM");

    N183Msg self = messageOf("$GPGGA,1,2,3");
    const N183Msg& alias = self;
    self = alias;
    EXPECT_EQ(self.dataText(), "1,2,3");
}

