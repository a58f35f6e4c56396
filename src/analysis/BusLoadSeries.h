#pragma once
// The bus load as two plot series on the time axis of the other series: frames per second and
// the estimated share of a 250 kbit/s bus in percent. Their points stand for no message.
#include "analysis/NetworkTables.h"
#include "analysis/SeriesExtraction.h"

#include <vector>

namespace ZrlAnalysis {

struct BusLoadSeries {
    std::vector<SeriesPoint> frames;  // frames/s, one point per second of the log
    std::vector<SeriesPoint> share;   // % of 250 kbit/s
};

BusLoadSeries busLoadSeries(const BusLoad& load);

}  // namespace ZrlAnalysis
