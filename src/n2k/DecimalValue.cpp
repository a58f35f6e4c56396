#include "n2k/DecimalValue.h"

#include <cinttypes>
#include <cstdio>
#include <cstdlib>

namespace StandardsLib {

namespace {

constexpr int maxDecadeStep = static_cast<int>(powersOfTen.size()) - 1;

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

// A rescale of a plain magnitude; false when it does not fit.
bool rescaleMagnitude(std::uint64_t& magnitude, int fromExponent, int toExponent)
{
    int step = std::abs(fromExponent - toExponent);
    if (step > maxDecadeStep)
        return false;
    std::uint64_t power = static_cast<std::uint64_t>(powersOfTen[step]);
    if (toExponent > fromExponent) {
        magnitude = roundedDivide(magnitude, power);
        return true;
    }
    return !__builtin_mul_overflow(magnitude, power, &magnitude);
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

void subtractConstant(DecimalValue& value, std::int64_t constant, int constantExponent)
{
    if (!value.renderable() || constant == 0)
        return;
    DecimalValue subtrahend{constant, static_cast<std::int8_t>(constantExponent), 1, StatusValid};
    rescale(subtrahend, value.exponent);
    if (subtrahend.status != StatusValid
        || __builtin_sub_overflow(value.mantissa, subtrahend.mantissa, &value.mantissa))
        value.status = StatusOverflow;
}

const char* statusText(const DecimalValue& value)
{
    return fieldStatusText(value.multiplier == 0 ? StatusMultiplierZero : value.status);
}

std::string numberText(const DecimalValue& value, int decimals)
{
    if (!value.renderable())
        return statusText(value);
    // The sign is set aside and the magnitude is worked on: rounding and the multiplier's
    // truncating division are symmetric, and the most negative mantissa stays representable.
    bool negative = value.mantissa < 0;
    std::uint64_t magnitude = magnitudeOf(value.mantissa);
    int exponent = value.exponent;
    if (decimals >= 0) {
        if (!rescaleMagnitude(magnitude, exponent, -decimals))
            return fieldStatusText(StatusOverflow);
        exponent = -decimals;
    }
    if (value.multiplier >= 2) {
        if (__builtin_mul_overflow(magnitude, static_cast<std::uint64_t>(value.multiplier), &magnitude))
            return fieldStatusText(StatusOverflow);
    } else if (value.multiplier <= -2) {
        magnitude /= static_cast<std::uint64_t>(-value.multiplier);
    }

    char digits[32];
    int count = std::snprintf(digits, sizeof digits, "%" PRIu64, magnitude);
    std::string text(digits, static_cast<std::size_t>(count));
    if (exponent > 0) {
        text.append(static_cast<std::size_t>(exponent), '0');
    } else if (exponent < 0) {
        std::size_t fraction = static_cast<std::size_t>(-exponent);
        if (text.size() <= fraction)
            text.insert(0, fraction + 1 - text.size(), '0');
        text.insert(text.size() - fraction, 1, '.');
    }
    if (negative)
        text.insert(0, 1, '-');
    return text;
}

} // namespace StandardsLib
