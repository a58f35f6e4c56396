#pragma once
// A decoded NMEA 2000 field named as the details pane names it, found in every PGN definition
// that has a field of that name, and read from one message at a time.
#include "n2k/LibN2KTables.h"
#include "n2k/N2KPayload.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace KelpLib {

class ZRLElement;

// One occurrence of a field as the details pane's "Data" column shows it. A value that reads as
// a number (with an enumerated text after it, as degrees and minutes, or as a time of day in
// seconds) also has that number.
struct DecodedValue {
    std::string text;
    std::optional<double> number;
};

class DecodedField {
public:
    // Every definition's fields called `name`. Empty when no definition has one.
    explicit DecodedField(std::string name);

    const std::string& name() const { return name_; }
    bool exists() const { return !definitionRows_.empty(); }

    // Calls `visit` with each occurrence of the field in the message (a repeating block may hold
    // several) until it returns true; true when one did. An occurrence whose value is missing or
    // a sentinel ("Data not available", "Out of range", "Reserved", ...) is not visited.
    bool anyValue(const StandardsLib::N2KPayload& message, const std::function<bool(const DecodedValue&)>& visit) const;

    // True when some definition has a field of that name.
    static bool known(std::string_view name);

private:
    // The fields of that name of the definition in row r of the PGN table (most have none).
    const std::vector<const StandardsLib::LibN2KField_s*>* fieldsOfRow(std::uint32_t row) const;

    std::string name_;
    std::vector<std::vector<const StandardsLib::LibN2KField_s*>> definitionRows_; // by row
};

// The field's first value in the element's NMEA 2000 message as the details pane shows it, or
// an empty text when the element has no such message, the message no such field, or the value
// is a sentinel: the cell of a list column showing the field.
std::string decodedFieldText(const ZRLElement& element, const DecodedField& field);

// The number a rendered field value reads as, if any (see DecodedValue).
std::optional<double> renderedNumber(std::string_view text);

} // namespace KelpLib
