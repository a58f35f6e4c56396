#include "analysis/BusLoadSeries.h"

#include "analysis/UtcTime.h"

namespace ZrlAnalysis {

BusLoadSeries busLoadSeries(const BusLoad& load)
{
    BusLoadSeries series;
    series.frames.reserve(load.frames.size());
    series.share.reserve(load.frames.size());
    const double start = unixSeconds(load.start);
    for (std::size_t second = 0; second < load.frames.size(); ++second) {
        const double time = start + double(second);
        series.frames.push_back({time, double(load.frames[second]), SeriesPoint::noLine});
        series.share.push_back({time, 100.0 * load.share(second), SeriesPoint::noLine});
    }
    return series;
}

}  // namespace ZrlAnalysis
