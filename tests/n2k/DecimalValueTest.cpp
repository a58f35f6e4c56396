#include "n2k/DecimalValue.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>

using namespace StandardsLib;

namespace {

DecimalValue value(std::int64_t mantissa, int exponent, std::int64_t multiplier = 1, std::uint32_t status = StatusValid)
{
    return {mantissa, static_cast<std::int8_t>(exponent), multiplier, status};
}

std::string described(const DecimalValue& v)
{
    return std::to_string(v.mantissa) + "e" + std::to_string(v.exponent) + " s" + std::to_string(v.status);
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
        {5, 0, 1, 2, "5.00"},            // more decimals than the value carries
        {3, 0, 36, -1, "108"},           // multiplier multiplies
        {10, 0, -4, -1, "2.50"},         // negative multiplier divides, at its resolution's decimals
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
        {1, 0, -128, -1, "0.0078125"},                    // wide divisors, 1/2^7: exact
        {65535, 0, -2097152, -1, "0.03124952"},           // 1/2^21: rounded at 8
        {-1000, 0, -274877906944, -1, "-0.000000003638"}, // 1/2^38: to its first significant digit
        {100000, -21, 17453292519943296, -1, "1.74532925"}, // 0.001 degree in radians
        {LLONG_MAX, 0, LLONG_MAX, 2, "Overflow Error"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(numberText(value(c.mantissa, c.exponent, c.multiplier), c.decimals), c.text)
            << c.mantissa << "e" << c.exponent << " x" << c.multiplier << " d" << c.decimals;
}

// A value that is not renderable (invalid or worse, or a zero multiplier, which wins over the
// status) shows its status text; out of range is still a number.
TEST(NumberText, UnrenderableGivesStatusText)
{
    EXPECT_EQ(numberText(value(65535, 0, 1, StatusDataNotAvailable), -1), "Data not available");
    EXPECT_EQ(numberText(value(65533, 0, 1, StatusReserved), -1), "Reserved");
    EXPECT_EQ(numberText(value(65534, 0, 1, StatusOutOfRange), -1), "65534");
    EXPECT_EQ(numberText(value(5, 0, 1, StatusInvalid), -1), "Invalid");
    EXPECT_EQ(numberText(value(12, 0, 0), -1), "Multipler set to zero");
    EXPECT_STREQ(statusText(value(5, 0, 0, StatusDataNotAvailable)), "Multipler set to zero");
}

// The value arithmetic: rescaling rounds half away from zero and refuses what does not fit, the
// unit ratio rounds symmetrically (large mantissas give up six decimals first), a constant is
// rounded to the value's exponent; values that are not renderable are left as they are.
TEST(DecimalArithmetic, RescaleRatioAndConstant)
{
    using Op = std::function<void(DecimalValue&)>;
    const Op toUnits = [](DecimalValue& v) { rescale(v, 0); };
    const Op toMillis = [](DecimalValue& v) { rescale(v, -3); };
    const Op knots = [](DecimalValue& v) { ratioScale(v, 900, 463); };
    const Op kelvin = [](DecimalValue& v) { subtractConstant(v, 27315, -2); };
    const struct {
        DecimalValue in;
        Op op;
        const char* out;
    } cases[] = {
        {value(15, -1), toUnits, "2e0 s0"},
        {value(-15, -1), toUnits, "-2e0 s0"},
        {value(-14, -1), toUnits, "-1e0 s0"},
        {value(7, 0), toMillis, "7000e-3 s0"},
        {value(7, 0), [](DecimalValue& v) { rescale(v, -17); }, "7e0 s9"},
        {value(LLONG_MAX / 10, 0), [](DecimalValue& v) { rescale(v, -2); }, "* s9"},
        {value(7, 0, 1, StatusDataNotAvailable), toMillis, "7e0 s4"},
        {value(1000, -2), knots, "1944e-2 s0"},
        {value(-1000, -2), knots, "-1944e-2 s0"},
        {value(9223372036855LL * 1000, -16), [](DecimalValue& v) { ratioScale(v, 4068, 71); },
         "528460245668e-10 s0"},
        {value(5, 0, 1, StatusInvalid), [](DecimalValue& v) { ratioScale(v, 10, 1); }, "5e0 s3"},
        {value(29315, -2), kelvin, "2000e-2 s0"},
        {value(2931, -1), kelvin, "199e-1 s0"},
        {value(100, 0, 1, StatusDataNotAvailable), kelvin, "100e0 s4"},
    };
    for (const auto& c : cases) {
        DecimalValue v = c.in;
        c.op(v);
        const std::string got = described(v); // "*": the status only
        EXPECT_EQ(c.out[0] == '*' ? "*" + got.substr(got.find(' ')) : got, c.out) << described(c.in);
    }
}
