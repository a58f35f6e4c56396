#pragma once
// One numeric field of one NMEA 2000 PGN definition, found by the name the details pane shows,
// read from a payload without laying out the other fields when its position is fixed.
#include "n2k/DecimalValue.h"
#include "n2k/LibN2KTables.h"
#include "n2k/N2KPayload.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace ZrlAnalysis {

// Which of the details pane's two value columns a value follows: "Data"/"Units" (the
// dictionary's unit) or "User Data"/"User Units" (the converted unit).
enum class UnitChoice { data, user };

// A read value: the exact decimal the field holds (for a float field, `isFloat` and only
// `number`), and the number in the chosen unit, shown with `decimals` decimals in the "User
// Data" column (-1: the exact decimal's own).
struct N2kReading {
    StandardsLib::DecimalValue exact;
    double number = 0;
    bool isFloat = false;
    int decimals = -1;
    // The value as the chosen column's plain decimal.
    std::string text() const;
};

class N2kNumericField {
public:
    // The numeric field named `name` of the definition of `pgn`, or nothing when the PGN has no
    // definition or no numeric field of that name.
    static std::optional<N2kNumericField> find(std::uint32_t pgn, const std::string& name);
    // The names of the numeric fields of the definition of `pgn`, in field order, each once.
    static std::vector<std::string> numericFieldNames(std::uint32_t pgn);
    // Whether a field of this dictionary entry holds a plottable number.
    static bool isNumeric(const StandardsLib::LibN2KField_s& field);

    // The value in the payload, or nothing when the field lies outside it, holds a sentinel
    // ("Data not available", "Out of range", "Reserved") or has no value in the chosen unit.
    std::optional<N2kReading> read(const StandardsLib::N2KPayload& payload, UnitChoice units) const;

    // The unit name the details pane shows beside the value in that column.
    std::string unitName(UnitChoice units) const;
    // Whether the "User Data" column has a value for this field.
    bool hasUserValue() const;

    const StandardsLib::LibN2KPGN_s& definition() const { return *m_definition; }
    const StandardsLib::LibN2KField_s& field() const { return *m_field; }
    const StandardsLib::LibN2KDD_s& dd() const { return *m_dd; }

private:
    N2kNumericField(const StandardsLib::LibN2KPGN_s& definition, const StandardsLib::LibN2KField_s& field,
                    const StandardsLib::LibN2KDD_s& dd);
    std::uint32_t locate(const StandardsLib::N2KPayload& payload) const;

    const StandardsLib::LibN2KPGN_s* m_definition;
    const StandardsLib::LibN2KField_s* m_field;
    const StandardsLib::LibN2KDD_s* m_dd;
};

// The instance byte of the payload when the definition has an instance field, else nothing.
std::optional<std::uint8_t> instanceOf(const StandardsLib::LibN2KPGN_s& definition,
                                       const StandardsLib::N2KPayload& payload);

} // namespace ZrlAnalysis
