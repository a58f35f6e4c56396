#include "n183/CN183Lib.h"
#include "n183/N183Codes.h"
#include "n183/N183FieldInfo.h"
#include "n183/N183FieldText.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

using namespace StandardsLib;
namespace T = N183DataType;

namespace {

std::string render(std::uint32_t type, std::uint32_t unit, std::string_view own, std::string_view next = "",
                   std::string_view after = "") {
    return renderN183Field(type, unit, {own, next, after});
}

class FakeSentence : public IN183FieldSource {
public:
    explicit FakeSentence(std::vector<std::string> texts) : fields(std::move(texts)) {}
    std::string_view fieldText(unsigned position) const override {
        return position < fields.size() ? std::string_view(fields[position]) : std::string_view();
    }

private:
    std::vector<std::string> fields;
};

const N183Field_s& definition(const char* formatter, unsigned index) {
    return findN183Sentence(n183FormatterKey(formatter))->fields[index];
}

struct UnitCase {
    std::uint32_t unit;
    const char* next;
    const char* expected;
};

} // namespace

TEST(N183FieldText, PositionsTimesDatesAngleAndShortTexts) {
    EXPECT_EQ(render(T::Latitude, 0, "5130.1234", "N"), "51\xB0 30.1234' N");
    EXPECT_EQ(render(T::Longitude, 0, "00130.5000", "W"), "001\xB0 30.5000' W");
    EXPECT_EQ(render(T::LatitudeMinutes, 0, "0.0", "N"), "0.0' N");
    EXPECT_EQ(render(T::LongitudeMinutes, 0, "1.5", "E"), "1.5' E");
    EXPECT_EQ(render(T::Time, 0, "123519.00"), "12:35:19.00");
    EXPECT_EQ(render(T::Time, 0, "094737"), "09:47:37");
    EXPECT_EQ(render(T::DateThreeFields, 0, "05", "12", "2026"), "05-12-2026");
    EXPECT_EQ(render(T::Date, 0, "051226"), "05-12-26");
    EXPECT_EQ(render(T::AngleWithDirection, 0, "1.3", "E"), "1.3\xB0 E");
    EXPECT_EQ(render(T::AngleWithSide, 0, "045.0", "L"), "045.0\xB0 Left");
    EXPECT_EQ(render(T::AngleWithSide, 0, "045.0", "R"), "045.0\xB0 Right");
    EXPECT_EQ(render(T::AngleWithSide, 0, "045.0", ""), "045.0\xB0 Right");
    EXPECT_EQ(render(T::SideLetter, 0, "L"), "Left");
    EXPECT_EQ(render(T::SideLetter, 0, "R"), "Right");
    EXPECT_EQ(render(T::SideLetter, 0, "X"), "(null)");
    EXPECT_EQ(render(T::SideLetter, 0, ""), "(null)");
    // Texts shorter than an insertion stand as they are.
    EXPECT_EQ(render(T::Latitude, 0, "5", "N"), "5");
    EXPECT_EQ(render(T::Latitude, 0, "51", "N"), "51\xB0 ' N");
    EXPECT_EQ(render(T::Longitude, 0, "00", "W"), "00");
    EXPECT_EQ(render(T::Time, 0, "123"), "123");
    EXPECT_EQ(render(T::Time, 0, "1235"), "12:35:");
    EXPECT_EQ(render(T::Date, 0, "0512"), "05-12-");
    EXPECT_EQ(render(T::Date, 0, "5"), "5");
}

TEST(N183FieldText, EmptyFieldsReadNullForEveryType) {
    for (std::uint32_t type = 1; type <= 54; ++type)
        for (std::uint32_t unit = 0; unit <= 35; ++unit)
            EXPECT_EQ(render(type, unit, "", "M", "x"), "(null)") << type << "/" << unit;
}

TEST(N183FieldText, UnitSuffixes) {
    // Every unit code with no letter after the value, then those that read the letter after it.
    std::vector<std::string> got;
    for (std::uint32_t unit = 0; unit <= 36; ++unit)
        got.push_back(render(T::Decimal, unit, "12.5"));
    got.push_back(render(T::Decimal, 1000, "12.5"));
    const std::vector<std::string> expected = {
        "12.5", "12.5\xB0", "12.5\xB0 Magnetic", "12.5\xB0 True", "12.5 \xB0" "C", "12.5 \xB0" "C Dew Point",
        "12.5 \xB0" "C Outside", "12.5 \xB0" "C Sea", "12.5\xB0/Minute", "12.5", "12.5 Fathoms", "12.5 Feet",
        "12.5 Inches", "12.5 Metres", "12.5 NM", "12.5", "12.5 Revs/Minute", "12.5", "12.5 Bar", "12.5 Inches Hg",
        "12.5 Pascals", "12.5 Knots", "12.5 Knots True", "12.5 KPH", "12.5 Metre/Sec", "12.5 Metre/Sec True",
        "12.5 MPH", "12.5\xB0 Theoretical/True", "12.5\xB0 Magnetic", "!! Undefined !!", "12.5\xB0 True",
        "12.5 Knots Magnetic", "12.5 Knots Relative", "12.5 KPH Relative", "12.5 Metre/Sec Relative",
        "12.5 Metre/Sec Magnetic", "12.5", "12.5"};
    EXPECT_EQ(got, expected);
    const UnitCase cases[] = {
        {28, "T", "12.5\xB0 Magnetic"}, {3, "T", "12.5\xB0 True"},   {3, "M", "12.5\xB0 Magnetic"},
        {30, "M", "12.5\xB0 Magnetic"}, {30, "T", "12.5\xB0 True"}, {27, "R", "12.5\xB0 Relative/Apparent"},
        {27, "T", "12.5\xB0 Theoretical/True"},
    };
    for (const UnitCase& c : cases)
        EXPECT_EQ(render(T::Decimal, c.unit, "12.5", c.next), c.expected) << "unit " << c.unit << c.next;
}

// "type/unit/companion/second companion=fields taken": positions and angles take their letter;
// a side letter only with a companion; degrees with a second companion; units that read a letter
// (2-7, 10-13, 18-35, and 14 but not for a distance without letter) take it when there is a companion.
TEST(N183FieldText, FieldsTakenByADefinition) {
    std::string got;
    for (const char* row : {"2/0/255/255", "3/0/255/255", "11/0/255/255", "18/0/255/255", "35/0/255/255",
                            "36/0/255/255", "54/0/4/255", "54/0/255/255", "6/1/255/3", "6/8/255/3", "6/1/3/255",
                            "6/8/3/255", "6/2/3/255", "6/7/3/255", "6/10/3/255", "6/13/3/255", "6/18/3/255",
                            "6/27/3/255", "6/35/3/255", "6/0/3/255", "6/9/3/255", "6/15/3/255", "6/16/3/255",
                            "6/17/3/255", "6/13/255/255", "6/14/3/255", "15/14/3/255", "13/0/255/255", "13/0/2/255"}) {
        N183Field_s f{};
        unsigned companion = 0;
        std::sscanf(row, "%u/%u/%u/%u", &f.dataType, &f.unitCode, &companion, &f.secondCompanionPosition);
        f.companionPosition = static_cast<std::uint8_t>(companion);
        got += std::to_string(n183FieldsTaken(f));
    }
    EXPECT_EQ(got, "11111110110011111110000001022");
}

TEST(N183FieldInfo, RendersItsOwnFieldWithTheFollowingOnes) {
    const FakeSentence aam({"A", "V", "0.10", "N", "WPT2"});
    const N183FieldInfo radius(&aam, 3, &definition("AAM", 2));
    EXPECT_EQ(radius.ordinalText() + "|" + radius.name() + "|" + radius.valueText() + "|" + radius.unitsText(),
              "3|Arrival Circle Radius|0.10 NM|");
    const FakeSentence vwr({"045.0", "L", "12.5", "N"});
    EXPECT_EQ(N183FieldInfo(&vwr, 1, &definition("VWR", 0)).valueText(), "045.0\xB0 Left");
    EXPECT_EQ(N183FieldInfo(&vwr, 3, &definition("VWR", 1)).valueText(), "12.5 Knots Relative");
    // The heading's reference comes from the next field.
    const FakeSentence magnetic({"271.5", "M"});
    EXPECT_EQ(N183FieldInfo(&magnetic, 1, &definition("HDT", 0)).valueText(), "271.5\xB0 Magnetic");
}

TEST(N183FieldInfo, MissingFieldsReadNull) {
    const FakeSentence shortSentence({"A"});
    EXPECT_EQ(N183FieldInfo(&shortSentence, 3, &definition("AAM", 2)).valueText(), "(null)"); // beyond the last field
    EXPECT_EQ(N183FieldInfo(nullptr, 1, &definition("AAM", 0)).valueText(), "(null)");
    EXPECT_EQ(N183FieldInfo(&shortSentence, 1, nullptr).name(), "");
}
