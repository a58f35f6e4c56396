#pragma once
// Large generated logs for benchmarks, written once beside the build and kept between runs:
// generating one takes longer than loading it.
#include "support/ZrlWriter.h"

#include <cstdint>
#include <functional>
#include <random>
#include <string>

namespace ZrlTest {

// Appends one second of traffic to the writer.
using SecondOfTraffic = std::function<void(ZrlWriter& log, std::mt19937& random, std::uint32_t second)>;

// One second of a busy network: mostly framed and embedded NMEA 2000 messages, a GNSS fast
// packet as CAN frames, a few NMEA 0183 sentences and a little noise.
void appendBusySecond(ZrlWriter& log, std::mt19937& random, std::uint32_t second);

// The 256 MiB log of busy seconds the load and filter benchmarks share.
std::string busyNetworkLog();

// A busy second plus 60 messages of one proprietary PGN (130820): two makers' definitions and a
// maker none of its definitions names.
void appendMakersSecond(ZrlWriter& log, std::mt19937& random, std::uint32_t second);

// The 64 MiB log of such seconds the summary benchmark reads.
std::string makersNetworkLog();

// The path of `name` in the build folder, holding at least `size` bytes of seconds of traffic.
std::string cachedGeneratedLog(const std::string& name, std::size_t size, const SecondOfTraffic& appendSecond);

} // namespace ZrlTest
