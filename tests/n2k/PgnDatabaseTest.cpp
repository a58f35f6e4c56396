#include "n2k/DefinitionKeyCache.h"
#include "n2k/LibN2K.h"
#include "n2k/PgnLookup.h"
#include "n2k/PgnName.h"
#include "n2k/PgnTransport.h"
#include "support/N2kPayloads.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <tuple>
#include <string>
#include <utility>
#include <vector>

using namespace StandardsLib;

namespace {

const LibN2KPGN_s& definitionOf(std::uint32_t pgn)
{
    const LibN2KPGN_s* definition = theLibN2K().findPgn(pgn);
    EXPECT_NE(definition, nullptr) << pgn;
    return definition ? *definition : pgnTable()[0];
}

const LibN2KDD_s& entryOf(std::uint32_t pgn, std::uint8_t number)
{
    const LibN2KField_s* field = fieldByNumber(&definitionOf(pgn), number);
    EXPECT_NE(field, nullptr);
    return dataDictionary()[field ? field->ddIndex : 0];
}

} // namespace

// The row that answers a PGN: its own, the catch-all or addressed range covering it (first and
// last PGN of each range), or none (-1).
TEST(PgnDatabaseLookup, RangesOfTheCatchAllAndAddressedRows)
{
    const std::pair<std::uint32_t, std::int64_t> cases[] = {
        {0, 0},           {1234, 0},         {59391, 0},          {59392 + 37, 59392}, {59647, 59392},
        {59648, -1},      {65239, 61440},    {65240, 65240},      {65241, -1},         {65535, 65280},
        {126000, -1},     {126208 + 255, 126208}, {126720 + 100, 126720}, {126983, 126983}, {127249, -1},
        {130816 + 255, 130816}, {131072, -1}, {0xFFFFFFFFu, -1},
    };
    for (const auto& [pgn, row] : cases) {
        const LibN2KPGN_s* found = theLibN2K().findPgn(pgn);
        EXPECT_EQ(found ? std::int64_t(found->pgn) : -1, row) << pgn;
    }
    EXPECT_EQ(pgnRow(131072), noPgnRow);
    for (const LibN2KPGN_s& row : standardRows())
        EXPECT_EQ(theLibN2K().findPgn(row.pgn), &row) << row.pgn;
    for (const LibN2KPGN_s& row : pgnTable()) {
        const auto rows = definitionsOf(row.pgn);
        EXPECT_NE(std::find(rows.begin(), rows.end(), row.index), rows.end()) << row.name;
    }
}

// A message is decoded by the first definition of its PGN whose match fields all hold, its
// standard row when none does, else the catch-all row covering the PGN.
TEST(PgnDatabaseLookup, DefinitionSelectedByMatchFields)
{
    const auto maker = ZrlTest::proprietaryPayload;
    const struct {
        std::uint32_t pgn;
        std::vector<std::uint8_t> data;
        const char* name;
    } cases[] = {
        {126208, {0, 0, 0, 0}, "NMEA -  Request group function"},
        {126208, {1, 0, 0, 0}, "NMEA - Command group function"},
        {126208, {2, 0, 0, 0}, "NMEA - Acknowledge group function"},
        {126208, {9, 0, 0, 0}, "NMEA -  Request group function"}, // no variant: the standard row
        {130820, maker(1857, 4, {0x02}), "Simnet: Reprogram Status"},
        {130820, maker(1857, 3, {0x02}), "Manu. Proprietary fast-packet broadcast"}, // group differs
        {130820, maker(273, 4, {0x02}), "Manu. Proprietary fast-packet broadcast"},
        {65305, maker(1857, 4, {0x01, 0x02}), "Simnet: Device Status"},
        {65305, {}, "Manu. Proprietary single-frame broadcast"}, // too short to match
        {61184, maker(1851, 4, {0x02}), "Seatalk: Wireless Keypad Control"},
        {127250, {0, 0, 0}, "Vessel Heading"},
        {128000, {}, "Leeway Angle"}, // a standard PGN beyond the 163
        {131072, {}, "none"},
        // Match fields up to byte 8: all there, a different value, and cut by the payload's end.
        {130820, maker(419, 4, {0x14, 0x80, 9, 0, 0, 0}), "Fusion: USB Repeat Status"},
        {130820, maker(419, 4, {0x14, 0x80, 8, 0, 0, 0}), "Fusion: Setting"},
        {130820, maker(419, 4, {0x14, 0x80, 9, 0, 0}), "Fusion: Setting"},
        {130820, maker(419, 4, {0x14}), "Manu. Proprietary fast-packet broadcast"},
    };
    // The pass cache answers as the lookup does, whether it remembers the selector or not.
    DefinitionKeyCache cache;
    for (int pass = 0; pass < 2; ++pass)
        for (const auto& c : cases) {
            const N2KPayload payload{c.pgn, static_cast<std::uint32_t>(c.data.size()), c.data.data()};
            const LibN2KPGN_s* definition = definitionFor(payload);
            EXPECT_EQ(definition ? definition->name : "none", std::string(c.name)) << c.pgn;
            const PgnDefinitionKey key = cache.keyFor(payload);
            EXPECT_EQ(key, definitionKeyFor(payload)) << c.name;
            EXPECT_EQ(definitionName(key), c.name == std::string("none") ? "Unknown PGN (131072)" : c.name);
        }
}

TEST(PgnDatabaseLookup, RowsByIndexAndTheUnboundHandle)
{
    const ILibN2K& lib = theLibN2K();
    EXPECT_EQ(lib.libraryName(), "Korvane NMEA 2000 Library");
    EXPECT_EQ(lib.pgnAt(162)->pgn, 130816u);
    EXPECT_EQ(lib.pgnAt(163)->pgn, 60416u); // the further definitions follow the standard rows
    EXPECT_EQ(lib.pgnAt(609)->pgn, 0u);
    EXPECT_EQ(lib.pgnAt(0xFFFFFFFFu)->pgn, 0u);

    LibN2KPGN handle;
    EXPECT_FALSE(handle.bound());
    EXPECT_STREQ(handle.name(), "J1939 'Catch All Control'");
    EXPECT_TRUE(handle.setPgn(131072)); // no definition: bound to the first row, keeps its PGN
    EXPECT_EQ(handle.pgn(), 131072u);
    EXPECT_EQ(handle.index(), 0u);
    handle.setPgn(129029);
    EXPECT_FALSE(handle.isSingleFrame());
    EXPECT_STREQ(handle.name(), "GNSS Position Data");
}

TEST(PgnDatabaseLookup, FieldsEnumeratedTextsAndAttributes)
{
    const LibN2KPGN_s& gnss = definitionOf(129029);
    ASSERT_NE(fieldByNumber(&gnss, 14), nullptr);
    EXPECT_STREQ(fieldByNumber(&gnss, 14)->name, "Number of Reference Stations");
    EXPECT_EQ(fieldByNumber(&gnss, 18), nullptr);
    EXPECT_EQ(fieldByNumber(nullptr, 0), nullptr);

    const std::uint16_t method = entryOf(129029, 7).ddNumber;
    const std::tuple<std::uint16_t, std::uint8_t, const char*> texts[] = {
        {2, 2, "Error"}, {2, 3, "Null, Unavailable, Unknown"}, {2, 7, nullptr},
        {method, 2, "DGNSS Fix"}, {method, 14, "Error"}, {method, 15, nullptr},
    };
    for (const auto& [dd, value, text] : texts) {
        const LibN2KEnum_s* row = enumText(dd, value);
        EXPECT_EQ(row ? std::string(row->text) : "none", text ? text : "none") << dd << " " << int(value);
    }
    EXPECT_STREQ(enumText(2, 0)->symbol, "DD002_GenericStatusPair_0x00");

    ASSERT_NE(fieldAttr(129029, 16), nullptr);
    EXPECT_EQ(fieldAttr(129029, 16)->checkReservedValues, 1);
    EXPECT_EQ(fieldAttr(127237, 0), nullptr); // Rudder Limit Exceeded shows its top value's text
    EXPECT_EQ(fieldAttr(129029, 200), nullptr);
}

// Transport (kind in the low nibble, frame class in the high), timing, length, the SID and
// instance bytes and the field count of the rows the decoder and the lists key on.
TEST(PgnDatabaseContent, ClassesOfTheFixedRows)
{
    // One row of each transport and frame class, with and without SID and instance bytes.
    const std::pair<std::uint32_t, const char*> rows[] = {
        {129029, "35 06 255 0 255 18"}, {127250, "2C 02 8 0 255 6"},   {126993, "7C 12 8 255 255 6"},
        {126996, "65 13 134 255 255 8"}, {127508, "6C 07 8 7 0 5"},     {129038, "45 13 28 27 255 20"},
        {60928, "6A 53 8 255 7 10"},    {126985, "35 11 255 255 13 12"}, {61184, "3A 53 8 255 255 4"},
        {126208, "33 53 255 255 255 7"}, {126464, "63 53 255 255 255 2"}, {65240, "66 13 9 255 255 11"},
        {0, "3F 13 8 255 255 1"},       {130816, "37 53 255 255 255 4"}, {127505, "6C 09 8 255 0 5"},
    };
    for (const auto& [pgn, expected] : rows) {
        const LibN2KPGN_s& row = definitionOf(pgn);
        char text[64];
        std::snprintf(text, sizeof text, "%02X %02X %u %u %u %u", row.transport, row.timing, row.length,
                      row.sidByte, row.instanceByte, row.fieldCount);
        EXPECT_EQ(std::string(text), expected) << pgn;
    }
}

// The field counted blocks hang on, and the dictionary rows and data types the decoder names in
// code (the decoded messages pin the rest of the entries through their values and units).
TEST(PgnDatabaseContent, BlocksDictionaryRowsAndDataTypes)
{
    const LibN2KField_s* block = fieldByNumber(&definitionOf(129029), 15);
    EXPECT_EQ(block->countField * 10 + block->blockSize, 143u);
    const auto dd = dataDictionary();
    EXPECT_EQ(std::string(dd[DDRow::reservedField].name) + "|" + dd[DDRow::dscAddress].name + "|" +
                  dd[DDRow::dscSymbolString].name + "|" + dd[DDRow::binaryBitField].name + "|" + dd[DDRow::aisSpareField].name,
              "Reserved field|DSC Address or Geographic Area|DSC Symbol String|Binary Bit Field|AIS Spare Field");
    EXPECT_EQ(dd[DDRow::manufacturerCode].bits, 11u);
    const auto types = dataTypeTable();
    ASSERT_EQ(types.size(), 21u);
    EXPECT_STREQ(types[dataTypeSignedBits].shortName, "int(n)");
}

// Totals of the built-in tables, pinned so that a change of the data file shows here. 611
// reference definitions: 8 are its own catch-alls (served by the standard catch-all rows), the
// other 603 are rows; with PGN 0, 163 standard rows lead.
TEST(PgnDatabaseConsistency, Totals)
{
    std::size_t checks = 0, proprietary = 0;
    for (const LibN2KFieldAttr_s& attr : fieldAttrTable())
        checks += attr.checkReservedValues;
    for (const LibN2KPGN_s& row : pgnTable().subspan(163))
        proprietary += row.matchCount >= 2 && matchTable()[row.firstMatch].bits == 11;
    const std::size_t totals[] = {standardRows().size(), pgnTable().size(), fieldTable().size(), dataDictionary().size(),
                                  enumTable().size(), fieldAttrTable().size(), definitionOf(129029).firstFieldIndex, checks};
    EXPECT_EQ(std::vector<std::size_t>(std::begin(totals), std::end(totals)),
              (std::vector<std::size_t>{163, 609, 4904, 1572, 3632, 177, 523, 16}));
    EXPECT_GT(proprietary, 360u);
}

TEST(PgnDatabaseConsistency, EveryRowHoldsTogether)
{
    const auto pgns = pgnTable();
    const auto fields = fieldTable();
    std::uint32_t running = 0;
    for (std::size_t i = 0; i < pgns.size(); ++i) {
        const LibN2KPGN_s& row = pgns[i];
        SCOPED_TRACE(row.pgn);
        if (i > 0 && i < standardRows().size()) {
            EXPECT_LT(pgns[i - 1].pgn, row.pgn);
        }
        EXPECT_EQ(row.index, i);
        EXPECT_EQ(row.firstFieldIndex, running);
        EXPECT_EQ(row.fields, fields.data() + running);
        std::uint32_t fixedBits = 0;
        bool variable = false;
        for (std::uint32_t f = 0; f < row.fieldCount; ++f) {
            const LibN2KField_s& field = row.fields[f];
            EXPECT_EQ(field.number * 1000 + field.fieldIndex, f * 1001);
            EXPECT_EQ(field.pgn, row.pgn);
            EXPECT_LT(field.ddIndex, dataDictionary().size());
            if (field.blockSize != 0) {
                EXPECT_LE(f + field.blockSize, row.fieldCount);
                if (field.countField != 255) {
                    EXPECT_LT(field.countField, f);
                }
            }
            variable |= field.bits == 65535;
            fixedBits += field.bits == 65535 ? 0 : field.bits;
        }
        if (row.length != 255 && !variable) {
            EXPECT_LE(fixedBits, row.length * 8);
        }
        running += row.fieldCount;
    }
    EXPECT_EQ(running, fields.size());
}

TEST(PgnDatabaseConsistency, DictionaryRowsAndEnumeratedTexts)
{
    const auto dd = dataDictionary();
    for (std::size_t i = 0; i < dd.size(); ++i) {
        EXPECT_EQ(dd[i].row, i);
        EXPECT_LT(dd[i].dataType, dataTypeTable().size());
        EXPECT_NE(dd[i].multiplier, 0) << dd[i].name;
        if (i > 0) {
            EXPECT_GT(dd[i].ddNumber, dd[i - 1].ddNumber);
        }
    }
    // The lookups search these two tables by their keys: they must be sorted and unique.
    const auto enums = enumTable();
    for (std::size_t i = 2; i < enums.size(); ++i)
        EXPECT_LT(std::make_pair(enums[i - 1].ddNumber, enums[i - 1].value), std::make_pair(enums[i].ddNumber, enums[i].value));
    const auto attrs = fieldAttrTable();
    for (std::size_t i = 1; i < attrs.size(); ++i)
        EXPECT_LT(std::make_pair(attrs[i - 1].pgn, attrs[i - 1].fieldNumber), std::make_pair(attrs[i].pgn, attrs[i].fieldNumber));
}

TEST(PgnDatabaseLookup, NameTextsAndSingleFrameMarks)
{
    EXPECT_EQ(pgnNameText(127250), "Vessel Heading");
    EXPECT_EQ(pgnNameText(126720 + 7), "Manu. Proprietary fast-packet addressed");
    EXPECT_EQ(pgnNameText(131072), "Unknown PGN (131072)");
    EXPECT_EQ(pgnNameText(65241), "Unknown PGN (65241)");
    // ISO transport (65240) is not single-frame; an unknown PGN takes the first row's mark.
    const std::pair<std::uint32_t, bool> marks[] = {
        {127250, true},  {59904 + 12, true},   {65280 + 3, true},       {129029, false}, {126208, false},
        {126464 + 255, false}, {130816 + 40, false}, {65240, false}, {131072, true},
    };
    for (const auto& [pgn, single] : marks)
        EXPECT_EQ(isSingleFramePgn(pgn), single) << pgn;
}
