#include "messages/N183MsgText.h"

#include "support/N183Text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

using namespace KelpLib;
using ZrlTest::n183Record;
namespace Text = KelpLib::N183MsgText;

TEST(N183MsgText, TitleRowsAndTable) {
    const N183ParsedSentence aam(n183Record("$GPAAM,A,V,0.10,N,WPT2*51"));
    EXPECT_EQ(Text::titleRow(aam, 0), "Formatter AAM");
    EXPECT_EQ(Text::titleRow(aam, 1), "Waypoint Arrival Alarm");
    EXPECT_EQ(Text::titleRow(aam, 2), "Length = 25");
    EXPECT_EQ(Text::titleRow(aam, 3), "Number of fields = 4");
    EXPECT_EQ(Text::titleRow(aam, 4), "Error in title row");
    EXPECT_EQ(Text::rowHeader(2), "Field = 2");
    EXPECT_EQ(Text::columnName(0), "Field");
    EXPECT_EQ(Text::columnName(1), "Name");
    EXPECT_EQ(Text::columnName(2), "Data");
    EXPECT_EQ(Text::columnName(3), "Units");
    EXPECT_EQ(Text::columnName(4), "Error");
    EXPECT_EQ(Text::cellText(aam, 2, "Field"), "3");
    EXPECT_EQ(Text::cellText(aam, 2, "Name"), "Arrival Circle Radius");
    EXPECT_EQ(Text::cellText(aam, 2, "Data"), "0.10 NM");
    EXPECT_EQ(Text::cellText(aam, 2, "Units"), "");
    EXPECT_EQ(Text::cellText(aam, 3, "Field"), "5");
    EXPECT_EQ(Text::cellText(aam, 2, "data"), "Column out of range");
    EXPECT_EQ(Text::cellText(aam, 4, "Data"), "Row out of range");
}

TEST(N183MsgText, ListCellsAndKey) {
    const N183ParsedSentence gga(n183Record("$GPGGA,1,2,3*7F"));
    EXPECT_EQ(Text::listText(gga, 3), "GP");
    EXPECT_EQ(Text::listText(gga, 4), "GGA");
    EXPECT_EQ(Text::listText(gga, 8), "15");
    EXPECT_EQ(Text::listText(gga, 9), "1,2,3");
    for (unsigned id : {0u, 1u, 2u, 5u, 6u, 7u, 10u, 11u, 12u, 13u, 99u})
        EXPECT_EQ(Text::listText(gga, id), "") << id;
    EXPECT_EQ(Text::key(gga), "GP_GGA");
    EXPECT_EQ(Text::key(N183ParsedSentence(n183Record("$PXYZ,A"))), "P_XYZ");
}

TEST(N183MsgText, UnknownSentenceRendersWithoutFields) {
    const N183ParsedSentence unknown(n183Record("hello"));
    EXPECT_EQ(Text::titleRow(unknown, 0), "Formatter ");
    EXPECT_EQ(Text::titleRow(unknown, 1), "No name available");
    EXPECT_EQ(Text::titleRow(unknown, 3), "Number of fields = 0");
    EXPECT_EQ(Text::cellText(unknown, 0, "Field"), "Row out of range");
    EXPECT_EQ(Text::key(unknown), "_");
}

TEST(N183MsgText, Bst9DLayout) {
    const std::string twenty = "$GPHDT,231.4,T*2B.."; // 19 characters
    const std::string text = twenty + "X";
    ASSERT_EQ(text.size(), 20u);
    const auto bytes = Text::bst9D(n183Record(text));
    ASSERT_EQ(bytes.size(), 22u);
    EXPECT_EQ(bytes[0], 0x9D);
    EXPECT_EQ(bytes[1], 20);
    EXPECT_EQ(std::string(bytes.begin() + 2, bytes.end()), text);

    const auto at250 = Text::bst9D(n183Record(std::string(250, 'a')));
    EXPECT_EQ(at250.size(), 252u);
    EXPECT_EQ(at250[1], 250);
    const auto at251 = Text::bst9D(n183Record(std::string(251, 'a')));
    EXPECT_EQ(at251, (std::vector<std::uint8_t>{0x9D, 0}));
}
