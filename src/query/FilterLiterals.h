#pragma once
// The unquoted values of the filter language: integers (decimal or 0x hex), decimals, times of
// day hh:mm:ss[.mmm] (UTC) and ISO 8601 date-times.
#include "query/FilterSyntax.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace KelpLib {

// The literal a value token stands for, or nothing when it is none of the forms above.
std::optional<Literal> parseValueLiteral(std::string_view text);

// Milliseconds since 1601-01-01 UTC of a UTC calendar date and time of day.
std::int64_t millisSince1601(int year, unsigned month, unsigned day, std::int64_t millisOfDay);

constexpr std::int64_t millisPerDay = 86400000;

} // namespace KelpLib
