#pragma once

#include "n183/N183Sentence.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace StandardsLib {

// The texts of one defined field and of the two sentence fields after it.
struct N183FieldTexts {
    std::string_view own;
    std::string_view next;
    std::string_view afterNext;
};

// The shown text of a field of the given data type and unit code: the received text
// decorated with degree signs, separators, hemisphere/side words and unit names (never
// converted). An empty field reads "(null)".
std::string renderN183Field(std::uint32_t dataType, std::uint32_t unitCode, const N183FieldTexts& texts);

// The unit name of a unit code as the shown text appends it, without the leading space
// ("Knots", "\xB0 Magnetic"); the reference-dependent codes look at the next field's letter.
std::string n183UnitText(std::uint32_t unitCode, std::string_view next);

// How many sentence fields after its own the definition takes over (its unit, hemisphere,
// side letter or the rest of a date): 0, 1 or 2.
unsigned n183FieldsTaken(const N183Field_s& field);

} // namespace StandardsLib
