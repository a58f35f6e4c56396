#pragma once

#include "messages/BemTypes.h"

#include <cstdint>
#include <vector>

namespace KelpLib {

class BSTMsg;

// One row of a BEM message's field table: a field of the dictionary record laid over the
// payload at `offset`. Inside a repeating group `repetition` counts the rounds from 1 and
// `position` the field within the round; both are 0 outside a group. `name` is the text the
// row shows: the field's own name, or for the row that ends a walk cut short by the
// payload's end the name of the field that was missing ("Message truncated/incomplete" when
// the record has no such field). Each entry carries its own name, so the field tables of two
// messages never share text.
struct BemFieldEntry {
    const BSTMsg* owner = nullptr;
    std::uint32_t ordinal = 0;
    std::uint32_t offset = 0;
    const BemFieldDef* field = nullptr;
    std::uint32_t repetition = 0;
    std::uint32_t position = 0;
    const char* name = nullptr;
    // True for the row that stands for the fields the payload did not hold.
    bool exhausted = false;
};

// The field the walk puts in the row that ends a cut-short payload; its value reads
// "Null / non-present field". It is constant: the row's name is the entry's.
const BemFieldDef& bemExhaustedField();

// Lays the record's fields over the payload: plain fields one after another, each count
// field followed by its group of fields repeated count times (skipped when the count is 0),
// a byte array taking the number of bytes given by the byte before it. The walk ends after
// the last field, or with one exhausted row at the first field that starts at or beyond the
// payload's end. Nothing is read outside the payload.
std::vector<BemFieldEntry> walkBemFields(const BemDictEntry& record, const std::uint8_t* payload,
                                         std::uint32_t payloadSize, const BSTMsg* owner);

} // namespace KelpLib
