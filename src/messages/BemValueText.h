#pragma once

#include "messages/BemTypes.h"

#include <cstdint>
#include <string>

namespace KelpLib {

// Where a field's value lies: the message payload, the field's byte offset in it, and the
// model id of the message header (operating modes are texts of a model).
struct BemValueSource {
    const std::uint8_t* payload = nullptr;
    std::uint32_t payloadSize = 0;
    std::uint32_t offset = 0;
    std::uint32_t modelId = 0;
};

// The "Data" text of a field, by the kind of its data type. Numbers are read little-endian
// with the type's width; a number that the payload does not hold whole, or whose bytes are
// all 0xFF (one less: "Out of range", two less: "RESERVED"), shows its status text instead.
// Texts and arrays are cut at the payload's end; values that cannot be shown are empty.
std::string bemValueText(const BemFieldDef& field, const BemValueSource& source);

// A byte array: when it has at least 5 bytes and all but the last are printable (32 to 125),
// CR or LF, the text in double quotes, a blank and the hex dump in brackets; otherwise the
// hex dump alone (bytes separated by one blank). No bytes give empty text.
std::string bemArrayText(const std::uint8_t* bytes, std::uint32_t count);

// "%02u/%02u/%u" of a day count on which 1 January 1900 is day 1 and every fourth year from
// 1900 is a leap year (day 60 is 29/02/1900).
std::string bemDateText(std::uint32_t dayCount);

// "%02u:%02u:%02u" of a time of day in 1/65536 of a day.
std::string bemTimeOfDayText(std::uint32_t value);

// "%u seconds (" with the days and hours when there are any, then the minutes and ") ".
std::string bemSecondsText(std::uint32_t seconds);

} // namespace KelpLib
