// One realistic sentence for every sentence of the library that has a field layout, with
// the exact text of every field the layout shows ("ordinal=value", in list order).

#include "messages/N183Msg.h"
#include "messages/N183ParsedSentence.h"
#include "n183/CN183Lib.h"
#include "support/N183Text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

using namespace KelpLib;
using ZrlTest::n183Record;
using ZrlTest::cp1252Degrees;
using ZrlTest::withN183Checksum;

namespace {

// A sentence and its field table, "ordinal=value" rows joined by '|'.
struct SentenceCase {
    const char* sentence;
    const char* fields;
};

const SentenceCase kCases[] = {
    {"$GPAAM,A,V,0.10,N,WPT2", "1=A|2=V|3=0.10 NM|5=WPT2"},
    {"$GPAPB,A,A,0.12,R,N,V,V,045.0,T,WPT2,046.5,T,047.0,T,A",
     "1=A|2=A|3=0.12 NM|4=Right|6=V|7=V|8=045.0° True|10=WPT2|11=046.5° True|13=047.0° True|15=A"},
    {"$GPBOD,315.0,T,313.7,M,WPT2,WPT1", "1=315.0° True|3=313.7° Magnetic|5=WPT2|6=WPT1"},
    {"$GPBWC,094512.00,5233.4000,N,00448.2000,E,315.2,T,313.9,M,3.1,N,WPT2,A",
     "1=09:45:12.00|2=52° 33.4000' N|4=004° 48.2000' E|6=315.2° True|8=313.9° Magnetic|10=3.1 NM|12=WPT2|"
     "13=A"},
    {"$GPBWR,094512.00,5233.4000,S,00448.2000,W,315.4,T,314.1,M,3.1,N,WPT2,A",
     "1=09:45:12.00|2=52° 33.4000' S|4=004° 48.2000' W|6=315.4° True|8=314.1° Magnetic|10=3.1 NM|12=WPT2|"
     "13=A"},
    {"$SDDBK,4.6,f,1.4,M,0.8,F", "1=4.6 Feet|3=1.4 Metres|5=0.8 Fathoms"},
    {"$SDDBS,11.2,f,3.4,M,1.9,F", "1=11.2 Feet|3=3.4 Metres|5=1.9 Fathoms"},
    {"$SDDBT,,f,22.5,M,,F", "1=(null)|3=22.5 Metres|5=(null)"},
    {"$SDDPT,12.4,0.5,100", "1=12.4 Metres|2=0.5 Metres|3=100 Metres"},
    {"$GPGGA,094512.00,5231.1245,N,00452.6789,E,1,09,0.9,2.4,M,46.9,M,,",
     "1=09:45:12.00|2=52° 31.1245' N|4=004° 52.6789' E|6=1|7=09|8=0.9|9=2.4 Metres|11=46.9 Metres|"
     "13=(null)|14=(null)"},
    {"$GPGLL,5231.1245,N,00452.6789,E,094512.00,A,A", "1=52° 31.1245' N|3=004° 52.6789' E|5=09:45:12.00|6=A|7=A"},
    {"$GNGNS,094512.00,5231.1245,N,00452.6789,E,AANN,14,0.8,2.4,46.9,,,V",
     "1=09:45:12.00|2=52° 31.1245' N|4=004° 52.6789' E|6=AANN|7=14|8=0.8|9=2.4 Metres|10=46.9 Metres|"
     "11=(null)|12=(null)|13=V"},
    {"$GNGSA,A,3,65,66,74,75,,,,,,,,,1.52,0.91,1.22,2",
     "1=A|2=3|3=65|4=66|5=74|6=75|7=(null)|8=(null)|9=(null)|10=(null)|11=(null)|12=(null)|13=(null)|"
     "14=(null)|15=1.52|16=0.91|17=1.22|18=2"},
    {"$GPGST,094512.00,1.2,0.9,0.6,35.2,0.8,0.7,1.5",
     "1=09:45:12.00|2=1.2 Metres|3=0.9 Metres|4=0.6 Metres|5=35.2° True|6=0.8 Metres|7=0.7 Metres|"
     "8=1.5 Metres"},
    {"$GPGSV,3,3,10,25,38,178,44,29,12,045,",
     "1=3|2=3|3=10|4=25|5=38°|6=178° True|7=44|8=29|9=12°|10=045° True|11=(null)|12=(null)"},
    {"$HCHDG,231.5,0.0,E,1.3,W", "1=231.5°|2=0.0° E|4=1.3° W"},
    {"$HCHDM,230.2,M", "1=230.2° Magnetic"},
    {"$HEHDT,231.4,T", "1=231.4° True"},
    {"$APHSC,231.0,T,229.7,M", "1=231.0° True|3=229.7° Magnetic"},
    {"$WIMDA,30.0512,I,1.0177,B,18.3,C,,C,72.5,,13.3,C,243.1,T,245.6,M,9.2,N,4.7,M",
     "1=30.0512 Inches Hg|3=1.0177 Bar|5=18.3 °C Outside|7=(null)|9=72.5|10=(null)|11=13.3 °C Dew Point|"
     "13=243.1° True|15=245.6° Magnetic|17=9.2 Knots|19=4.7 Metre/Sec"},
    {"$WIMHU,72.5,,13.3,C", "1=72.5|2=(null)|3=13.3 °C Dew Point"},
    {"$WIMMB,30.0512,I,1.0177,B", "1=30.0512 Inches Hg|3=1.0177 Bar"},
    {"$WIMTA,18.3,C", "1=18.3 °C Outside"},
    {"$YXMTW,18.6,C", "1=18.6 °C Sea"},
    {"$WIMWD,328.2,T,326.9,M,11.2,N,5.8,M", "1=328.2° True|3=326.9° Magnetic|5=11.2 Knots|7=5.8 Metre/Sec"},
    {"$WIMWV,045.0,R,12.5,N,A", "1=045.0° Relative/Apparent|3=12.5|4=N|5=A"},
    {"$GPRMB,A,0.12,R,WPT1,WPT2,5233.4000,N,00448.2000,E,3.1,315.2,4.9,V,A",
     "1=A|2=0.12 NM|3=Right|4=WPT1|5=WPT2|6=52° 33.4000' N|8=004° 48.2000' E|10=3.1 NM|11=315.2° True|"
     "12=4.9 Knots|13=V|14=A"},
    {"$GPRMC,094512.00,A,5231.1245,N,00452.6789,E,5.4,231.0,200818,1.3,E,A",
     "1=09:45:12.00|2=A|3=52° 31.1245' N|5=004° 52.6789' E|7=5.4 Knots|8=231.0° True|9=20-08-18|10=1.3° E|"
     "12=A|13=(null)"},
    {"$HEROT,-12.5,A", "1=-12.5°/Minute|2=A"},
    {"$ERRPM,E,1,2200.0,,A", "1=E|2=1|3=2200.0 Revs/Minute|4=(null)|5=A"},
    {"$RIRSA,-3.5,A,,V", "1=-3.5°|2=A|3=(null)|4=V"},
    {"$GPRTE,2,1,c,0,WPT1,WPT2,WPT3", "1=2|2=1|3=c|4=0|5=WPT1|6=WPT2|7=WPT3"},
    {"$GNTHS,231.4,A", "1=231.4°|2=A"},
    {"$RATLL,01,5023.3500,N,00412.4500,W,TARGET1,124533.00,T,",
     "1=01|2=50° 23.3500' N|4=004° 12.4500' W|6=TARGET1|7=12:45:33.00|8=T|9=(null)"},
    {"$RATTM,05,2.10,045.3,T,7.5,120.0,T,0.13,12.4,N,TGT05,T,,094512.00,A",
     "1=05|2=2.10|3=045.3°|4=T|5=7.5|6=120.0°|7=T|8=0.13|9=12.4|10=N|11=TGT05|12=T|13=(null)|"
     "14=09:45:12.00|15=A"},
    {"$VDVBW,6.2,-0.1,A,6.5,0.2,A,,V,,V",
     "1=6.2 Knots|2=-0.1 Knots|3=A|4=6.5 Knots|5=0.2 Knots|6=A|7=(null)|8=V|9=(null)|10=V"},
    {"$IIVDR,121.0,T,126.5,M,0.8,N", "1=121.0° True|3=126.5° Magnetic|5=0.8 Knots"},
    {"$VWVHW,228.4,T,227.1,M,6.1,N,11.3,K", "1=228.4° True|3=227.1° Magnetic|5=6.1 Knots|7=11.3 KPH"},
    {"$VWVLW,1520.3,N,12.7,N,1498.1,N,12.5,N", "1=1520.3 NM|3=12.7 NM|5=1498.1 NM|7=12.5 NM"},
    {"$GPVTG,231.0,T,229.7,M,5.4,N,10.0,K,A", "1=231.0° True|3=229.7° Magnetic|5=5.4 Knots|7=10.0 KPH|9=A"},
    {"$IIVWR,045.0,L,12.5,N,6.4,M,23.2,K",
     "1=045.0° Left|3=12.5 Knots Relative|5=6.4 Metre/Sec Relative|7=23.2 KPH Relative"},
    {"$IIVWT,062.0,R,9.8,N,5.0,M,18.1,K", "1=062.0° Right|3=9.8 Knots True|5=5.0 Metre/Sec True|7=18.1 KPH"},
    {"$GPWPL,4917.16,N,12310.64,W,WPT2", "1=49° 17.16' N|3=123° 10.64' W|5=WPT2"},
    {"$IIXDR,P,1.0177,B,Baro,C,18.3,C,Air,A,-2.9,D,Heel",
     "1=P|2=1.0177|3=B|4=Baro|5=C|6=18.3|7=C|8=Air|9=A|10=-2.9|11=D|12=Heel"},
    {"$GPXTE,A,A,0.67,L,N,A", "1=A|2=A|3=0.67 NM|4=Left|6=A"},
    {"$GPZDA,094512.00,20,08,2018,00,00", "1=09:45:12.00|2=20-08-2018|5=00|6=00"},
    {"$GPZTG,094512.00,003512.00,WPT2", "1=09:45:12.00|2=00:35:12.00|3=WPT2"},
};

// The message's field table: "Field=Data" for every row, joined by '|'.
std::string shownFields(const N183Msg& s)
{
    std::string out;
    for (std::uint32_t row = 0; row < s.rowCount(); ++row)
        out += (row ? "|" : "") + s.cellText(row, "Field") + "=" + s.cellText(row, "Data");
    return out;
}

} // namespace

TEST(N183SentenceFields, EveryDefinedSentenceRendersAllItsFields)
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

TEST(N183SentenceFields, TheCasesCoverEveryDefinedSentence)
{
    std::set<std::string> covered;
    for (const SentenceCase& c : kCases)
        covered.insert(std::string(c.sentence + 3, 3));
    for (const auto& row : StandardsLib::n183Sentences())
        if (row.fieldCount > 0) {
            EXPECT_EQ(covered.count(row.address + 2), 1u) << row.address;
        }
    EXPECT_EQ(covered.size(), 47u);
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
