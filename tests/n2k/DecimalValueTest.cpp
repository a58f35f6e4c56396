#include "n2k/DecimalValue.h"

#include <gtest/gtest.h>

#include <climits>

using namespace StandardsLib;

namespace {

DecimalValue value(std::int64_t mantissa, int exponent, std::int64_t multiplier = 1, std::uint32_t status = StatusValid)
{
    return {mantissa, static_cast<std::int8_t>(exponent), multiplier, status};
}

} // namespace

TEST(FieldStatusText, EveryStatusHasItsText)
{
    const char* expected[] = {"Valid", "Derived", "Out of range", "Invalid", "Data not available", "Time Out",
                              "Error", "Sign Error", "Multipler set to zero", "Overflow Error", "RESERVED",
                              "N183 Units Incorrect", "N183 Units Missing", "No Data Yet",
                              "Access to the status flag was invalid", "Unknown field status!!"};
    for (std::uint32_t s = 0; s < 16; ++s)
        EXPECT_STREQ(fieldStatusText(s), expected[s]) << s;
    EXPECT_STREQ(fieldStatusText(16), "Unknown field status!!");
    EXPECT_STREQ(fieldStatusText(0xFFFFFFFF), "Unknown field status!!");
}

TEST(FieldStatusText, ZeroMultiplierWinsOverStatus)
{
    EXPECT_STREQ(statusText(value(5, 0, 0, StatusValid)), "Multipler set to zero");
    EXPECT_STREQ(statusText(value(5, 0, 0, StatusDataNotAvailable)), "Multipler set to zero");
    EXPECT_STREQ(statusText(value(5, 0, 1, StatusReserved)), "Reserved");
}

TEST(DecimalValue, RenderableBelowInvalidWithUsableMultiplier)
{
    EXPECT_TRUE(value(1, 0, 1, StatusOutOfRange).renderable());
    EXPECT_FALSE(value(1, 0, 1, StatusInvalid).renderable());
    EXPECT_FALSE(value(1, 0, 0, StatusValid).renderable());
}

TEST(PowersOfTen, SeventeenDecades)
{
    ASSERT_EQ(powersOfTen.size(), 17u);
    for (std::size_t i = 1; i < powersOfTen.size(); ++i)
        EXPECT_EQ(powersOfTen[i], powersOfTen[i - 1] * 10);
}

struct NumberCase {
    std::int64_t mantissa;
    int exponent;
    std::int64_t multiplier;
    int decimals;
    const char* text;
};

TEST(NumberText, Cases)
{
    const NumberCase cases[] = {
        {5, -2, 1, -1, "0.05"},
        {-12345, -3, 1, -1, "-12.345"},
        {7, 2, 1, -1, "700"},
        {12356, -4, 1, 2, "1.24"},
        {12345, -4, 1, 3, "1.235"},     // half rounds away from zero
        {-12345, -4, 1, 3, "-1.235"},
        {-1, -4, 1, 2, "-0.00"},         // the sign is kept even when the digits round to zero
        {0, -2, 1, -1, "0.00"},
        {0, 0, 1, -1, "0"},
        {1000, -2, 1, -1, "10.00"},
        {5, 0, 1, 2, "5.00"},            // more decimals than the value carries
        {3, 0, 36, -1, "108"},           // multiplier multiplies
        {10, 0, -4, -1, "2.50"},         // negative multiplier divides, at its resolution's decimals
        {-10, 0, -4, -1, "-2.50"},
        {12, -1, -4, -1, "0.300"},
        {3194, 0, -4, -1, "798.50"},     // engine speed, 0.25 rpm
        {-40212, -6, -32, -1, "-0.00125662"}, // rate of turn, 1/32 x 10^-6 rad/s: 8 decimals, halfway to even
        {-40213, -6, -32, -1, "-0.00125666"}, // rounded, not truncated (-0.00125665625)
        {10, 0, -36, -1, "0.27777778"},  // no exact decimal form: rounded at 8
        {7, -2, -3, 1, "0.0"},           // asked-for decimals round half away from zero
        {15, -2, -3, 2, "0.05"},
        {LLONG_MIN, 0, 1, -1, "-9223372036854775808"},
        {LLONG_MAX, -18, 1, -1, "9.223372036854775807"},
        {1, -16, 1, 0, "0"},
        {LLONG_MAX, 0, 1, 2, "Overflow Error"},   // rescaling would not fit
        {1, -39, 1, 0, "Overflow Error"},         // 39 decades is beyond 128 bits
        {0, -21, 1, 4, "0.0000"},                 // 17 decades
        {LLONG_MAX / 2, 0, 4, -1, "18446744073709551612"},  // the magnitude still fits
        {LLONG_MAX, 0, 4, -1, "Overflow Error"},
        {255, 0, 4096, -1, "1044480"},                    // wide multipliers and divisors
        {1, 0, -128, -1, "0.0078125"},                    // 1/2^7: exact
        {65535, 0, -2097152, -1, "0.03124952"},           // 1/2^21: rounded at 8
        {-1000, 0, -274877906944, -1, "-0.000000003638"}, // 1/2^38: to its first significant digit
        {100000, -21, 17453292519943296, -1, "1.74532925"}, // 0.001 degree in radians
        {LLONG_MAX, 0, LLONG_MAX, 2, "Overflow Error"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(numberText(value(c.mantissa, c.exponent, c.multiplier), c.decimals), c.text)
            << c.mantissa << "e" << c.exponent << " x" << c.multiplier << " d" << c.decimals;
}

TEST(NumberText, UnrenderableGivesStatusText)
{
    EXPECT_EQ(numberText(value(65535, 0, 1, StatusDataNotAvailable), -1), "Data not available");
    EXPECT_EQ(numberText(value(65533, 0, 1, StatusReserved), -1), "Reserved");
    EXPECT_EQ(numberText(value(65534, 0, 1, StatusOutOfRange), -1), "65534");
    EXPECT_EQ(numberText(value(12, 0, 0), -1), "Multipler set to zero");
}

TEST(Rescale, RoundsHalfAwayFromZeroAndMultiplies)
{
    DecimalValue v = value(15, -1);
    rescale(v, 0);
    EXPECT_EQ(v.mantissa, 2);
    EXPECT_EQ(v.exponent, 0);
    v = value(-15, -1);
    rescale(v, 0);
    EXPECT_EQ(v.mantissa, -2);
    v = value(-14, -1);
    rescale(v, 0);
    EXPECT_EQ(v.mantissa, -1);
    v = value(7, 0);
    rescale(v, -3);
    EXPECT_EQ(v.mantissa, 7000);
    EXPECT_EQ(v.exponent, -3);
}

TEST(Rescale, OverflowAndUnusableValues)
{
    DecimalValue v = value(7, 0);
    rescale(v, -17);
    EXPECT_EQ(v.status, StatusOverflow);
    EXPECT_EQ(v.mantissa, 7);
    v = value(LLONG_MAX / 10, 0);
    rescale(v, -2);
    EXPECT_EQ(v.status, StatusOverflow);
    v = value(7, 0, 1, StatusDataNotAvailable);
    rescale(v, -3);
    EXPECT_EQ(v.mantissa, 7);
    EXPECT_EQ(v.exponent, 0);
}

TEST(RatioScale, ConvertsAndRoundsSymmetrically)
{
    // 10.00 m/s in knots, both signs.
    DecimalValue v = value(1000, -2);
    ratioScale(v, 900, 463);
    EXPECT_EQ(numberText(v, 2), "19.44");
    v = value(-1000, -2);
    ratioScale(v, 900, 463);
    EXPECT_EQ(numberText(v, 2), "-19.44");
    // Large mantissas give up six decimals before the multiplication.
    v = value(9223372036855LL * 1000, -16);
    ratioScale(v, 4068, 71);
    EXPECT_EQ(v.exponent, -10);
    EXPECT_EQ(v.mantissa, (9223372036855LL * 1000 / 1000000 * 4068 + 35) / 71);
    v = value(5, 0, 1, StatusInvalid);
    ratioScale(v, 10, 1);
    EXPECT_EQ(v.mantissa, 5);
}

TEST(SubtractConstant, KelvinToCelsius)
{
    DecimalValue v = value(29315, -2);
    subtractConstant(v, 27315, -2);
    EXPECT_EQ(numberText(v, 2), "20.00");
    v = value(2931, -1);
    subtractConstant(v, 27315, -2);   // the constant is rounded to the value's exponent
    EXPECT_EQ(numberText(v, -1), "19.9");
    v = value(100, 0, 1, StatusDataNotAvailable);
    subtractConstant(v, 27315, -2);
    EXPECT_EQ(v.mantissa, 100);
}
