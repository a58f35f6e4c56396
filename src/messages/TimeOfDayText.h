#pragma once

#include <cstdint>
#include <string>

namespace KelpLib {

// The time of day that a message's time word stands for: its low 16 bits count 1/65536 of a
// day, so s = (t mod 65536) × 675 / 512 whole seconds since midnight. The text is
// "%02u:%02u:%02u:%03u" (hours, minutes, seconds, milliseconds); the word is too coarse for
// milliseconds, which always read 000. 32768 is "12:00:00:000", 65535 "23:59:58:000".
std::string timeOfDayText(std::uint32_t timeWord);

} // namespace KelpLib
