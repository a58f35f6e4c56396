#include "n2k/FieldText.h"

#include "common/SafeFormat.h"

#include <array>
#include <cmath>
#include <cstdlib>

namespace StandardsLib {

namespace {

struct Angle {
    unsigned degrees;
    double minutes;
    bool negative;
};

Angle splitDegrees(const DecimalValue& value)
{
    double deg = static_cast<double>(value.mantissa) * std::pow(10.0, value.exponent);
    double magnitude = std::fabs(deg);
    double whole = std::trunc(magnitude);
    return {static_cast<unsigned>(whole), (magnitude - whole) * 60.0, deg < 0};
}

constexpr std::int64_t daysFrom1968To1970 = 731;
constexpr std::int64_t daysInFourYears = 1461;

} // namespace

std::string latitudeText(const DecimalValue& value)
{
    Angle a = splitDegrees(value);
    return CommonLib::safeFormat("%02u\xB0 %09.6lf' %c", a.degrees, a.minutes, a.negative ? 'S' : 'N');
}

std::string longitudeText(const DecimalValue& value)
{
    Angle a = splitDegrees(value);
    return CommonLib::safeFormat("%02u\xB0 %09.6f' %c", a.degrees, a.minutes, a.negative ? 'W' : 'E');
}

std::string dateText(std::int64_t daysSince1970)
{
    // Days are counted from 1968, the first leap year of a four-year cycle before 1970.
    std::int64_t count = daysSince1970 + daysFrom1968To1970;
    if (count < 0 || daysSince1970 > 100000000)
        return fieldStatusText(StatusInvalid);
    std::int64_t cycles = count / daysInFourYears;
    std::int64_t day = count % daysInFourYears;
    int yearInCycle = 0;
    if (day >= 366) {
        day -= 366;
        yearInCycle = 1;
        while (yearInCycle < 3 && day >= 365) {
            day -= 365;
            ++yearInCycle;
        }
    }
    std::array<int, 12> monthDays = {31, yearInCycle == 0 ? 29 : 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    unsigned month = 0;
    while (month < 11 && day >= monthDays[month]) {
        day -= monthDays[month];
        ++month;
    }
    auto year = static_cast<unsigned>(1968 + 4 * cycles + yearInCycle);
    return CommonLib::safeFormat("%02u/%02u/%02u", static_cast<unsigned>(day + 1), month + 1, year);
}

std::string timeOfDayText(const DecimalValue& value)
{
    DecimalValue micro = value;
    rescale(micro, -6);
    if (!micro.renderable())
        return statusText(micro);
    std::uint64_t magnitude = micro.mantissa < 0 ? 0 - static_cast<std::uint64_t>(micro.mantissa)
                                                 : static_cast<std::uint64_t>(micro.mantissa);
    const char* sign = micro.mantissa < 0 ? "-" : "";
    std::uint64_t seconds = magnitude / 1000000;
    auto hours = static_cast<unsigned long long>(seconds / 3600);
    auto minutes = static_cast<unsigned>((seconds % 3600) / 60);
    auto secs = static_cast<unsigned>(seconds % 60);
    auto millis = static_cast<unsigned>((magnitude - seconds * 1000000) / 1000);
    if (millis != 0)
        return CommonLib::safeFormat("%s%02llu:%02u:%02u.%03u", sign, hours, minutes, secs, millis);
    return CommonLib::safeFormat("%s%02llu:%02u:%02u", sign, hours, minutes, secs);
}

std::string dscAddressText(const std::uint8_t* bytes, std::size_t count)
{
    if (bytes == nullptr || count != 5)
        return "Error - DSC Message address not 5 bytes";
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        if (bytes[i] < 100) {
            text.push_back(static_cast<char>('0' + bytes[i] / 10));
            text.push_back(static_cast<char>('0' + bytes[i] % 10));
        }
    }
    return text;
}

namespace {

bool endsText(std::uint32_t c) { return c == 0x00 || c == 0xFF || c == 0xFFFF; }

// Appends one character; control characters read as a space.
void appendClean(std::string& text, std::uint32_t c)
{
    if (c < 0x20 || (c >= 0x7F && c < 0xA0))
        text.push_back(' ');
    else if (c > 0xFF)
        text.push_back('?');
    else
        text.push_back(static_cast<char>(c));
}

void trimPadding(std::string& text)
{
    while (!text.empty() && (text.back() == ' ' || text.back() == '@'))
        text.pop_back();
}

} // namespace

std::string cleanText(const std::uint8_t* bytes, std::size_t count)
{
    std::string text;
    if (bytes == nullptr)
        return text;
    for (std::size_t i = 0; i < count && !endsText(bytes[i]); ++i)
        appendClean(text, bytes[i]);
    trimPadding(text);
    return text;
}

std::string cleanUtf16Text(const std::uint8_t* bytes, std::size_t count)
{
    std::string text;
    if (bytes == nullptr)
        return text;
    for (std::size_t i = 0; i + 1 < count; i += 2) {
        const std::uint32_t c = bytes[i] | (std::uint32_t(bytes[i + 1]) << 8);
        if (c == 0x0000 || c == 0xFFFF)
            break;
        appendClean(text, c);
    }
    trimPadding(text);
    return text;
}

std::string binaryDigitsText(std::uint64_t value, std::uint32_t width)
{
    if (width > 64)
        width = 64;
    std::string text(width, '0');
    for (std::uint32_t i = 0; i < width; ++i)
        if ((value >> i) & 1)
            text[width - 1 - i] = '1';
    return text;
}

} // namespace StandardsLib
