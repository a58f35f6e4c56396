#include "n2k/PgnLookup.h"

#include "n2k/FieldExtract.h"

#include <algorithm>
#include <utility>

namespace StandardsLib {

std::uint32_t pgnSpan(const LibN2KPGN_s& row)
{
    if (row.pgn == 0)
        return 59391;
    if (row.pgn == 61440)
        return 3799;
    static constexpr std::uint32_t masks[4] = {pgnMaskClass0, pgnMaskClass1, pgnMaskClass2, pgnMaskClass3};
    return (masks[row.timing >> 6] ^ pgnMaskClass0) >> 8;
}

std::span<const LibN2KPGN_s> standardRows()
{
    static const std::span<const LibN2KPGN_s> rows = [] {
        const auto table = pgnTable();
        std::size_t count = 0;
        while (count < table.size() && table[count].standard != 0)
            ++count;
        return table.first(count);
    }();
    return rows;
}

std::uint8_t pgnRow(std::uint32_t pgn)
{
    const auto table = standardRows();
    std::uint32_t low = 0;
    std::uint32_t high = static_cast<std::uint32_t>(table.size());
    while (true) {
        const std::uint32_t mid = (low + high) / 2;
        const std::int64_t d = static_cast<std::int64_t>(pgn) - static_cast<std::int64_t>(table[mid].pgn);
        if (d >= 0 && d <= static_cast<std::int64_t>(pgnSpan(table[mid])))
            return static_cast<std::uint8_t>(mid);
        if (d > 0) {
            if (low == mid)
                return noPgnRow;
            low = mid;
        } else {
            if (high == mid)
                return noPgnRow;
            high = mid;
        }
        if (high == low)
            return noPgnRow;
    }
}

std::span<const std::uint16_t> definitionsOf(std::uint32_t pgn)
{
    const auto index = definitionIndexTable();
    const auto it = std::lower_bound(index.begin(), index.end(), pgn,
                                     [](const LibN2KPgnDefinitions_s& row, std::uint32_t key) { return row.pgn < key; });
    if (it == index.end() || it->pgn != pgn)
        return {};
    return definitionOrderTable().subspan(it->first, it->count);
}

bool matchesPayload(const LibN2KPGN_s& definition, const N2KPayload& payload)
{
    const auto matches = matchTable().subspan(definition.firstMatch, definition.matchCount);
    for (const LibN2KMatch_s& match : matches) {
        const DecimalValue value = extractBits(payload, match.bitOffset, match.bits, false);
        if (value.status != StatusValid || static_cast<std::uint64_t>(value.mantissa) != match.value)
            return false;
    }
    return true;
}

const LibN2KPGN_s* definitionFor(const N2KPayload& payload)
{
    const auto table = pgnTable();
    const LibN2KPGN_s* standard = nullptr;
    for (const std::uint16_t row : definitionsOf(payload.pgn)) {
        if (matchesPayload(table[row], payload))
            return &table[row];
        if (table[row].standard != 0)
            standard = &table[row];
    }
    if (standard != nullptr)
        return standard;
    const std::uint8_t row = pgnRow(payload.pgn);
    return row != noPgnRow ? &table[row] : nullptr;
}

const LibN2KPGN_s* defaultDefinition(std::uint32_t pgn)
{
    const auto table = pgnTable();
    const auto rows = definitionsOf(pgn);
    for (const std::uint16_t row : rows)
        if (table[row].standard != 0)
            return &table[row];
    for (const std::uint16_t row : rows)
        if (table[row].matchCount == 0)
            return &table[row];
    const std::uint8_t row = pgnRow(pgn);
    if (row != noPgnRow)
        return &table[row];
    return rows.empty() ? nullptr : &table[rows.front()];
}

const LibN2KField_s* fieldByNumber(const LibN2KPGN_s* definition, std::uint8_t number)
{
    if (definition == nullptr || definition->fields == nullptr)
        return nullptr;
    for (std::uint32_t i = 0; i < definition->fieldCount; ++i)
        if (definition->fields[i].number == number)
            return &definition->fields[i];
    return nullptr;
}

// Both tables are sorted by their key (the enumerated texts after their first row, the
// no-modifier row), so a binary search finds the same row a scan in table order would: every
// field rendering asks them, which makes them hot on the export's path.
const LibN2KEnum_s* enumText(std::uint16_t ddNumber, std::uint32_t value)
{
    const auto table = enumTable();
    if (!table.empty() && table[0].ddNumber == ddNumber && table[0].value == value)
        return &table[0];
    const auto sorted = table.subspan(table.empty() ? 0 : 1);
    const auto it = std::lower_bound(sorted.begin(), sorted.end(), std::pair{ddNumber, value},
                                     [](const LibN2KEnum_s& row, const std::pair<std::uint16_t, std::uint32_t>& key) {
                                         return std::pair{row.ddNumber, row.value} < key;
                                     });
    return it != sorted.end() && it->ddNumber == ddNumber && it->value == value ? &*it : nullptr;
}

const LibN2KFieldAttr_s* fieldAttr(std::uint32_t pgn, std::uint8_t fieldNumber)
{
    const auto table = fieldAttrTable();
    const auto it = std::lower_bound(table.begin(), table.end(), std::pair{pgn, fieldNumber},
                                     [](const LibN2KFieldAttr_s& row, const std::pair<std::uint32_t, std::uint8_t>& key) {
                                         return std::pair{row.pgn, row.fieldNumber} < key;
                                     });
    return it != table.end() && it->pgn == pgn && it->fieldNumber == fieldNumber ? &*it : nullptr;
}

const LibN2KDD_s* dataDictionaryEntry(const LibN2KField_s& field)
{
    const auto dictionary = dataDictionary();
    return field.ddIndex < dictionary.size() ? &dictionary[field.ddIndex] : nullptr;
}

const LibN2KType_s* dataTypeOf(const LibN2KDD_s& entry)
{
    const auto types = dataTypeTable();
    return entry.dataType < types.size() ? &types[entry.dataType] : nullptr;
}

} // namespace StandardsLib
