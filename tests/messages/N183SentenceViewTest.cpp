#include "messages/N183ParsedSentence.h"
#include "messages/N183SentenceView.h"

#include "support/N183Text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

using namespace KelpLib;
using ZrlTest::n183Record;

namespace {

std::string fieldsOf(const N183ParsedSentence& s) {
    std::string out;
    for (unsigned i = 0; i < s.fieldCount(); ++i)
        out += "[" + std::string(s.fieldText(i)) + "]";
    return out;
}

} // namespace

TEST(N183SentenceView, HeaderAndFields) {
    const N183ParsedSentence gga(n183Record("$GPGGA,1,2,3*7F"));
    EXPECT_EQ(gga.talker(), "GP");
    EXPECT_EQ(gga.formatter(), "GGA");
    EXPECT_EQ(gga.view().startChar, '$');
    EXPECT_EQ(fieldsOf(gga), "[1][2][3]");
    EXPECT_EQ(gga.dataText(), "1,2,3");
    EXPECT_EQ(gga.name(), "Global Positioning System Fix Data");

    const N183ParsedSentence proprietary(n183Record("$PXYZ,A"));
    EXPECT_EQ(proprietary.talker(), "P");
    EXPECT_EQ(proprietary.formatter(), "XYZ");
    EXPECT_EQ(fieldsOf(proprietary), "[A]");
    EXPECT_EQ(proprietary.name(), "No name available");
    EXPECT_TRUE(proprietary.fieldInfos().empty());

    const N183ParsedSentence vdm(n183Record("!AIVDM,1,1,,A,abc,0*26"));
    EXPECT_EQ(vdm.view().startChar, '!');
    EXPECT_EQ(vdm.fieldCount(), 6u);
    EXPECT_EQ(fieldsOf(vdm), "[1][1][][A][abc][0]");
    EXPECT_EQ(vdm.name(), "AIS VHF Datalink Message");
}

TEST(N183SentenceView, FormatterKeepsSevenCharactersAndNeedsACommaForFields) {
    const N183ParsedSentence longFormatter(n183Record("$GPABCDEFGHIJ,1"));
    EXPECT_EQ(longFormatter.formatter(), "ABCDEFG");
    EXPECT_EQ(fieldsOf(longFormatter), "[1]");
    const N183ParsedSentence noComma(n183Record("$GPGGA*7F"));
    EXPECT_EQ(noComma.formatter(), "GGA");
    EXPECT_EQ(noComma.fieldCount(), 0u);
    const N183ParsedSentence bare(n183Record("$GPGGA"));
    EXPECT_EQ(bare.formatter(), "GGA");
    EXPECT_EQ(bare.fieldCount(), 0u);
    // A known formatter without fields still lays its definitions out, all empty.
    ASSERT_EQ(bare.fieldInfos().size(), 10u);
    for (const auto& info : bare.fieldInfos())
        EXPECT_EQ(info.valueText(), "(null)");
    const N183ParsedSentence trailingComma(n183Record("$GPGGA,"));
    EXPECT_EQ(fieldsOf(trailingComma), "[]");
    EXPECT_EQ(trailingComma.fieldText(1), "");
}

TEST(N183SentenceView, MalformedInput) {
    const N183ParsedSentence noStart(n183Record("GPGGA,1,2"));
    EXPECT_EQ(noStart.talker(), "");
    EXPECT_EQ(noStart.formatter(), "");
    EXPECT_EQ(noStart.fieldCount(), 0u);
    EXPECT_EQ(noStart.name(), "No name available");

    const N183ParsedSentence noChecksum(n183Record("$GPHDT,231.4,T"));
    EXPECT_EQ(fieldsOf(noChecksum), "[231.4][T]");

    const N183ParsedSentence lowerCase(n183Record("$GPHDT,231.4,T*2b"));
    EXPECT_EQ(fieldsOf(lowerCase), "[231.4][T]");

    const N183ParsedSentence oneDigit(n183Record("$GPHDT,231.4,T*2"));
    EXPECT_EQ(fieldsOf(oneDigit), "[231.4][T]");

    const N183ParsedSentence tiny(n183Record("$"));
    EXPECT_EQ(tiny.talker(), "");
    EXPECT_EQ(tiny.formatter(), "");
    const N183ParsedSentence twoChars(n183Record("$G"));
    EXPECT_EQ(twoChars.talker(), "G");
    const N183ParsedSentence empty(n183Record(""));
    EXPECT_EQ(empty.fieldCount(), 0u);
}

TEST(N183SentenceView, ThirtyFieldsRecordTwentyFive) {
    std::string text = "$GPXXX";
    for (int i = 0; i < 30; ++i)
        text += "," + std::to_string(i);
    const N183ParsedSentence s(n183Record(text));
    ASSERT_EQ(s.fieldCount(), 25u);
    EXPECT_EQ(s.fieldText(24), "24");
    EXPECT_EQ(s.fieldText(25), "");
    EXPECT_EQ(s.dataText().substr(s.dataText().size() - 5), "23,24");
}

TEST(N183SentenceView, EmbeddedNulEndsItsField) {
    const std::string text("$GPHDT,23\0.4,T", 14);
    const N183ParsedSentence s(n183Record(text));
    ASSERT_EQ(s.fieldCount(), 2u);
    EXPECT_EQ(s.fieldText(0), "23");
    EXPECT_EQ(s.fieldText(1), "T");
    const std::string nulFormatter("$GPH\0T,1", 8);
    EXPECT_EQ(N183ParsedSentence(n183Record(nulFormatter)).name(), "No name available");
}

TEST(N183SentenceView, LongSentencesStayInsideTheirText) {
    // 299 characters: fields start beyond index 255.
    std::string text = "$GPXXX," + std::string(260, 'a') + ",b,c";
    text += std::string(299 - text.size(), 'z');
    ASSERT_EQ(text.size(), 299u);
    const N183ParsedSentence s(n183Record(text));
    ASSERT_EQ(s.fieldCount(), 3u);
    EXPECT_EQ(s.fieldText(0).size(), 260u);
    EXPECT_EQ(s.fieldText(1), "b");
    EXPECT_EQ(s.fieldText(2).substr(0, 2), "cz");
    EXPECT_EQ(s.fieldText(2).size(), 299u - 270u);
    // Each field appears with at most 100 characters in the data text.
    EXPECT_EQ(s.dataText(), std::string(100, 'a') + ",b," + std::string(s.fieldText(2)));

    N183SentenceRecord tooLong;
    std::memset(tooLong.text, 'x', sizeof tooLong.text);
    tooLong.text[0] = '$';
    tooLong.length = 300;
    const N183ParsedSentence refused(tooLong);
    EXPECT_EQ(refused.formatter(), "");
    EXPECT_EQ(refused.fieldCount(), 0u);
    EXPECT_EQ(refused.view().length, 0u);
}
