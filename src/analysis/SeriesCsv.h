#pragma once
// The series of a plot as one CSV table: "Time" (ISO 8601 UTC), then one column per series.
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace ZrlAnalysis {

// One column: its heading and its (time, value) pairs sorted by time.
struct CsvSeries {
    std::string name;
    std::vector<std::pair<double, double>> points;
};

// One row per distinct time, ascending; a series without a value at that time leaves its cell
// empty, and a series with several values at one time adds rows for the extra values. Headings
// are quoted; values are written with up to 10 significant digits. Lines end in CR LF.
void writeSeriesCsv(std::ostream& out, const std::vector<CsvSeries>& series);

} // namespace ZrlAnalysis
