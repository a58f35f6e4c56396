#include "n183/N183FieldText.h"

#include "n183/N183Codes.h"

namespace StandardsLib {

namespace {

namespace T = N183DataType;
namespace U = N183Unit;

constexpr std::string_view kNull = "(null)";
constexpr std::string_view kDegree = "\xB0";

// `text` with `insert` placed after its first `first` characters and, when second > 0,
// also after its first `second` characters (second > first). A text too short for the last
// insertion is returned as it stands.
std::string withInsertions(std::string_view text, std::string_view insert, std::size_t first,
                           std::size_t second = 0) {
    const std::size_t last = second > first ? second : first;
    if (text.size() < last)
        return std::string(text);
    std::string out;
    out.reserve(text.size() + 2 * insert.size());
    out.append(text.substr(0, first)).append(insert);
    if (second > first)
        out.append(text.substr(first, second - first)).append(insert).append(text.substr(second));
    else
        out.append(text.substr(first));
    return out;
}

std::string joined(std::string_view a, std::string_view separator, std::string_view b) {
    std::string out;
    out.reserve(a.size() + separator.size() + b.size());
    return out.append(a).append(separator).append(b);
}

std::string position(std::string_view own, std::string_view hemisphere, std::size_t degreeDigits) {
    if (own.size() < degreeDigits)
        return std::string(own);
    std::string out = withInsertions(own, "\xB0 ", degreeDigits);
    return out.append("' ").append(hemisphere);
}

std::string degreesWithReference(std::string_view next, std::string_view letter,
                                 std::string_view whenLetter, std::string_view otherwise) {
    return joined(kDegree, "", next == letter ? whenLetter : otherwise);
}

// The suffix of a unit code; the reference-dependent codes look at the next field.
std::string unitSuffix(std::uint32_t unitCode, std::string_view next) {
    switch (unitCode) {
    case U::Degrees: return std::string(kDegree);
    case U::DegreesMagnetic:
    case U::DegreesMagneticAlt: return "\xB0 Magnetic";
    case U::DegreesTrueOrMagnetic:
    case U::DegreesTrueOrMagneticAlt: return degreesWithReference(next, "M", " Magnetic", " True");
    case U::Celsius: return " \xB0" "C";
    case U::CelsiusDewPoint: return " \xB0" "C Dew Point";
    case U::CelsiusOutside: return " \xB0" "C Outside";
    case U::CelsiusSea: return " \xB0" "C Sea";
    case U::DegreesPerMinute: return "\xB0/Minute";
    case U::Fathoms: return " Fathoms";
    case U::Feet: return " Feet";
    case U::Inches: return " Inches";
    case U::Metres: return " Metres";
    case U::NauticalMiles: return " NM";
    case U::RevsPerMinute: return " Revs/Minute";
    case U::Bar: return " Bar";
    case U::InchesHg: return " Inches Hg";
    case U::Pascals: return " Pascals";
    case U::Knots: return " Knots";
    case U::KnotsTrue: return " Knots True";
    case U::Kph: return " KPH";
    case U::MetresPerSecond: return " Metre/Sec";
    case U::MetresPerSecondTrue: return " Metre/Sec True";
    case U::Mph: return " MPH";
    case U::WindAngleReference:
        return degreesWithReference(next, "R", " Relative/Apparent", " Theoretical/True");
    case U::KnotsMagnetic: return " Knots Magnetic";
    case U::KnotsRelative: return " Knots Relative";
    case U::KphRelative: return " KPH Relative";
    case U::MetresPerSecondRelative: return " Metre/Sec Relative";
    case U::MetresPerSecondMagnetic: return " Metre/Sec Magnetic";
    default: return {};
    }
}

std::string sideWord(std::string_view letter) {
    return std::string(letter == "L" ? "Left" : "Right");
}

} // namespace

std::string renderN183Field(std::uint32_t dataType, std::uint32_t unitCode, const N183FieldTexts& texts) {
    const std::string_view own = texts.own;
    if (dataType == T::SideLetter) {
        if (own == "L" || own == "R")
            return sideWord(own);
        return std::string(kNull);
    }
    if (own.empty())
        return std::string(kNull);
    switch (dataType) {
    case T::Latitude: return position(own, texts.next, 2);
    case T::Longitude: return position(own, texts.next, 3);
    case T::LatitudeMinutes:
    case T::LongitudeMinutes: return joined(own, "' ", texts.next);
    case T::Time: return withInsertions(own, ":", 2, 4);
    case T::DateThreeFields: return joined(joined(own, "-", texts.next), "-", texts.afterNext);
    case T::Date: return withInsertions(own, "-", 2, 4);
    case T::AngleWithDirection: return joined(own, "\xB0 ", texts.next);
    case T::AngleWithSide: return joined(own, "\xB0 ", sideWord(texts.next));
    default: break;
    }
    if (unitCode == U::Undefined)
        return "!! Undefined !!";
    return joined(own, "", unitSuffix(unitCode, texts.next));
}

std::string n183UnitText(std::uint32_t unitCode, std::string_view next) {
    std::string text = unitSuffix(unitCode, next);
    return text.empty() || text[0] != ' ' ? text : text.substr(1);
}

unsigned n183FieldsTaken(const N183Field_s& field) {
    const std::uint32_t type = field.dataType;
    const std::uint32_t unit = field.unitCode;
    const bool hasCompanion = field.companionPosition < kN183NoCompanion;
    switch (type) {
    case T::Latitude:
    case T::Longitude:
    case T::AngleWithDirection:
    case T::AngleWithSide:
    case T::LatitudeMinutes:
    case T::LongitudeMinutes: return 1;
    case T::SideLetter:
        if (hasCompanion)
            return 1;
        break;
    default: break;
    }
    if (field.secondCompanionPosition < kN183NoCompanion && (unit == U::Degrees || unit == U::DegreesPerMinute))
        return 1;
    if (hasCompanion) {
        const bool unitLetterFollows = (unit >= 2 && unit <= 7) || (unit >= 10 && unit <= 13) ||
                                       (unit >= 18 && unit <= 35) ||
                                       (unit == U::NauticalMiles && type != T::DistanceNoLetter);
        if (unitLetterFollows)
            return 1;
    }
    if (type == T::DateThreeFields)
        return 2;
    return 0;
}

} // namespace StandardsLib
