#pragma once
// What one series plots: a numeric field of an NMEA 2000 PGN definition (from one source and,
// where the definition has an instance field, one instance) or of an NMEA 0183 sentence.
#include "analysis/N2kNumericField.h"

#include <cstdint>
#include <optional>
#include <string>

namespace ZrlAnalysis {

struct SeriesSpec {
    std::uint32_t pgn = 0;   // NMEA 2000 when `formatter` is empty
    std::string formatter;   // NMEA 0183: "RMC"
    std::string field;       // the field's name as the details pane shows it
    std::optional<std::uint8_t> source;   // NMEA 2000: every source when absent
    std::optional<std::uint8_t> instance; // NMEA 2000: every instance when absent
    UnitChoice units = UnitChoice::data;
    std::uint32_t viewFlags = 1; // elements these view switches hide are left out

    bool isN183() const { return !formatter.empty(); }
    bool operator==(const SeriesSpec&) const = default;
};

} // namespace ZrlAnalysis
