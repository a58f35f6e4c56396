#pragma once

#include "n183/N183Sentence.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace StandardsLib {

// The built-in NMEA 0183 sentence library: 193 constant sentence definitions sorted by
// formatter, 47 of them with their field definitions. The table is process-wide and
// immutable; the class exists for callers that want a library object.
class CN183Lib {
public:
    virtual ~CN183Lib() = default;
};

// Every sentence definition, in table (formatter) order.
std::span<const N183Sentence_s> n183Sentences();

// The lookup key of a formatter: its first four bytes, big-endian, zeros past its end.
std::uint32_t n183FormatterKey(std::string_view formatter);

// Binary search by the key's three high bytes (the three formatter letters, compared as
// a zero-terminated text with each address from its third character); null when absent.
// The talker plays no part: "MWV" finds "WIMWV" whatever talker sent the sentence.
const N183Sentence_s* findN183Sentence(std::uint32_t key);

} // namespace StandardsLib
