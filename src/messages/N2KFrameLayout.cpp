#include "messages/N2KFrameLayout.h"

#include <array>

namespace KelpLib {

namespace {

using enum N2KLengthField;
using enum N2KAddressing;
using enum N2KStreamCheck;

constexpr N2KFrameLayout layouts[] = {
    // id   offset length field  at max  addressing      src time stream check  received
    {0x92, 9, Byte, 8, 224, BstHeader, 7, 0, PayloadByte, false},
    {0x93, 13, Byte, 12, 224, BstHeader, 7, 8, PayloadByte, true},
    {0x94, 8, Byte, 7, 224, BstHeader, 0, 0, PayloadByte, true},
    {0x95, 8, FrameRest, 0, 8, CanId, 4, 0, FramePayload, false},
    {0x96, 8, Byte, 7, 8, BstHeader, 0, 0, TotalLength, false},
    {0xD0, 13, DeclaredWord, 0, 224, AssembledCanId, 4, 9, TotalLength, false},
};

// Every message looks its id up: an index by id byte, made at compile time.
constexpr std::array<std::int8_t, 256> rowById = [] {
    std::array<std::int8_t, 256> rows{};
    rows.fill(-1);
    for (std::size_t i = 0; i < std::size(layouts); ++i)
        rows[layouts[i].id] = static_cast<std::int8_t>(i);
    return rows;
}();

} // namespace

const N2KFrameLayout* n2kFrameLayout(std::uint8_t id)
{
    const std::int8_t row = rowById[id];
    return row < 0 ? nullptr : &layouts[row];
}

} // namespace KelpLib
