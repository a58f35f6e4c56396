#pragma once

#include <cstdint>

namespace KelpLib {

// An element's position in its document, in file order: the list's "Line". A document holds
// fewer than 2^32 elements (its file is under 500,000,000 bytes).
struct ElementLine {
    constexpr ElementLine() = default;
    constexpr explicit ElementLine(std::uint32_t line) : value(line) {}
    constexpr bool operator==(const ElementLine&) const = default;
    constexpr bool operator<(const ElementLine& other) const { return value < other.value; }

    std::uint32_t value = 0;
};

} // namespace KelpLib
