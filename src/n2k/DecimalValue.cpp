#include "n2k/DecimalValue.h"

#include "n2k/FieldSentinel.h"

#include <algorithm>
#include <climits>

#include <cinttypes>
#include <cstdio>
#include <cstdlib>

namespace StandardsLib {

namespace {

constexpr int maxDecadeStep = static_cast<int>(powersOfTen.size()) - 1;
// A resolution whose multiples have no short exact decimal form is shown to its first
// significant digit, and to at least this many decimals.
constexpr int maxRoundedDecimals = 8;

// Truncating division of a magnitude rounded half away from zero: the remainder decides.
std::uint64_t roundedDivide(std::uint64_t magnitude, std::uint64_t divisor)
{
    std::uint64_t quotient = magnitude / divisor;
    if ((magnitude % divisor) >= divisor - divisor / 2)
        ++quotient;
    return quotient;
}

std::uint64_t magnitudeOf(std::int64_t v)
{
    return v < 0 ? 0 - static_cast<std::uint64_t>(v) : static_cast<std::uint64_t>(v);
}

std::int64_t signedDivideRounded(std::int64_t v, std::int64_t divisor)
{
    std::uint64_t q = roundedDivide(magnitudeOf(v), static_cast<std::uint64_t>(divisor));
    return v < 0 ? -static_cast<std::int64_t>(q) : static_cast<std::int64_t>(q);
}

int decimalDigits(std::uint64_t v)
{
    int digits = 1;
    for (; v >= 10; v /= 10)
        ++digits;
    return digits;
}

// 10^n as an unsigned 128-bit integer, which holds up to 10^38.
constexpr int maxWideDecades = 38;
unsigned __int128 wideTen(int n)
{
    if (n <= maxDecadeStep)
        return static_cast<std::uint64_t>(powersOfTen[n]);
    unsigned __int128 power = static_cast<std::uint64_t>(powersOfTen[maxDecadeStep]);
    for (; n > maxDecadeStep; --n)
        power *= 10;
    return power;
}

} // namespace

void rescale(DecimalValue& value, int newExponent)
{
    if (value.status >= StatusInvalid || value.exponent == newExponent)
        return;
    if (newExponent < INT8_MIN || newExponent > INT8_MAX) {
        value.status = StatusOverflow;
        return;
    }
    int step = std::abs(value.exponent - newExponent);
    if (step > maxDecadeStep) {
        value.status = StatusOverflow;
        return;
    }
    if (newExponent > value.exponent) {
        value.mantissa = signedDivideRounded(value.mantissa, powersOfTen[step]);
    } else if (__builtin_mul_overflow(value.mantissa, powersOfTen[step], &value.mantissa)) {
        value.status = StatusOverflow;
        return;
    }
    value.exponent = static_cast<std::int8_t>(newExponent);
}

void ratioScale(DecimalValue& value, std::int64_t mul, std::int64_t div)
{
    if (value.status >= StatusInvalid)
        return;
    if (mul != 1) {
        constexpr std::int64_t headroom = 9223372036854LL;
        if (value.mantissa > headroom || value.mantissa < -headroom) {
            if (value.exponent > INT8_MAX - 6) {
                value.status = StatusOverflow;
                return;
            }
            value.mantissa /= powersOfTen[6];
            value.exponent = static_cast<std::int8_t>(value.exponent + 6);
        }
        if (__builtin_mul_overflow(value.mantissa, mul, &value.mantissa)) {
            value.status = StatusOverflow;
            return;
        }
    }
    if (div > 1)
        value.mantissa = signedDivideRounded(value.mantissa, div);
}

void applyMultiplier(DecimalValue& value)
{
    const std::int64_t multiplier = value.multiplier;
    if (value.status >= StatusInvalid || multiplier == 1 || multiplier == 0)
        return;
    if (multiplier <= -2) {
        rescale(value, std::min<int>(value.exponent, -resolutionDecimals(multiplier, value.exponent)));
        value.multiplier = 1;
        ratioScale(value, 1, static_cast<std::int64_t>(magnitudeOf(multiplier)));
        return;
    }
    value.multiplier = 1;
    __int128 product = static_cast<__int128>(value.mantissa) * multiplier;
    while (product > INT64_MAX || product < -INT64_MAX) {
        if (value.exponent == INT8_MAX) {
            value.status = StatusOverflow;
            return;
        }
        const __int128 half = product < 0 ? -5 : 5;
        product = (product + half) / 10;
        ++value.exponent;
    }
    value.mantissa = static_cast<std::int64_t>(product);
}

void subtractConstant(DecimalValue& value, std::int64_t constant, int constantExponent)
{
    if (!value.renderable() || constant == 0)
        return;
    DecimalValue subtrahend{.mantissa = constant, .exponent = static_cast<std::int8_t>(constantExponent)};
    rescale(subtrahend, value.exponent);
    if (subtrahend.status != StatusValid
        || __builtin_sub_overflow(value.mantissa, subtrahend.mantissa, &value.mantissa))
        value.status = StatusOverflow;
}

const char* statusText(const DecimalValue& value)
{
    return sentinelText(value.multiplier == 0 ? StatusMultiplierZero : value.status);
}

int resolutionDecimals(std::int64_t multiplier, std::int8_t exponent)
{
    const int own = exponent < 0 ? -exponent : 0;
    if (multiplier > -2 && multiplier < 2)
        return own;
    const std::uint64_t magnitude = magnitudeOf(multiplier);
    if (multiplier >= 2) {
        // Every multiple is exact at the exponent's decimals; a long multiplier (a step with no
        // short exact form) is shown down to its first significant digit.
        const int leading = -exponent - (decimalDigits(magnitude) - 1);
        return std::max(0, std::min(own, std::max(maxRoundedDecimals, leading)));
    }
    std::uint64_t divisor = magnitude;
    int twos = 0;
    int fives = 0;
    while (divisor % 2 == 0) {
        divisor /= 2;
        ++twos;
    }
    while (divisor % 5 == 0) {
        divisor /= 5;
        ++fives;
    }
    // 1/d has its first significant digit at decimal ceil(log10(d)).
    const int leading = -exponent + decimalDigits(magnitude - 1);
    const int exact = divisor == 1 ? -exponent + std::max(twos, fives) : INT_MAX;
    return std::max(0, std::min(exact, std::max(maxRoundedDecimals, leading)));
}

std::string numberText(const DecimalValue& value, int decimals)
{
    if (!value.renderable())
        return statusText(value);
    // The sign is set aside and the magnitude is worked on: the result is the magnitude times
    // the multiplier times 10^(exponent + decimals), one quotient rounded once.
    const bool ownResolution = decimals < 0;
    if (ownResolution)
        decimals = resolutionDecimals(value.multiplier, value.exponent);
    const bool negative = value.mantissa < 0;
    unsigned __int128 numerator = magnitudeOf(value.mantissa);
    unsigned __int128 denominator = 1;
    if (value.multiplier >= 2)
        numerator *= magnitudeOf(value.multiplier);
    else if (value.multiplier <= -2)
        denominator = magnitudeOf(value.multiplier);
    const int shift = value.exponent + decimals;
    if (std::abs(shift) > maxWideDecades)
        return fieldStatusText(StatusOverflow);
    if (__builtin_mul_overflow(shift > 0 ? numerator : denominator, wideTen(std::abs(shift)),
                               shift > 0 ? &numerator : &denominator))
        return fieldStatusText(StatusOverflow);
    unsigned __int128 quotient = numerator / denominator;
    const unsigned __int128 twiceRemainder = (numerator % denominator) * 2;
    // Halfway at the value's own resolution goes to the even digit; asked-for decimals round
    // half away from zero.
    if (twiceRemainder > denominator || (twiceRemainder == denominator && (!ownResolution || (quotient & 1) != 0)))
        ++quotient;
    if (quotient > UINT64_MAX)
        return fieldStatusText(StatusOverflow);

    char digits[32];
    int count = std::snprintf(digits, sizeof digits, "%" PRIu64, static_cast<std::uint64_t>(quotient));
    std::string text(digits, static_cast<std::size_t>(count));
    if (decimals > 0) {
        const auto fraction = static_cast<std::size_t>(decimals);
        if (text.size() <= fraction)
            text.insert(0, fraction + 1 - text.size(), '0');
        text.insert(text.size() - fraction, 1, '.');
    }
    if (negative)
        text.insert(0, 1, '-');
    return text;
}

} // namespace StandardsLib
