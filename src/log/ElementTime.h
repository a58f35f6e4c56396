#pragma once

#include <cstdint>
#include <string>

namespace KelpLib {

// The time record of an element: the time base of the last accepted timestamp (Windows
// FILETIME, 100 ns since 1601-01-01 UTC), an offset from it, and how many elements were made
// since the base was set.
struct ElementTime {
    std::uint64_t baseTime = 0;
    std::uint32_t offsetMicros = 0;
    std::uint16_t sequence = 0; // saturates at 65535
    bool hasTime = false;
    bool checkOrder = true;

    void advanceSequence()
    {
        if (sequence != 0xFFFF)
            ++sequence;
    }
    // Accepts t unless checkOrder is on and t lies before the base; false when refused.
    bool applyTimestamp(std::uint64_t t);

    // baseTime + 10 × offsetMicros as "%02d:%02d:%02d.%03d" (UTC), or "Time Error".
    std::string text() const;
    // Red before any timestamp, green for the two elements right after one, else 0x00C0C0.
    std::uint32_t colour() const;
};

// A FILETIME as "hh:mm:ss.mmm" in UTC, or "Time Error" when it is no valid time.
std::string fileTimeText(std::uint64_t fileTime);

// A FILETIME as ISO 8601 UTC with milliseconds, "yyyy-mm-ddThh:mm:ss.mmmZ", or "Time Error"
// when it is no valid time.
std::string isoTimeText(std::uint64_t fileTime);

} // namespace KelpLib
