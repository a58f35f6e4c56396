#pragma once

#include "n2k/FieldStatus.h"

#include <cstdint>

namespace StandardsLib {

// The values NMEA 2000 reserves at the top of a field's raw range. A field of 8 bits or more
// keeps its top three values (all ones "Data not available", one less "Out of range", two less
// "Reserved"), a field of 4 to 7 bits its top two, a field of 2 or 3 bits its top one, a single
// bit none. A signed field counts from its largest positive value. Every numeric, lookup and
// bit-lookup field goes by this rule, whatever consumer reads it (details, list, exports,
// plots, filters); a lookup that names one of these values shows the name instead.

// How many top values a field of `widthBits` reserves.
std::uint32_t reservedTopValues(std::uint32_t widthBits);

// StatusValid, or the status the raw value stands for. `rawBits` holds the field's bits as
// read, not sign-extended.
FieldStatus sentinelStatus(std::uint64_t rawBits, std::uint32_t widthBits, bool isSigned);

// True for the three statuses of reserved top values.
constexpr bool isSentinel(std::uint32_t status)
{
    return status == StatusDataNotAvailable || status == StatusOutOfRange || status == StatusReserved;
}

// The text of a status as NMEA 2000 fields show it: "Data not available", "Out of range",
// "Reserved", or the status's fixed text for the others.
const char* sentinelText(std::uint32_t status);

} // namespace StandardsLib
