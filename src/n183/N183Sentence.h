#pragma once

#include <cstdint>

namespace StandardsLib {

// One value field of a sentence definition. Fields that only carry the unit, hemisphere or
// side letter of the field before them have no definition of their own: the field naming
// them in companionPosition steps over them when the message lays the definitions out.
struct N183Field_s {
    std::uint32_t position;          // 0-based position among the comma-separated fields
    std::uint32_t dataType;          // N183DataType
    std::uint32_t unitCode;          // N183UnitCode
    std::uint32_t itemId;            // carried as data
    std::uint8_t companionPosition;  // position of the unit/hemisphere/side letter, 255 = none
    std::uint8_t reserved8;          // carried as data
    std::uint8_t groupSize;          // first field of a repeating group: definitions that repeat
    std::uint8_t maxRepeat;          // the largest number of repetitions of that group
    std::uint32_t reserved32a;       // always 0
    std::uint32_t secondCompanionPosition;  // 255 = none
    std::uint32_t reserved32b;       // always 0
    std::uint8_t flags[4];           // carried as data
    const char* shortText;
    const char* name;
    const char* description;
    const char* extraText;
};

// One sentence of the library, sorted by formatter (the three letters after the talker).
struct N183Sentence_s {
    char address[6];                 // talker and formatter, zero-terminated: "GPAAM"
    std::uint8_t startChar;          // '$', or '!' for the encapsulation sentences
    std::uint8_t fieldCount;         // number of field definitions
    const N183Field_s* fields;       // fieldCount consecutive definitions, or null
    std::int32_t conversionRef;      // carried as data, -1 for most rows
    std::uint32_t interval;          // carried as data
    std::uint8_t flags[4];           // carried as data
    std::uint32_t index;             // the row's own position
    const char* name;
    const char* description;
    const char* notes;
    const char* category;
    std::uint32_t kind;              // carried as data
};

constexpr std::uint8_t kN183NoCompanion = 255;

} // namespace StandardsLib
