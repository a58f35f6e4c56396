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

// A record's fields as "type/width" (and "+group" for a count field), space-separated.
std::string layout(std::uint32_t key, std::uint32_t subKey = 1)
{
    const BemDictEntry* e = findBemDictEntry(key, subKey);
    std::string out;
    for (std::uint32_t f = 0; e && f < e->fieldCount; ++f) {
        const BemFieldDef& d = e->fields[f];
        out += (f ? " " : "") + std::to_string(d.type) + "/" + std::to_string(d.width);
        if (d.groupSize)
            out += "+" + std::to_string(d.groupSize);
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
    // Widths, exponents and signs the value texts depend on.
    for (auto [kind, width] : {std::pair{BemU16, 2}, {BemPgn24, 3}, {BemUniqueId, 12}, {BemTime100ps, 8}})
        EXPECT_EQ(bemDataType(kind).width, width) << kind;
    EXPECT_EQ(bemDataType(BemVersion2).exponent, -2);
    EXPECT_EQ(bemDataType(BemVersion3).exponent, -3);
    for (std::uint32_t kind : {BemI8, BemI16, BemI32, BemI64})
        EXPECT_EQ(bemDataType(kind).isSigned, 1) << kind;
    EXPECT_EQ(bemDataType(BemU64).isSigned, 0);
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

// First and last records of each id family (the BST message tables name further records).
TEST(BemDictionary, KeysAndNames)
{
    struct Row {
        std::uint32_t key;
        std::uint32_t subKey;
        const char* name;
    };
    const Row rows[] = {
        {0x11FF, 1, "ddReBootPG"},           {0xA000, 1, "ddReInitMainApp"},
        {0xA041, 5, "ddProductInfoN2K"},     {0xA04F, 2, "ddTxPGNEnableListF2"},
        {0xA07A, 1, "ddI2C_ReadBytes"},      {0xA0F4, 1, "ddNegativeAcknowledge"},
        {0xA17A, 1, "ddI2C_ReadBytesPG"},    {0xA220, 1, "ddDebugTimeProfiler"},
        {0xA3F4, 1, "ddProgramNegAcknowledge"}, {0xA404, 1, "ddProgramReadPG"},
        {0xA5F0, 1, "ddBootConfirmSoftwareReset"}, {0xA610, 1, "ddBootReSyncPG"},
        {0xA7F0, 1, "ddBootEraseFlashV2stat"}, {0xA807, 1, "ddBootReadEEPROMPG"},
        {0xA9F4, 1, "ddMDTNegAcknowledge"},  {0xFFFF, 1, "ddLastEnum"},
    };
    for (const Row& row : rows) {
        const BemDictEntry* e = findBemDictEntry(row.key, row.subKey);
        ASSERT_NE(e, nullptr) << row.name;
        EXPECT_STREQ(e->name, row.name);
    }
    // The sub-key is part of the key; keys between and beyond the records are not found.
    for (auto [key, subKey] : {std::pair{0xA010u, 0u}, {0xA041u, 6u}, {0xA0FFu, 1u}, {0u, 0u}, {0xFFFFFFFFu, 1u}})
        EXPECT_EQ(findBemDictEntry(key, subKey), nullptr) << key << "::" << subKey;
}

TEST(BemDictionary, TellingFieldLists)
{
    // Versions, dates and times of day; baud rates as u32; a PGN-list group of index and 3-byte PGN.
    EXPECT_EQ(layout(0xA010), "19/2 21/2 22/2 20/2 21/2 22/2 30/2 31/2 18/4 33/1");
    EXPECT_EQ(layout(0xA017), "0/1 0/1 33/1 4/4 4/4");
    EXPECT_EQ(layout(0xA040), "0/1 2/2 2/2 8/1 0/1+2 0/1 34/3");
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
