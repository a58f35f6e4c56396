#include "query/FilterLiterals.h"

#include <charconv>
#include <regex>
#include <string>

namespace KelpLib {

namespace {

int number(const std::csub_match& digits)
{
    return digits.matched ? std::stoi(digits.str()) : 0;
}

// ".5" -> 500, ".25" -> 250, ".125" -> 125; digits past the millisecond are dropped.
int millisOfFraction(const std::csub_match& fraction)
{
    if (!fraction.matched)
        return 0;
    std::string digits = fraction.str().substr(1, 3);
    digits.resize(3, '0');
    return std::stoi(digits);
}

std::optional<std::int64_t> millisOfDay(int hours, int minutes, int seconds, int millis)
{
    if (hours > 23 || minutes > 59 || seconds > 59)
        return std::nullopt;
    return ((std::int64_t(hours) * 60 + minutes) * 60 + seconds) * 1000 + millis;
}

// Days from 1970-01-01 of a proleptic Gregorian date.
std::int64_t daysFromCivil(std::int64_t year, unsigned month, unsigned day)
{
    year -= month <= 2;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const auto yearOfEra = static_cast<unsigned>(year - era * 400);
    const unsigned dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + static_cast<std::int64_t>(dayOfEra) - 719468;
}

bool validDate(int year, unsigned month, unsigned day)
{
    constexpr unsigned lengths[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (year < 1601 || month < 1 || month > 12 || day < 1 || day > lengths[month - 1])
        return false;
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month != 2 || day <= 28 || leap;
}

std::optional<Literal> integerLiteral(std::string_view text)
{
    const bool negative = !text.empty() && text.front() == '-';
    std::string_view digits = negative ? text.substr(1) : text;
    int base = 10;
    if (digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
        digits.remove_prefix(2);
        base = 16;
    }
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value, base);
    if (error != std::errc() || end != digits.data() + digits.size())
        return std::nullopt;
    Literal literal;
    literal.number = negative ? -double(value) : double(value);
    return literal;
}

std::optional<Literal> decimalLiteral(std::string_view text)
{
    static const std::regex form(R"(-?[0-9]+\.[0-9]+)");
    if (!std::regex_match(text.begin(), text.end(), form))
        return std::nullopt;
    Literal literal;
    literal.number = std::stod(std::string(text));
    return literal;
}

std::optional<Literal> timeOfDayLiteral(std::string_view text)
{
    static const std::regex form(R"(([0-9]{1,2}):([0-9]{2}):([0-9]{2})(\.[0-9]{1,3})?)");
    std::cmatch parts;
    if (!std::regex_match(text.begin(), text.end(), parts, form))
        return std::nullopt;
    const auto millis = millisOfDay(number(parts[1]), number(parts[2]), number(parts[3]), millisOfFraction(parts[4]));
    if (!millis)
        return std::nullopt;
    Literal literal;
    literal.kind = LiteralKind::TimeOfDay;
    literal.millis = *millis;
    return literal;
}

std::optional<Literal> dateTimeLiteral(std::string_view text)
{
    static const std::regex form(R"(([0-9]{4})-([0-9]{2})-([0-9]{2})T([0-9]{2}):([0-9]{2}):([0-9]{2})(\.[0-9]+)?)"
                                 R"((Z|([+-])([0-9]{2}):?([0-9]{2}))?)");
    std::cmatch parts;
    if (!std::regex_match(text.begin(), text.end(), parts, form))
        return std::nullopt;
    const int year = number(parts[1]);
    const auto month = static_cast<unsigned>(number(parts[2]));
    const auto day = static_cast<unsigned>(number(parts[3]));
    const auto ofDay = millisOfDay(number(parts[4]), number(parts[5]), number(parts[6]), millisOfFraction(parts[7]));
    if (!ofDay || !validDate(year, month, day) || number(parts[10]) > 23 || number(parts[11]) > 59)
        return std::nullopt;
    const std::int64_t offset = (std::int64_t(number(parts[10])) * 60 + number(parts[11])) * 60000;
    Literal literal;
    literal.kind = LiteralKind::DateTime;
    literal.millis = millisSince1601(year, month, day, *ofDay) - (parts[9].str() == "-" ? -offset : offset);
    return literal;
}

} // namespace

std::int64_t millisSince1601(int year, unsigned month, unsigned day, std::int64_t millisOfDay)
{
    constexpr std::int64_t days1601To1970 = 134774;
    return (daysFromCivil(year, month, day) + days1601To1970) * millisPerDay + millisOfDay;
}

std::optional<Literal> parseValueLiteral(std::string_view text)
{
    for (auto parse : {integerLiteral, decimalLiteral, timeOfDayLiteral, dateTimeLiteral})
        if (auto literal = parse(text)) {
            literal->text = text;
            return literal;
        }
    return std::nullopt;
}

} // namespace KelpLib
