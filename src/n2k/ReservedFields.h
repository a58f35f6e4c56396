#pragma once

#include <atomic>

namespace StandardsLib {

// Process-wide: when true, reserved bit fields render as empty text. Starts false; the
// desktop document turns it on once and nothing turns it off.
extern std::atomic<bool> reservedFieldsHidden;

} // namespace StandardsLib
