#pragma once

#include "n2k/DecimalValue.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace StandardsLib {

// Degrees and decimal minutes with the hemisphere letter: 33\xB0 51.408000' S.
std::string latitudeText(const DecimalValue& value);
std::string longitudeText(const DecimalValue& value);

// A day count from 1 January 1970 as "dd/mm/yyyy".
std::string dateText(std::int64_t daysSince1970);

// Seconds as hours, minutes and seconds ("hh:mm:ss", with ".mmm" when there are milliseconds);
// hours run on past 24. Negative durations carry a leading "-".
std::string timeOfDayText(const DecimalValue& value);

// A DSC address of exactly five bytes, each below 100 giving two decimal digits.
std::string dscAddressText(const std::uint8_t* bytes, std::size_t count);

// A text field's characters (ISO 8859-1): the text ends at the first NUL or 0xFF fill byte,
// trailing padding spaces and '@' (AIS) are dropped, and control characters never reach the
// text (each reads as a space, later trimmed when trailing).
std::string cleanText(const std::uint8_t* bytes, std::size_t count);

// A UTF-16LE text made clean the same way; characters beyond ISO 8859-1 read '?'.
std::string cleanUtf16Text(const std::uint8_t* bytes, std::size_t count);

// `width` binary digits of `value` (at most 64), most significant first.
std::string binaryDigitsText(std::uint64_t value, std::uint32_t width);

} // namespace StandardsLib
