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

std::string isoTimeText(std::uint64_t fileTime)
{
    if (fileTime > largestFileTime)
        return "Time Error";
    const std::uint64_t milliseconds = fileTime / ticksPerMillisecond;
    const std::uint64_t ofDay = milliseconds % millisecondsPerDay;
    // Civil date of a day count from 1601-01-01, by 400-year eras of 146097 days.
    std::uint64_t days = milliseconds / millisecondsPerDay;
    std::uint64_t year = 1601 + 400 * (days / 146097);
    days %= 146097;
    const auto leap = [](std::uint64_t y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; };
    while (days >= (leap(year) ? 366u : 365u)) {
        days -= leap(year) ? 366 : 365;
        ++year;
    }
    static constexpr std::uint8_t monthDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    unsigned month = 0;
    for (; month < 11; ++month) {
        const unsigned length = monthDays[month] + (month == 1 && leap(year) ? 1 : 0);
        if (days < length)
            break;
        days -= length;
    }
    char text[32];
    std::snprintf(text, sizeof text, "%04u-%02u-%02uT%02u:%02u:%02u.%03uZ", unsigned(year), month + 1,
                  unsigned(days) + 1, unsigned(ofDay / 3600000), unsigned(ofDay / 60000 % 60),
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
