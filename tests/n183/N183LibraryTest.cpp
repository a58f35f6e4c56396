#include "n183/CN183Lib.h"
#include "n183/N183FieldText.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

using namespace StandardsLib;

namespace {

const N183Sentence_s* lookup(const char* formatter) {
    return findN183Sentence(n183FormatterKey(formatter));
}

} // namespace

TEST(N183Library, HoldsTheSentencesInFormatterOrderWithTheirOwnIndex) {
    const auto table = n183Sentences();
    ASSERT_EQ(table.size(), 193u);
    EXPECT_STREQ(table.front().address, "GPAAM");
    EXPECT_STREQ(table.back().address, "GPZZU");
    for (std::size_t i = 0; i < table.size(); ++i) {
        EXPECT_EQ(table[i].index, i);
        EXPECT_EQ(std::strlen(table[i].address), 5u) << i;
        if (i > 0) {
            EXPECT_LT(std::strcmp(table[i - 1].address + 2, table[i].address + 2), 0) << table[i].address;
        }
    }
}

TEST(N183Library, EveryRowIsFoundByItsOwnFormatter) {
    for (const N183Sentence_s& row : n183Sentences())
        EXPECT_EQ(lookup(row.address + 2), &row) << row.address;
}

TEST(N183Library, UnknownFormattersAreNotFound) {
    // Formatters before, between and after the rows, and in lower case (every row: above).
    for (const char* formatter : {"XYZ", "aam", "", "AAA", "ZZZ"})
        EXPECT_EQ(lookup(formatter), nullptr) << formatter;
}

TEST(N183Library, KeyIsTheFirstFourFormatterBytesBigEndian) {
    EXPECT_EQ(n183FormatterKey("AAM"), 0x41414D00u);
    EXPECT_EQ(n183FormatterKey("GRME"), 0x47524D45u);
    EXPECT_EQ(n183FormatterKey("GRMEXYZ"), 0x47524D45u);
    EXPECT_EQ(n183FormatterKey(""), 0u);
}

TEST(N183Library, CarriedColumns) {
    // Field lists are present exactly when counted; five AIS and test sentences start with '!';
    // three sentences carry a conversion reference.
    for (const N183Sentence_s& row : n183Sentences()) {
        const std::string address = row.address;
        EXPECT_EQ(row.fields != nullptr, row.fieldCount > 0) << address;
        const bool bang = address == "AIABM" || address == "AIBBM" || address == "AIVDM" ||
                          address == "AIVDO" || address == "IITTD";
        EXPECT_EQ(row.startChar, bang ? '!' : '$') << address;
        const std::int32_t ref = address == "GPGRS" ? 101 : address == "WIVWR" ? 225 : address == "GPZFO" ? 242 : -1;
        EXPECT_EQ(row.conversionRef, ref) << address;
        EXPECT_TRUE(row.name && row.description && row.notes && row.category) << address;
    }
    EXPECT_STREQ(lookup("VWR")->notes, "The use of $--MWV is recommended.");
}

// The message lays definitions out by walking the sentence: each definition takes its own
// field and the companions n183FieldsTaken names. Outside repeating groups that walk must
// land every definition on its own position, or values would render from the wrong field.
TEST(N183Library, FieldLayoutsAgreeWithTheFieldWalk) {
    for (const N183Sentence_s& row : n183Sentences()) {
        bool inGroup = false;
        for (unsigned i = 0; i + 1 < row.fieldCount; ++i) {
            const N183Field_s& field = row.fields[i];
            EXPECT_NE(field.name, nullptr);
            if (field.companionPosition != kN183NoCompanion) {
                EXPECT_GT(field.companionPosition, field.position) << row.address << " field " << field.position;
            }
            if (field.groupSize != 0)
                inGroup = true;
            if (inGroup)
                continue;
            EXPECT_EQ(row.fields[i + 1].position, field.position + 1 + n183FieldsTaken(field))
                << row.address << " after position " << field.position;
        }
    }
}
