#pragma once
// Element times (FILETIME: 100 ns ticks since 1601-01-01 UTC) as plot times and as text.
#include <cstdint>
#include <optional>
#include <string>

namespace KelpLib {
class ZRLElement;
}

namespace ZrlAnalysis {

// Seconds since 1970-01-01 UTC of an element's time; nothing for an element without a time or
// with a time that is no valid date.
std::optional<double> elementSeconds(const KelpLib::ZRLElement& element);

// Seconds since 1970-01-01 UTC of a FILETIME.
double unixSeconds(std::uint64_t fileTime);

// ISO 8601 UTC with milliseconds: "2024-01-01T12:00:00.250Z" (milliseconds truncated).
std::string isoUtcText(double unixSeconds);

} // namespace ZrlAnalysis
