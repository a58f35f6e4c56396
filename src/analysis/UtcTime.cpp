#include "analysis/UtcTime.h"

#include "log/ElementTime.h"
#include "log/ZRLElement.h"

#include <cmath>

namespace ZrlAnalysis {

namespace {

constexpr std::uint64_t ticksPerSecond = 10000000;
constexpr std::uint64_t unixEpochTicks = 116444736000000000ULL;
// 9999-12-31T23:59:59 in FILETIME ticks: the last time the text form can carry.
constexpr std::uint64_t largestFileTime = 2650467743990000000ULL;

} // namespace

double unixSeconds(std::uint64_t fileTime)
{
    // Whole seconds and the rest apart, so the ticks survive the double.
    return double(std::int64_t(fileTime / ticksPerSecond) - std::int64_t(unixEpochTicks / ticksPerSecond)) +
           double(fileTime % ticksPerSecond) / double(ticksPerSecond);
}

std::optional<double> elementSeconds(const KelpLib::ZRLElement& element)
{
    const KelpLib::ElementTime time = element.time();
    const std::uint64_t shown = time.baseTime + 10ull * time.offsetMicros;
    if (!time.hasTime || shown < time.baseTime || shown > largestFileTime)
        return std::nullopt;
    return unixSeconds(shown);
}

std::string isoUtcText(double seconds)
{
    // Rounded to the microsecond first, so a time made of whole milliseconds keeps them.
    const long long micros = std::llround(seconds * 1e6);
    return KelpLib::isoTimeText(std::uint64_t(std::int64_t(unixEpochTicks) + micros * 10));
}

} // namespace ZrlAnalysis
