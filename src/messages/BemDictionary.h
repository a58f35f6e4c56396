#pragma once

#include "messages/BemTypes.h"

#include <cstdint>

namespace KelpLib {

// The BEM dictionary: bemDictionarySize() records sorted by key, then sub-key.
const BemDictEntry* bemDictionary();
std::uint32_t bemDictionarySize();

// The record of (key, sub-key), or null. While reserved fields are hidden, a record whose
// shown flag is 0 counts as not found.
const BemDictEntry* findBemDictEntry(std::uint32_t key, std::uint32_t subKey);

} // namespace KelpLib
