#pragma once
// The vessel's positions across a whole loaded log: PGNs 129025 and 129029 and the NMEA 0183
// sentences RMC, GGA and GLL, each only with a valid fix, in file order.
#include "analysis/SeriesExtraction.h"

#include <cstdint>
#include <string>
#include <vector>

namespace KelpLib {
class ZRLDoc;
}

namespace ZrlAnalysis {

struct TrackPoint {
    double time;       // seconds since 1970-01-01 UTC
    double latitude;   // degrees, south negative
    double longitude;  // degrees, west negative
    std::uint32_t line;
    const char* source; // "129025", "129029", "RMC", "GGA" or "GLL"
};

// Every valid fix of an element with a time that the view switches keep; false (and a partial
// list) when cancelled.
bool extractTrack(const KelpLib::ZRLDoc& document, std::vector<TrackPoint>& points, std::uint32_t viewFlags = 1,
                  const WalkControl& control = {});

} // namespace ZrlAnalysis
