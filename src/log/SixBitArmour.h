#pragma once

#include <cstdint>

namespace KelpLib {

// Decodes 6-bit ASCII armour (as in AIS sentences): each character gives c - 48 below 96,
// else c - 56, packed six bits each, most significant first. Returns the number of whole bytes
// written, or -1 when they would exceed the capacity.
std::int32_t decodeSixBitArmour(const std::uint8_t* text, std::uint32_t count, std::uint8_t* out, std::uint32_t capacity);

} // namespace KelpLib
