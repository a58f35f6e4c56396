#include "messages/BemDataTypes.h"
#include "messages/BemDictionary.h"
#include "n2k/ReservedFields.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

using namespace KelpLib;

namespace {

// The switch is process-wide; every test leaves it off.
class BemDictionaryHidden : public ::testing::Test {
protected:
    void TearDown() override { StandardsLib::reservedFieldsHidden = false; }
};

// A record's fields as "type/width", space-separated.
std::string layout(std::uint32_t key, std::uint32_t subKey = 1)
{
    const BemDictEntry* e = findBemDictEntry(key, subKey);
    std::string out;
    for (std::uint32_t f = 0; e && f < e->fieldCount; ++f) {
        const BemFieldDef& d = e->fields[f];
        out += (f ? " " : "") + std::to_string(d.type) + "/" + std::to_string(d.width);
    }
    return out;
}

} // namespace

TEST(BemDataTypes, FortyNineRowsIndexedByKind)
{
    EXPECT_EQ(bemDataTypeCount, 49u);
    for (std::uint32_t i = 0; i < bemDataTypeCount; ++i) {
        EXPECT_EQ(bemDataTypes()[i].kind, i);
        EXPECT_NE(bemDataTypes()[i].description, nullptr);
    }
    // An index past the table reads as the end marker.
    for (std::uint32_t index : {48u, 49u, 1000u})
        EXPECT_EQ(bemDataType(index).kind, BemEndMarker) << index;
    // Widths and signs are pinned by the value texts (BemValueText.EveryKindOfField).
}

TEST(BemDictionary, OneHundredFiftySortedRecordsWithWellFormedFields)
{
    ASSERT_EQ(bemDictionarySize(), 150u);
    const BemDictEntry* table = bemDictionary();
    for (std::uint32_t i = 0; i < bemDictionarySize(); ++i) {
        const BemDictEntry& e = table[i];
        SCOPED_TRACE(e.name);
        if (i > 0) {
            const BemDictEntry& before = table[i - 1];
            EXPECT_TRUE(before.key < e.key || (before.key == e.key && before.subKey < e.subKey));
        }
        EXPECT_EQ(std::strncmp(e.name, "dd", 2), 0);
        EXPECT_NE(e.description, nullptr);
        EXPECT_EQ(e.fieldCount == 0, e.fields == nullptr);
        for (std::uint32_t f = 0; f < e.fieldCount; ++f) {
            const BemFieldDef& field = e.fields[f];
            EXPECT_LT(field.type, BemEndMarker) << field.name;
            EXPECT_TRUE(field.name && *field.name);
            // A fixed-width kind takes exactly its type's width.
            if (const std::uint8_t typeWidth = bemDataType(field.type).width) {
                EXPECT_EQ(field.width, typeWidth) << field.name;
            }
            // A count field is followed by its whole group.
            if (field.groupSize) {
                EXPECT_LE(f + field.groupSize, e.fieldCount - 1) << field.name;
            }
            // A sized array needs the byte before it.
            if (field.type == BemSizedByteArray) {
                EXPECT_GT(f, 0u) << field.name;
            }
        }
        EXPECT_EQ(findBemDictEntry(e.key, e.subKey), &e);
    }
}

TEST(BemDictionary, EveryResponseFromA000ToA07AHasItsCommandTwin)
{
    std::set<std::uint32_t> keys;
    for (std::uint32_t i = 0; i < bemDictionarySize(); ++i) {
        const BemDictEntry& e = bemDictionary()[i];
        if (e.key < 0xA000 || e.key > 0xA07A || !keys.insert(e.key).second)
            continue;
        const BemDictEntry* twin = findBemDictEntry(e.key + 0x100, 1);
        ASSERT_NE(twin, nullptr) << e.name;
        EXPECT_EQ(std::string(twin->name), std::string(e.name) + "PG");
    }
    EXPECT_EQ(keys.size(), 44u);
}

// Every record is found by its own key (above); the sub-key is part of the key.
TEST(BemDictionary, KeysWithoutARecordAreNotFound)
{
    // Keys between and beyond the records.
    for (auto [key, subKey] : {std::pair{0xA010u, 0u}, {0xA041u, 6u}, {0xA0FFu, 1u}, {0u, 0u}, {0xFFFFFFFFu, 1u}})
        EXPECT_EQ(findBemDictEntry(key, subKey), nullptr) << key << "::" << subKey;
}

TEST(BemDictionary, TellingFieldLists)
{
    // A record no message table of BSTMsgTest shows (those pin theirs through the rendered rows).
    EXPECT_EQ(layout(0xA046), "35/4 8/1 17/4");
}

TEST_F(BemDictionaryHidden, EngineeringRecordsAreNotFoundWhileReservedFieldsAreHidden)
{
    const BemDictEntry* debug = findBemDictEntry(0xA200, 1);
    ASSERT_NE(debug, nullptr);
    EXPECT_EQ(debug->shown, 0);
    StandardsLib::reservedFieldsHidden = true;
    EXPECT_EQ(findBemDictEntry(0xA200, 1), nullptr);
    EXPECT_EQ(findBemDictEntry(0xA172, 1), nullptr);
    EXPECT_NE(findBemDictEntry(0xA010, 1), nullptr) << "shown records stay";
}
