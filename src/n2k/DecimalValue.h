#pragma once

#include "n2k/FieldStatus.h"

#include <array>
#include <cstdint>
#include <string>

namespace StandardsLib {

// A scaled integer: mantissa x multiplier x 10^exponent. A multiplier k >= 2 multiplies by k,
// k <= -2 divides by -k, 0 marks the value as unusable, 1 has no effect. Wide multipliers hold
// steps such as 4096 s or 1/2^38; a step with no exact short form (a degree step in radians)
// is held to seventeen significant digits.
struct DecimalValue {
    std::int64_t mantissa = 0;
    std::int8_t exponent = 0;
    std::int64_t multiplier = 1;
    std::uint32_t status = StatusValid;

    // Rendered as a number: valid, derived or out of range, with a usable multiplier.
    bool renderable() const { return status < StatusInvalid && multiplier != 0; }
};

// 10^0 to 10^16 as 64-bit integers.
inline constexpr std::array<std::int64_t, 17> powersOfTen = {
    1LL,
    10LL,
    100LL,
    1000LL,
    10000LL,
    100000LL,
    1000000LL,
    10000000LL,
    100000000LL,
    1000000000LL,
    10000000000LL,
    100000000000LL,
    1000000000000LL,
    10000000000000LL,
    100000000000000LL,
    1000000000000000LL,
    10000000000000000LL,
};

// Moves the value to `newExponent`, rounding half away from zero when decimals are dropped.
// Steps of 17 or more decades, or a mantissa that would not fit, give "Overflow Error".
// Values with a status of 3 or more are left alone.
void rescale(DecimalValue& value, int newExponent);

// Multiplies by mul / div, rounding the division half away from zero. Large mantissas first
// give up six decimals so the product fits. Values with a status of 3 or more are left alone.
void ratioScale(DecimalValue& value, std::int64_t mul, std::int64_t div);

// Folds the multiplier into the mantissa (multiplier 1 afterwards): exact where the product
// fits in 64 bits, else decimals are given up, rounded, until it fits; a division is made at
// the decimals of the value's own resolution, rounded. Values with a status of 3 or more are left alone.
void applyMultiplier(DecimalValue& value);

// Subtracts constant x 10^constantExponent from a renderable value.
void subtractConstant(DecimalValue& value, std::int64_t constant, int constantExponent);

// The fixed text of the value's status ("Multipler set to zero" whenever the multiplier is 0).
const char* statusText(const DecimalValue& value);

// The decimals that show a resolution of multiplier x 10^exponent: all of them where every
// multiple has a short exact decimal form (0.25 -> 2), else down to the resolution's first
// significant digit and at least 8 (1/32 x 10^-6 -> 8, 1/2^38 -> 12).
int resolutionDecimals(std::int64_t multiplier, std::int8_t exponent);

// The value in decimal with `decimals` digits after the point (-1: the decimals of the value's
// own resolution), rounded, never truncated; the status text when the value is not renderable.
std::string numberText(const DecimalValue& value, int decimals);

} // namespace StandardsLib
