// The number and time texts of series and tracks, at their boundaries.
#include "analysis/N183NumericField.h"
#include "analysis/UtcTime.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace ZrlAnalysis;

TEST(N183Degrees, HemispheresAndMalformedTexts)
{
    struct Case {
        const char* text;
        const char* hemisphere;
        bool latitude;
        double degrees; // NAN: refused
    };
    const Case cases[] = {
        {"3351.408", "S", true, -33.8568}, {"07030.000", "W", false, -70.5}, {"5030", "N", true, 50.5},
        {"00000.0", "E", false, 0.0},      {"9000.000", "N", true, 90.0},     {"9000.001", "N", true, NAN},
        {"5060.000", "N", true, NAN},      {"5030.0", "E", true, NAN},        {"5030.0", "", true, NAN},
        {"-5030.0", "N", true, NAN},       {"50x0.0", "N", true, NAN},        {"503", "N", true, NAN},
        {"5.30.0", "N", true, NAN},        {"18000.1", "W", false, NAN},
    };
    for (const Case& c : cases) {
        const auto degrees = n183Degrees(c.text, c.hemisphere, c.latitude);
        if (std::isnan(c.degrees))
            EXPECT_FALSE(degrees) << c.text;
        else
            EXPECT_NEAR(degrees.value_or(999), c.degrees, 1e-12) << c.text;
    }
    EXPECT_FALSE(plainDecimal(""));
    EXPECT_FALSE(plainDecimal("-"));
    EXPECT_FALSE(plainDecimal("1.2.3"));
    EXPECT_EQ(plainDecimal("-12.50"), -12.5);
}

TEST(IsoUtcText, MillisecondsAndDates)
{
    EXPECT_EQ(isoUtcText(1704110400.25), "2024-01-01T12:00:00.250Z");
    EXPECT_EQ(isoUtcText(951782400.999), "2000-02-29T00:00:00.999Z");
    EXPECT_EQ(isoUtcText(-0.001), "1969-12-31T23:59:59.999Z");
    EXPECT_DOUBLE_EQ(unixSeconds(116444736000000000ULL + 12345678), 1.2345678);
}
