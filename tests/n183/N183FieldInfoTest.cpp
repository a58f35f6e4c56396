#include "n183/CN183Lib.h"
#include "n183/N183FieldInfo.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace StandardsLib;

namespace {

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

} // namespace

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

TEST(N183FieldInfo, UnitsShownFlagAndMissingFields) {
    const FakeSentence shortSentence({"A"});
    N183FieldInfo info(&shortSentence, 3, &definition("AAM", 2));
    EXPECT_FALSE(info.unitsShown());
    EXPECT_TRUE(info.setUnitsShown(true));
    EXPECT_TRUE(info.unitsShown());
    EXPECT_FALSE(info.setUnitsShown(false));
    EXPECT_EQ(info.valueText(), "(null)"); // beyond the last field
    EXPECT_EQ(N183FieldInfo(nullptr, 1, &definition("AAM", 0)).valueText(), "(null)");
    EXPECT_EQ(N183FieldInfo(&shortSentence, 1, nullptr).name(), "");
}
