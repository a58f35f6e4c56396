#pragma once
// Where a plotted line breaks: a dropout longer than a multiple of the series' usual interval.
#include <cstddef>
#include <vector>

namespace ZrlAnalysis {

constexpr double gapFactor = 5.0;

// The median of the intervals between consecutive times (sorted ascending); 0 for fewer than
// two times.
double medianInterval(const std::vector<double>& times);

// The indexes i (ascending) whose interval from time i - 1 is longer than `factor` x the median
// interval: a line is not drawn across them. None when the median interval is 0.
std::vector<std::size_t> gapsBefore(const std::vector<double>& times, double factor = gapFactor);

} // namespace ZrlAnalysis
