#include "analysis/UtcTime.h"

#include "log/ZRLElement.h"

#include <chrono>
#include <cmath>
#include <cstdio>

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
    using namespace std::chrono;
    // Rounded to the microsecond first, so a time made of whole milliseconds keeps them.
    const auto micros = std::llround(seconds * 1e6);
    const sys_time<milliseconds> t{milliseconds(micros >= 0 ? micros / 1000 : -((-micros + 999) / 1000))};
    const auto day = floor<days>(t);
    const year_month_day date{day};
    const hh_mm_ss<milliseconds> clock{t - day};
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02d:%02d:%02d.%03dZ", int(date.year()), unsigned(date.month()),
                  unsigned(date.day()), int(clock.hours().count()), int(clock.minutes().count()),
                  int(clock.seconds().count()), int(clock.subseconds().count()));
    return text;
}

} // namespace ZrlAnalysis
