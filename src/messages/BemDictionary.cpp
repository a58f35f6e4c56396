#include "messages/BemDictionary.h"

#include "n2k/ReservedFields.h"

namespace KelpLib {

const BemDictEntry* findBemDictEntry(std::uint32_t key, std::uint32_t subKey)
{
    const BemDictEntry* table = bemDictionary();
    std::uint32_t low = 0;
    std::uint32_t high = bemDictionarySize();
    while (low < high) {
        const std::uint32_t middle = low + (high - low) / 2;
        const BemDictEntry& entry = table[middle];
        if (entry.key == key && entry.subKey == subKey) {
            if (StandardsLib::reservedFieldsHidden && entry.shown == 0)
                return nullptr;
            return &entry;
        }
        if (entry.key < key || (entry.key == key && entry.subKey < subKey))
            low = middle + 1;
        else
            high = middle;
    }
    return nullptr;
}

} // namespace KelpLib
