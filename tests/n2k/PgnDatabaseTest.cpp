#include "n2k/DefinitionKeyCache.h"
#include "n2k/LibN2K.h"
#include "n2k/PgnLookup.h"
#include "n2k/PgnName.h"
#include "n2k/PgnTransport.h"
#include "support/N2kPayloads.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>
#include <string>
#include <utility>

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

TEST(PgnDatabaseLookup, RangesOfTheCatchAllAndAddressedRows)
{
    const ILibN2K& lib = theLibN2K();
    EXPECT_EQ(lib.findPgn(0)->pgn, 0u);
    EXPECT_EQ(lib.findPgn(59391)->pgn, 0u);
    EXPECT_EQ(lib.findPgn(1234)->pgn, 0u);
    EXPECT_EQ(lib.findPgn(59392 + 37)->pgn, 59392u);
    EXPECT_EQ(lib.findPgn(59647)->pgn, 59392u);
    EXPECT_EQ(lib.findPgn(59648), nullptr);
    EXPECT_EQ(lib.findPgn(65239)->pgn, 61440u);
    EXPECT_EQ(lib.findPgn(65240)->pgn, 65240u);
    EXPECT_EQ(lib.findPgn(65241), nullptr);
    EXPECT_EQ(lib.findPgn(65535)->pgn, 65280u);
    EXPECT_EQ(lib.findPgn(126000), nullptr);
    EXPECT_EQ(lib.findPgn(126208 + 255)->pgn, 126208u);
    EXPECT_EQ(lib.findPgn(126720 + 100)->pgn, 126720u);
    EXPECT_EQ(lib.findPgn(126983)->pgn, 126983u);
    EXPECT_EQ(lib.findPgn(127249), nullptr);
    EXPECT_EQ(lib.findPgn(130816 + 255)->pgn, 130816u);
    EXPECT_EQ(lib.findPgn(131072), nullptr);
    EXPECT_EQ(lib.findPgn(0xFFFFFFFFu), nullptr);
    EXPECT_EQ(pgnRow(131072), noPgnRow);
}

TEST(PgnDatabaseLookup, EveryStandardRowFindsItselfAndEveryDefinitionIsIndexed)
{
    EXPECT_EQ(standardRows().size(), 163u);
    for (const LibN2KPGN_s& row : standardRows())
        EXPECT_EQ(theLibN2K().findPgn(row.pgn), &row) << row.pgn;
    for (const LibN2KPGN_s& row : pgnTable()) {
        const auto rows = definitionsOf(row.pgn);
        EXPECT_NE(std::find(rows.begin(), rows.end(), row.index), rows.end()) << row.name;
    }
}

namespace {

std::string selected(std::uint32_t pgn, const std::vector<std::uint8_t>& data)
{
    const LibN2KPGN_s* definition = definitionFor(N2KPayload{pgn, static_cast<std::uint32_t>(data.size()), data.data()});
    return definition ? definition->name : "none";
}

} // namespace

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
        {61184, maker(1851, 4, {0x01}), "Seatalk: Wireless Keypad Light Control"},
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
            EXPECT_EQ(selected(c.pgn, c.data), c.name) << c.pgn;
            const PgnDefinitionKey key = cache.keyFor(payload);
            EXPECT_EQ(key, definitionKeyFor(payload)) << c.name;
            EXPECT_EQ(definitionName(key), c.name == std::string("none") ? "Unknown PGN (131072)" : c.name);
        }
}

TEST(PgnDatabaseContent, EveryReferenceDefinitionIsARow)
{
    // 611 definitions: 8 are the reference's own catch-alls (served by the standard catch-all
    // rows), the other 603 are rows; with PGN 0, 163 standard rows lead.
    EXPECT_EQ(pgnTable().size(), 609u);
    std::size_t proprietary = 0;
    for (const LibN2KPGN_s& row : pgnTable().subspan(163))
        proprietary += row.matchCount >= 2 && matchTable()[row.firstMatch].bits == 11;
    EXPECT_GT(proprietary, 360u);
}

TEST(PgnDatabaseLookup, RowsByIndex)
{
    const ILibN2K& lib = theLibN2K();
    EXPECT_EQ(lib.pgnCount(), 609u);
    EXPECT_EQ(lib.libraryName(), "Korvane NMEA 2000 Library");
    EXPECT_EQ(lib.pgnAt(162)->pgn, 130816u);
    EXPECT_EQ(lib.pgnAt(163)->pgn, 60416u); // the further definitions follow the standard rows
    EXPECT_EQ(lib.pgnAt(609)->pgn, 0u);
    EXPECT_EQ(lib.pgnAt(0xFFFFFFFFu)->pgn, 0u);
}

TEST(PgnDatabaseLookup, HandleBindsToTheFirstRowWhenThereIsNoDefinition)
{
    LibN2KPGN unbound;
    EXPECT_FALSE(unbound.bound());
    EXPECT_EQ(unbound.pgn(), 0u);
    EXPECT_STREQ(unbound.name(), "J1939 'Catch All Control'");

    LibN2KPGN heading(127250);
    EXPECT_TRUE(heading.bound());
    EXPECT_STREQ(heading.name(), "Vessel Heading");
    EXPECT_TRUE(heading.isSingleFrame());

    LibN2KPGN handle;
    EXPECT_TRUE(handle.setPgn(131072));
    EXPECT_TRUE(handle.bound());
    EXPECT_EQ(handle.pgn(), 131072u);
    EXPECT_EQ(handle.index(), 0u);
    EXPECT_EQ(handle.definition().pgn, 0u);

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

    ASSERT_NE(enumText(2, 2), nullptr);
    EXPECT_STREQ(enumText(2, 2)->text, "Error");
    EXPECT_STREQ(enumText(2, 3)->text, "Null, Unavailable, Unknown");
    EXPECT_STREQ(enumText(2, 0)->symbol, "DD002_GenericStatusPair_0x00");
    EXPECT_EQ(enumText(2, 7), nullptr);
    EXPECT_STREQ(enumTable()[0].symbol, "DD000_NoModifier");
    EXPECT_EQ(enumTable()[0].value, 255);
    EXPECT_STREQ(enumTable()[0].text, "Definition where there is no modifier");

    const std::uint16_t method = dataDictionary()[fieldByNumber(&gnss, 7)->ddIndex].ddNumber;
    ASSERT_NE(enumText(method, 2), nullptr);
    EXPECT_STREQ(enumText(method, 2)->text, "DGNSS Fix");
    EXPECT_STREQ(enumText(method, 14)->text, "Error");
    EXPECT_EQ(enumText(method, 15), nullptr);

    for (std::uint8_t field : {6, 7, 15, 16}) {
        const LibN2KFieldAttr_s* attr = fieldAttr(129029, field);
        ASSERT_NE(attr, nullptr) << int(field);
        EXPECT_EQ(attr->checkReservedValues, 1);
    }
    EXPECT_EQ(fieldAttr(126992, 1)->checkReservedValues, 1);
    EXPECT_EQ(fieldAttr(127237, 0), nullptr); // Rudder Limit Exceeded shows its top value's text
    EXPECT_EQ(fieldAttr(129029, 200), nullptr);
}

TEST(PgnDatabaseContent, NamesAndClassesOfTheFixedRows)
{
    EXPECT_STREQ(definitionOf(126208).name, "NMEA -  Request group function");
    EXPECT_STREQ(definitionOf(130321).name, "Salinity Station  Data");
    EXPECT_STREQ(definitionOf(129809).name, "AIS Class B \"CS\" Static Data Report, Part A");

    const LibN2KPGN_s& time = definitionOf(126992);
    EXPECT_EQ(time.timing, 0x06);
    EXPECT_EQ(time.transport, 0x3C);
    EXPECT_EQ(time.sidByte, 0);
    EXPECT_EQ(time.instanceByte, 255);
    EXPECT_EQ(time.length, 8u);
    EXPECT_EQ(time.fieldCount, 5u);

    const LibN2KPGN_s& gnss = definitionOf(129029);
    EXPECT_EQ(gnss.timing, 0x06);
    EXPECT_EQ(gnss.transport, 0x35);
    EXPECT_EQ(gnss.length, 255u);
    EXPECT_EQ(gnss.fieldCount, 18u);

    EXPECT_EQ(definitionOf(127250).transport >> 4, 2);
    EXPECT_EQ(definitionOf(126993).transport >> 4, 7);
    EXPECT_EQ(definitionOf(59904).transport >> 4, 6);
    EXPECT_EQ(definitionOf(126996).length, 134u);
    EXPECT_EQ(definitionOf(129540).length, 255u);
    EXPECT_EQ(definitionOf(127508).sidByte, 7);
    EXPECT_EQ(definitionOf(129038).sidByte, 27);
    EXPECT_EQ(definitionOf(60928).instanceByte, 7);
    EXPECT_EQ(definitionOf(126985).instanceByte, 13);
    EXPECT_EQ(definitionOf(127506).instanceByte, 1);

    // Transport kinds: ISO, group functions, ISO transport, catch-all; single frame flag.
    for (std::uint32_t pgn : {59392u, 59904u, 60160u, 60416u, 60928u, 61184u})
        EXPECT_EQ(definitionOf(pgn).transport & 0x0F, 0x0A) << pgn;
    for (std::uint32_t pgn : {126208u, 126464u, 126720u})
        EXPECT_EQ(definitionOf(pgn).transport & 0x0F, 0x03) << pgn;
    EXPECT_EQ(definitionOf(65240).transport & 0x0F, 0x06);
    EXPECT_EQ(definitionOf(0).transport & 0x0F, 0x0F);
    EXPECT_EQ(definitionOf(65280).transport & 0x0F, 0x0F);
    EXPECT_EQ(definitionOf(130816).transport & 0x0F, 0x07);
    EXPECT_EQ(definitionOf(127488).timing & 0x1F, 2);
    EXPECT_EQ(definitionOf(127505).timing & 0x1F, 9);
    EXPECT_EQ(definitionOf(126988).timing & 0x1F, 0x11);
    EXPECT_EQ(definitionOf(126993).timing & 0x1F, 0x12);
}

TEST(PgnDatabaseContent, TheFieldsOfSystemTimeGnssAndProprietaryRows)
{
    const LibN2KPGN_s& time = definitionOf(126992);
    const char* names[] = {"Sequence ID", "Source", "NMEA Reserved", "Date", "Time"};
    const std::uint16_t bits[] = {8, 4, 4, 16, 32};
    for (std::uint32_t i = 0; i < 5; ++i) {
        EXPECT_STREQ(time.fields[i].name, names[i]);
        EXPECT_EQ(time.fields[i].bits, bits[i]);
    }
    EXPECT_STREQ(entryOf(126992, 0).name, "Sequence ID");
    EXPECT_STREQ(entryOf(126992, 1).name, "Time Source");
    EXPECT_STREQ(entryOf(126992, 2).name, "Reserved field");
    EXPECT_STREQ(entryOf(126992, 3).name, "Generic date");
    EXPECT_EQ(entryOf(126992, 3).unitCode, 4u);
    EXPECT_STREQ(entryOf(126992, 4).name, "Generic time of day");
    EXPECT_EQ(entryOf(126992, 4).exponent, -4);
    EXPECT_EQ(entryOf(126992, 4).unitCode, 23u);

    EXPECT_STREQ(entryOf(129029, 3).name, "Latitude (Extended Resolution)");
    EXPECT_EQ(entryOf(129029, 3).exponent, -16);
    EXPECT_EQ(entryOf(129029, 3).dataType, 13u);
    EXPECT_STREQ(entryOf(129029, 5).name, "Altitude (Extended Resolution)");
    EXPECT_EQ(entryOf(129029, 5).exponent, -6);
    EXPECT_STREQ(entryOf(129029, 11).name, "DOP");
    EXPECT_STREQ(fieldByNumber(&definitionOf(129029), 7)->name, "Method, GNSS");
    const LibN2KField_s* block = fieldByNumber(&definitionOf(129029), 15);
    EXPECT_EQ(block->countField, 14);
    EXPECT_EQ(block->blockSize, 3u);

    for (std::uint32_t pgn : {61184u, 65280u, 126720u, 130816u}) {
        const LibN2KPGN_s& row = definitionOf(pgn);
        ASSERT_EQ(row.fieldCount, 4u) << pgn;
        EXPECT_STREQ(row.fields[0].name, "NMEA 2000 Manufacturer Code");
        EXPECT_EQ(row.fields[0].bits, 11);
        EXPECT_EQ(row.fields[0].ddIndex, DDRow::manufacturerCode);
        EXPECT_STREQ(row.fields[1].name, "Reserved bits");
        EXPECT_STREQ(row.fields[2].name, "Industry Group");
        EXPECT_EQ(row.fields[2].bits, 3);
        EXPECT_STREQ(row.fields[3].name, "Manufacturer defined field(s)");
        EXPECT_EQ(row.fields[3].bits, 65535);
        EXPECT_EQ(row.fields[3].ddIndex, DDRow::binaryBitField);
    }
}

TEST(PgnDatabaseContent, DictionaryRowsTheDecoderKeysOn)
{
    const auto dd = dataDictionary();
    EXPECT_STREQ(dd[DDRow::reservedField].name, "Reserved field");
    EXPECT_STREQ(dd[DDRow::dscAddress].name, "DSC Address or Geographic Area");
    EXPECT_STREQ(dd[DDRow::dscSymbolString].name, "DSC Symbol String");
    EXPECT_STREQ(dd[DDRow::binaryBitField].name, "Binary Bit Field");
    EXPECT_EQ(dd[DDRow::manufacturerCode].bits, 11u);
    EXPECT_STREQ(dd[DDRow::aisSpareField].name, "AIS Spare Field");
    EXPECT_EQ(dd[116].ddNumber, 117u);
    EXPECT_EQ(dd[395].ddNumber, 401u);
    EXPECT_STREQ(entryOf(128275, 2).name, "Distance, voyage");
    EXPECT_STREQ(entryOf(129025, 0).name, "Latitude, WGS-84");
    EXPECT_EQ(entryOf(129025, 0).exponent, -7);
    EXPECT_STREQ(entryOf(129025, 1).name, "Longitude, WGS-84");
    EXPECT_EQ(entryOf(127488, 1).multiplier, -4); // 1/4 RPM
    EXPECT_EQ(entryOf(127488, 1).unitCode, 22u);
    EXPECT_EQ(entryOf(127251, 1).multiplier, -32); // 1/32 x 10^-6 rad/s
    EXPECT_EQ(entryOf(127251, 1).exponent, -6);
    EXPECT_EQ(entryOf(127488, 2).exponent, 2); // pressure in hectopascal steps
    EXPECT_EQ(entryOf(127488, 2).unitCode, 17u);
    EXPECT_EQ(entryOf(130306, 1).unitCode, 11u);
    EXPECT_EQ(entryOf(130306, 2).unitCode, 20u);
    EXPECT_STREQ(entryOf(130306, 2).unitNamePlural, "Radians");

    const auto types = dataTypeTable();
    ASSERT_EQ(types.size(), 21u);
    EXPECT_STREQ(types[dataTypeSignedBits].shortName, "int(n)");
    EXPECT_STREQ(types[1].shortName, "ch8or16(n)");
    EXPECT_STREQ(types[16].shortName, "uint24");
    EXPECT_EQ(types[16].byteSize, 3u);
    EXPECT_EQ(types[13].valueClass, valueClassSigned);
    EXPECT_EQ(std::strncmp(types[14].reservedText, "Extreme positive range of numbers reserved: 255 = Data not available or Do Not Change", 85), 0);
}

// Totals of the built-in tables, pinned so that a change of the data file shows here.
TEST(PgnDatabaseConsistency, Totals)
{
    EXPECT_EQ(pgnTable().size(), 609u);
    EXPECT_EQ(fieldTable().size(), 4904u);
    EXPECT_EQ(dataDictionary().size(), 1572u);
    EXPECT_EQ(enumTable().size(), 3632u);
    EXPECT_EQ(fieldAttrTable().size(), 177u);
    EXPECT_EQ(definitionOf(129029).firstFieldIndex, 523u);
    std::size_t checks = 0;
    for (const LibN2KFieldAttr_s& attr : fieldAttrTable())
        checks += attr.checkReservedValues;
    EXPECT_EQ(checks, 16u);
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
        EXPECT_LT(row.fieldCount, 256u);
        EXPECT_GT(std::strlen(row.name), 0u);
        std::uint32_t fixedBits = 0;
        bool variable = false;
        for (std::uint32_t f = 0; f < row.fieldCount; ++f) {
            const LibN2KField_s& field = row.fields[f];
            EXPECT_EQ(field.number, f);
            EXPECT_EQ(field.fieldIndex, f);
            EXPECT_EQ(field.pgn, row.pgn);
            EXPECT_LT(field.ddIndex, dataDictionary().size());
            if (field.blockSize != 0) {
                EXPECT_LE(f + field.blockSize, row.fieldCount);
                if (field.countField != 255) {
                    EXPECT_LT(field.countField, f);
                }
            }
            if (field.bits == 65535)
                variable = true;
            else
                fixedBits += field.bits;
        }
        if (row.length != 255 && !variable) {
            EXPECT_LE(fixedBits, row.length * 8);
        }
        running += row.fieldCount;
    }
    EXPECT_EQ(running, fields.size());
    EXPECT_EQ(pgns.back().firstFieldIndex + pgns.back().fieldCount, fields.size());
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
    for (const LibN2KEnum_s& row : enumTable()) {
        const std::string symbol = row.symbol;
        EXPECT_EQ(symbol.substr(0, 2), "DD") << symbol;
        EXPECT_STREQ(row.heading, "Value");
    }
}

TEST(PgnDatabaseLookup, NameTextsAndSingleFrameMarks)
{
    EXPECT_EQ(pgnNameText(127250), "Vessel Heading");
    EXPECT_EQ(pgnNameText(126720 + 7), "Manu. Proprietary fast-packet addressed");
    EXPECT_EQ(pgnNameText(131072), "Unknown PGN (131072)");
    EXPECT_EQ(pgnNameText(65241), "Unknown PGN (65241)");

    EXPECT_TRUE(isSingleFramePgn(127250));
    EXPECT_TRUE(isSingleFramePgn(59904 + 12));
    EXPECT_TRUE(isSingleFramePgn(65280 + 3));
    EXPECT_FALSE(isSingleFramePgn(129029));
    EXPECT_FALSE(isSingleFramePgn(126208));
    EXPECT_FALSE(isSingleFramePgn(126464 + 255));
    EXPECT_FALSE(isSingleFramePgn(130816 + 40));
    EXPECT_FALSE(isSingleFramePgn(65240)); // ISO transport
    EXPECT_TRUE(isSingleFramePgn(131072));  // unknown: the first row's mark
}
