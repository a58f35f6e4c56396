#include "analysis/SeriesGaps.h"

#include <algorithm>

namespace ZrlAnalysis {

double medianInterval(const std::vector<double>& times)
{
    if (times.size() < 2)
        return 0;
    std::vector<double> intervals;
    intervals.reserve(times.size() - 1);
    for (std::size_t i = 1; i < times.size(); ++i)
        intervals.push_back(times[i] - times[i - 1]);
    const auto middle = intervals.begin() + std::ptrdiff_t(intervals.size() / 2);
    std::nth_element(intervals.begin(), middle, intervals.end());
    return *middle;
}

std::vector<std::size_t> gapsBefore(const std::vector<double>& times, double factor)
{
    std::vector<std::size_t> gaps;
    const double median = medianInterval(times);
    if (median <= 0)
        return gaps;
    for (std::size_t i = 1; i < times.size(); ++i)
        if (times[i] - times[i - 1] > factor * median)
            gaps.push_back(i);
    return gaps;
}

} // namespace ZrlAnalysis
