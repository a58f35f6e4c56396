#include "n2k/PgnLookup.h"

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

std::uint8_t pgnRow(std::uint32_t pgn)
{
    const auto table = pgnTable();
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

const LibN2KField_s* fieldByNumber(const LibN2KPGN_s* definition, std::uint8_t number)
{
    if (definition == nullptr || definition->fields == nullptr)
        return nullptr;
    for (std::uint32_t i = 0; i < definition->fieldCount; ++i)
        if (definition->fields[i].number == number)
            return &definition->fields[i];
    return nullptr;
}

const LibN2KEnum_s* enumText(std::uint16_t ddNumber, std::uint8_t value)
{
    for (const LibN2KEnum_s& row : enumTable())
        if (row.ddNumber == ddNumber && row.value == value)
            return &row;
    return nullptr;
}

const LibN2KFieldAttr_s* fieldAttr(std::uint32_t pgn, std::uint8_t fieldNumber)
{
    for (const LibN2KFieldAttr_s& row : fieldAttrTable())
        if (row.pgn == pgn && row.fieldNumber == fieldNumber)
            return &row;
    return nullptr;
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
