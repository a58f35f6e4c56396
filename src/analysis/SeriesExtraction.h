#pragma once
// The values of one field across a whole loaded log, in file order. Only the field's own bits
// are read from each message of the PGN (or each sentence of the formatter); elements without a
// time and fields holding no value (sentinels, empty or malformed texts) are left out.
#include "analysis/N183NumericField.h"
#include "analysis/N2kNumericField.h"
#include "analysis/ElementWalk.h"
#include "analysis/SeriesSpec.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <variant>
#include <vector>

namespace KelpLib {
class ZRLDoc;
}

namespace ZrlAnalysis {

struct SeriesPoint {
    // The line of a point that stands for no message (a computed series such as the bus load).
    static constexpr std::uint32_t noLine = 0xFFFFFFFFu;

    double time;        // seconds since 1970-01-01 UTC
    double value;       // in the series' unit
    std::uint32_t line; // the element's position in the log (the list's "Line")
};

// A value as it was read, for a caller that prints it exactly.
struct SeriesReading {
    SeriesPoint point;
    const N2kReading* n2k = nullptr;
    const N183Reading* n183 = nullptr;
    // The value as a plain decimal with the field's exact resolution.
    std::string text() const;
};

class SeriesExtractor {
public:
    // The field the series names, or an error text; `knownNames` then lists the numeric field names of the
    // series' PGN or sentence (empty when the PGN or sentence itself is unknown).
    static std::variant<SeriesExtractor, std::string> make(const SeriesSpec& spec,
                                                            std::vector<std::string>* knownNames = nullptr);

    // Calls `visit` for every value in file order; false when cancelled.
    bool walk(const KelpLib::ZRLDoc& document, const std::function<void(const SeriesReading&)>& visit,
              const WalkControl& control = {}) const;
    // The points of every value; false (and a partial list) when cancelled.
    bool collect(const KelpLib::ZRLDoc& document, std::vector<SeriesPoint>& points,
                 const WalkControl& control = {}) const;

    // The unit of the values, as the details pane names it.
    std::string unit(const KelpLib::ZRLDoc& document) const;
    // "PGN name · field · source" (the middle dot as Latin-1 0xB7).
    std::string legend() const;
    const SeriesSpec& spec() const { return m_spec; }

private:
    SeriesExtractor(SeriesSpec spec, std::variant<N2kNumericField, N183NumericField> field);

    SeriesSpec m_spec;
    std::variant<N2kNumericField, N183NumericField> m_field;
};

} // namespace ZrlAnalysis
