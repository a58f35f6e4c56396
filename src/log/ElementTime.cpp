#include "log/ElementTime.h"

#include <cstdio>

namespace KelpLib {

namespace {

constexpr std::uint64_t ticksPerMillisecond = 10000;
constexpr std::uint64_t millisecondsPerDay = 86400000;
// FILETIME values above the year 30827 (the largest the platform converts) are no time.
constexpr std::uint64_t largestFileTime = 0x7FFFFFFFFFFFFFFFull;

} // namespace

bool ElementTime::applyTimestamp(std::uint64_t t)
{
    if (checkOrder && static_cast<std::int64_t>(t - baseTime) < 0)
        return false;
    baseTime = t;
    hasTime = true;
    offsetMicros = 0;
    sequence = 0;
    return true;
}

std::string fileTimeText(std::uint64_t fileTime)
{
    if (fileTime > largestFileTime)
        return "Time Error";
    const std::uint64_t ofDay = (fileTime / ticksPerMillisecond) % millisecondsPerDay;
    char text[16];
    std::snprintf(text, sizeof text, "%02u:%02u:%02u.%03u", unsigned(ofDay / 3600000), unsigned(ofDay / 60000 % 60),
                  unsigned(ofDay / 1000 % 60), unsigned(ofDay % 1000));
    return text;
}

std::string ElementTime::text() const
{
    const std::uint64_t shown = baseTime + 10ull * offsetMicros;
    return shown < baseTime ? "Time Error" : fileTimeText(shown);
}

std::uint32_t ElementTime::colour() const
{
    if (!hasTime)
        return 0x0000FF;
    return sequence <= 1 ? 0x008000 : 0x00C0C0;
}

} // namespace KelpLib
