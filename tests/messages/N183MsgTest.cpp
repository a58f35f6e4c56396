#include "messages/N183Msg.h"

#include "messages/KorvBuf.h"
#include "messages/N183ParsedSentence.h"
#include "n183/CN183Lib.h"
#include "support/N183Text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

using namespace KelpLib;
using ZrlTest::cp1252Degrees;
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

// The message's field table: "Field=Data" for every row, joined by '|'.
std::string shownFields(const N183Msg& s)
{
    std::string out;
    for (std::uint32_t row = 0; row < s.rowCount(); ++row)
        out += (row ? "|" : "") + s.cellText(row, "Field") + "=" + s.cellText(row, "Data");
    return out;
}

std::vector<std::uint8_t> rawBytes(const N183Msg& message)
{
    const std::shared_ptr<KorvBuf> raw = message.raw();
    return std::vector<std::uint8_t>(raw->data(), raw->data() + raw->length());
}

// Realistic sentences whose layouts take every kind of field text (positions, times, dates,
// angles with reference, side or direction, each unit, empty fields, repeating groups), with
// the exact text of every field the layout shows ("ordinal=value", in list order).
struct SentenceCase {
    const char* sentence;
    const char* fields;
};

const SentenceCase kCases[] = {
    {"$GPAAM,A,V,0.10,N,WPT2", "1=A|2=V|3=0.10 NM|5=WPT2"},
    {"$GPAPB,A,A,0.12,R,N,V,V,045.0,T,WPT2,046.5,T,047.0,T,A",
     "1=A|2=A|3=0.12 NM|4=Right|6=V|7=V|8=045.0° True|10=WPT2|11=046.5° True|13=047.0° True|15=A"},
    {"$GPBWC,094512.00,5233.4000,N,00448.2000,E,315.2,T,313.9,M,3.1,N,WPT2,A",
     "1=09:45:12.00|2=52° 33.4000' N|4=004° 48.2000' E|6=315.2° True|8=313.9° Magnetic|10=3.1 NM|12=WPT2|13=A"},
    {"$SDDBS,11.2,f,3.4,M,1.9,F", "1=11.2 Feet|3=3.4 Metres|5=1.9 Fathoms"},
    {"$GPGGA,094512.00,5231.1245,N,00452.6789,E,1,09,0.9,2.4,M,46.9,M,,",
     "1=09:45:12.00|2=52° 31.1245' N|4=004° 52.6789' E|6=1|7=09|8=0.9|9=2.4 Metres|11=46.9 Metres|13=(null)|14=(null)"},
    {"$GPGSV,3,3,10,25,38,178,44,29,12,045,",
     "1=3|2=3|3=10|4=25|5=38°|6=178° True|7=44|8=29|9=12°|10=045° True|11=(null)|12=(null)"},
    {"$HCHDG,231.5,0.0,E,1.3,W", "1=231.5°|2=0.0° E|4=1.3° W"},
    {"$WIMDA,30.0512,I,1.0177,B,18.3,C,,C,72.5,,13.3,C,243.1,T,245.6,M,9.2,N,4.7,M",
     "1=30.0512 Inches Hg|3=1.0177 Bar|5=18.3 °C Outside|7=(null)|9=72.5|10=(null)|11=13.3 °C Dew Point|"
     "13=243.1° True|15=245.6° Magnetic|17=9.2 Knots|19=4.7 Metre/Sec"},
    {"$YXMTW,18.6,C", "1=18.6 °C Sea"},
    {"$WIMWV,045.0,R,12.5,N,A", "1=045.0° Relative/Apparent|3=12.5|4=N|5=A"},
    {"$GPRMC,094512.00,A,5231.1245,N,00452.6789,E,5.4,231.0,200818,1.3,E,A",
     "1=09:45:12.00|2=A|3=52° 31.1245' N|5=004° 52.6789' E|7=5.4 Knots|8=231.0° True|9=20-08-18|10=1.3° E|12=A|"
     "13=(null)"},
    {"$HEROT,-12.5,A", "1=-12.5°/Minute|2=A"},
    {"$ERRPM,E,1,2200.0,,A", "1=E|2=1|3=2200.0 Revs/Minute|4=(null)|5=A"},
    {"$IIVWR,045.0,L,12.5,N,6.4,M,23.2,K",
     "1=045.0° Left|3=12.5 Knots Relative|5=6.4 Metre/Sec Relative|7=23.2 KPH Relative"},
    {"$IIVWT,062.0,R,9.8,N,5.0,M,18.1,K", "1=062.0° Right|3=9.8 Knots True|5=5.0 Metre/Sec True|7=18.1 KPH"},
    {"$GPZDA,094512.00,20,08,2018,00,00", "1=09:45:12.00|2=20-08-2018|5=00|6=00"},
};

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
        {"$PXYZ,A", "P|XYZ|[A]"},
        {"!AIVDM,1,1,,A,abc,0*26", "AI|VDM|[1][1][][A][abc][0]"},
        {"$GPABCDEFGHIJ,1", "GP|ABCDEFG|[1]"}, // a formatter keeps seven characters
        {"$GPHDT,231.4,T*2", "GP|HDT|[231.4][T]"},
        {"$GPGGA", "GP|GGA|"},
        {"$GPGGA,", "GP|GGA|[]"},
        {"$GPGGA,*", "GP|GGA|[]"},
        {"$GPGGA,1*2,3", "GP|GGA|[1]"},
        {"$GP,", "GP||[]"}, // an empty formatter, then one empty field
        {"$GP", "GP||"},
        {"$G", "G||"},
        {"$", "||"},
        {"!", "||"},
        {"", "||"},
        {"hello", "||"},
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
    EXPECT_EQ(gga.dataText(), "1,2,3");
    EXPECT_EQ(gga.name(), "Global Positioning System Fix Data");
    EXPECT_EQ(gga.text(), "$GPGGA,1,2,3*7F") << "the record keeps the sentence as received";
    EXPECT_EQ(gga.fieldText(3), "") << "beyond the field count";

    const N183Msg vdm = messageOf("!AIVDM,1,1,,A,abc,0*26");
    EXPECT_EQ(vdm.view().startChar, '!');
    EXPECT_EQ(vdm.dataText(), "1,1,,A,abc,0");

    // Unknown and proprietary formatters have fields but no field rows.
    for (const char* text : {"$PXYZ,A", "$GPXYZ,1,2"}) {
        const N183Msg unknown = messageOf(text);
        EXPECT_EQ(unknown.definition(), nullptr);
        EXPECT_EQ(unknown.name(), "No name available");
        EXPECT_EQ(unknown.rowCount(), 0u);
        EXPECT_EQ(unknown.titleRow(3), "Number of fields = 0");
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
    EXPECT_EQ(shownFields(aam), "1=A|2=V|3=0.10 NM|5=WPT2");
    EXPECT_EQ(aam.columnCount(), 4u);
    EXPECT_EQ(aam.columnName(0) + aam.columnName(1) + aam.columnName(2) + aam.columnName(3) + aam.columnName(4),
              "FieldNameDataUnitsError");
    EXPECT_EQ(aam.rowHeader(2), "Field = 2");
    EXPECT_EQ(aam.cellText(2, "data"), "Column out of range") << "column names are exact";
    EXPECT_EQ(aam.cellText(4, "Data"), "Row out of range");
    EXPECT_EQ(aam.cellText(0xFFFFFFFFu, "Field"), "Row out of range");
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
        EXPECT_EQ(shownFields(*message), "1=A|2=V|3=0.10 NM|5=WPT2")
            << "the fields read the copy's own text";
    }

    N183Msg self = messageOf("$GPGGA,1,2,3");
    const N183Msg& alias = self;
    self = alias;
    EXPECT_EQ(self.dataText(), "1,2,3");
}

TEST(N183SentenceFields, SentencesRenderEveryKindOfField)
{
    for (const SentenceCase& c : kCases) {
        const N183Msg s(n183Record(withN183Checksum(c.sentence)));
        ASSERT_NE(s.definition(), nullptr) << c.sentence;
        EXPECT_EQ(shownFields(s), cp1252Degrees(c.fields)) << c.sentence;
    }
    // A known formatter without fields still lays its definitions out, all empty.
    EXPECT_EQ(shownFields(N183Msg(n183Record("$GPGGA"))),
              "1=(null)|2=(null)|4=(null)|6=(null)|7=(null)|8=(null)|9=(null)|11=(null)|13=(null)|14=(null)");
}

TEST(N183SentenceFields, RepeatingGroupsFollowTheSentence)
{
    // A full GSV sentence with the signal ID after four satellites; names repeat with the group.
    const N183Msg gsv(n183Record("$GPGSV,3,1,10,02,45,120,40,05,30,200,38,12,60,300,45,15,10,050,30,1"));
    EXPECT_EQ(shownFields(gsv), cp1252Degrees("1=3|2=1|3=10|4=02|5=45°|6=120° True|7=40|8=05|9=30°|10=200° True|"
                                              "11=38|12=12|13=60°|14=300° True|15=45|16=15|17=10°|18=050° True|"
                                              "19=30|20=1"));
    EXPECT_EQ(gsv.fieldInfos()[3].name(), "Satellite ID");
    EXPECT_EQ(gsv.fieldInfos()[7].name(), "Satellite ID");

    // A route without waypoints still shows the waypoint definition once, empty.
    EXPECT_EQ(shownFields(N183Msg(n183Record("$GPRTE,1,1,c,0"))), "1=1|2=1|3=c|4=0|5=(null)");

    // A transducer sentence longer than its repeat limit stops at six groups.
    std::string xdr = "$IIXDR";
    for (int i = 0; i < 6; ++i)
        xdr += ",C,1" + std::to_string(i) + ",C,T" + std::to_string(i);
    xdr += ",P,1.0,B";
    const N183Msg transducers(n183Record(xdr));
    EXPECT_EQ(transducers.fieldCount(), 25u);
    EXPECT_EQ(transducers.fieldInfos().size(), 24u);
    EXPECT_EQ(transducers.fieldInfos().back().valueText(), "T5");
}

TEST(N183SentenceFields, ParsedSentenceRefusesARecordOfThreeHundredCharacters)
{
    N183SentenceRecord tooLong;
    std::memset(tooLong.text, 'x', sizeof tooLong.text);
    tooLong.text[0] = '$';
    tooLong.length = 300;
    const N183ParsedSentence refused(tooLong);
    EXPECT_EQ(refused.formatter(), "");
    EXPECT_EQ(refused.fieldCount(), 0u);
    EXPECT_EQ(refused.view().length, 0u);
}
