#pragma once
// One numeric field of one NMEA 0183 sentence definition, found by formatter and field name.
#include "n183/N183Sentence.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace KelpLib {
struct N183SentenceView;
}

namespace ZrlAnalysis {

// A read value: the number (hemisphere, side or direction letters give the sign: south, west
// and left are negative) and its text as a plain decimal.
struct N183Reading {
    double number = 0;
    std::string text;
};

class N183NumericField {
public:
    // The numeric field named `name` of the sentence with formatter `formatter` ("RMC"), or
    // nothing when the library has no such sentence or no numeric field of that name.
    static std::optional<N183NumericField> find(const std::string& formatter, const std::string& name);
    // The names of the sentence's numeric fields, in definition order.
    static std::vector<std::string> numericFieldNames(const std::string& formatter);
    static bool isNumeric(const StandardsLib::N183Field_s& field);

    // The value of a parsed sentence of this formatter; nothing for an empty or malformed field.
    std::optional<N183Reading> read(const KelpLib::N183SentenceView& sentence) const;
    // The unit name, decided by the first sentence's reference letter where the unit depends on it.
    std::string unitName(const KelpLib::N183SentenceView& sentence) const;

    const StandardsLib::N183Sentence_s& sentence() const { return *m_sentence; }
    const StandardsLib::N183Field_s& field() const { return *m_field; }
    const std::string& formatter() const { return m_formatter; }

private:
    N183NumericField(std::string formatter, const StandardsLib::N183Sentence_s& sentence,
                     const StandardsLib::N183Field_s& field);

    std::string m_formatter;
    const StandardsLib::N183Sentence_s* m_sentence;
    const StandardsLib::N183Field_s* m_field;
};

// A plain decimal number ("-12.50", "7"): an optional sign, digits, at most one point. Nothing
// for any other text.
std::optional<double> plainDecimal(std::string_view text);

// Degrees of a "ddmm.mmmm" (latitude, 2 degree digits) or "dddmm.mmmm" (longitude, 3) field
// with its hemisphere letter; nothing for a malformed text, minutes of 60 or more, or a letter
// other than N/S (latitude) or E/W (longitude).
std::optional<double> n183Degrees(std::string_view text, std::string_view hemisphere, bool isLatitude);

} // namespace ZrlAnalysis
