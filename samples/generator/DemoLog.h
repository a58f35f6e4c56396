#pragma once
#include "support/ZrlWriter.h"

namespace ZrlTest {

// The bytes of samples/demo.zrl: a deterministic 10-minute passage (see make_demo).
Bytes demoLog();

// The six-bit armoured payload of an AIS position report (message type 1).
std::string aisPositionReport(std::uint32_t mmsi, double latitude, double longitude, double sogKnots,
                              double cogDegrees, int headingDegrees, int second);

}  // namespace ZrlTest
