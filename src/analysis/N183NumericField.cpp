#include "analysis/N183NumericField.h"

#include "messages/N183SentenceView.h"
#include "n183/CN183Lib.h"
#include "n183/N183Codes.h"
#include "n183/N183FieldText.h"

#include <cstdio>

namespace ZrlAnalysis {

using namespace StandardsLib;

namespace {

namespace T = N183DataType;

// How the letter after a signed value gives its sign.
struct SignLetters {
    std::uint32_t dataType;
    char negative;
};
constexpr SignLetters signLetters[] = {{T::AngleWithDirection, 'W'}, {T::AngleWithSide, 'L'}};

constexpr std::uint32_t numericTypes[] = {T::Integer,         T::Decimal,       T::Latitude,
                                          T::Longitude,       T::AngleWithDirection, T::AngleWithSide,
                                          T::DistanceNoLetter};

} // namespace

std::optional<double> plainDecimal(std::string_view text)
{
    std::size_t i = (!text.empty() && (text[0] == '-' || text[0] == '+')) ? 1 : 0;
    bool digits = false, point = false;
    for (std::size_t k = i; k < text.size(); ++k) {
        if (text[k] >= '0' && text[k] <= '9')
            digits = true;
        else if (text[k] == '.' && !point)
            point = true;
        else
            return std::nullopt;
    }
    if (!digits || text.size() > 40)
        return std::nullopt;
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%.*s", int(text.size()), text.data());
    return std::strtod(buffer, nullptr);
}

std::optional<double> n183Degrees(std::string_view text, std::string_view hemisphere, bool isLatitude)
{
    const std::size_t degreeDigits = isLatitude ? 2 : 3;
    if (text.size() < degreeDigits + 2 || hemisphere.size() != 1 || text[0] == '-' || text[0] == '+')
        return std::nullopt;
    const auto degrees = plainDecimal(text.substr(0, degreeDigits));
    const auto minutes = plainDecimal(text.substr(degreeDigits));
    if (!degrees || !minutes || text.substr(0, degreeDigits).find('.') != std::string_view::npos || *minutes >= 60)
        return std::nullopt;
    const char positive = isLatitude ? 'N' : 'E', negative = isLatitude ? 'S' : 'W';
    if (hemisphere[0] != positive && hemisphere[0] != negative)
        return std::nullopt;
    const double value = *degrees + *minutes / 60.0;
    if (value > (isLatitude ? 90.0 : 180.0))
        return std::nullopt;
    return hemisphere[0] == negative ? -value : value;
}

N183NumericField::N183NumericField(std::string formatter, const N183Sentence_s& sentence, const N183Field_s& field)
    : m_formatter(std::move(formatter)), m_sentence(&sentence), m_field(&field)
{
}

bool N183NumericField::isNumeric(const N183Field_s& field)
{
    for (std::uint32_t type : numericTypes)
        if (field.dataType == type)
            return true;
    return false;
}

std::optional<N183NumericField> N183NumericField::find(const std::string& formatter, const std::string& name)
{
    const N183Sentence_s* sentence = formatter.empty() ? nullptr : findN183Sentence(n183FormatterKey(formatter));
    if (sentence == nullptr || sentence->fields == nullptr)
        return std::nullopt;
    for (std::uint32_t i = 0; i < sentence->fieldCount; ++i)
        if (name == sentence->fields[i].name && isNumeric(sentence->fields[i]))
            return N183NumericField(formatter, *sentence, sentence->fields[i]);
    return std::nullopt;
}

std::vector<std::string> N183NumericField::numericFieldNames(const std::string& formatter)
{
    std::vector<std::string> names;
    const N183Sentence_s* sentence = formatter.empty() ? nullptr : findN183Sentence(n183FormatterKey(formatter));
    if (sentence != nullptr && sentence->fields != nullptr)
        for (std::uint32_t i = 0; i < sentence->fieldCount; ++i)
            if (isNumeric(sentence->fields[i]))
                names.emplace_back(sentence->fields[i].name);
    return names;
}

std::optional<N183Reading> N183NumericField::read(const KelpLib::N183SentenceView& sentence) const
{
    const std::string_view own = KelpLib::n183FieldText(sentence, m_field->position);
    const std::string_view next = KelpLib::n183FieldText(sentence, m_field->position + 1);
    N183Reading reading;
    if (m_field->dataType == T::Latitude || m_field->dataType == T::Longitude) {
        const auto degrees = n183Degrees(own, next, m_field->dataType == T::Latitude);
        if (!degrees)
            return std::nullopt;
        char text[32];
        std::snprintf(text, sizeof text, "%.7f", *degrees);
        return N183Reading{*degrees, text};
    }
    const auto number = plainDecimal(own);
    if (!number)
        return std::nullopt;
    reading.number = *number;
    reading.text = std::string(own);
    for (const SignLetters& sign : signLetters)
        if (m_field->dataType == sign.dataType && next.size() == 1 && next[0] == sign.negative) {
            reading.number = -reading.number;
            reading.text = own[0] == '-' ? std::string(own.substr(1)) : "-" + std::string(own);
        }
    return reading;
}

std::string N183NumericField::unitName(const KelpLib::N183SentenceView& sentence) const
{
    switch (m_field->dataType) {
    case T::Latitude:
    case T::Longitude:
    case T::AngleWithDirection:
    case T::AngleWithSide:
        return "\xB0";
    default:
        return n183UnitText(m_field->unitCode, KelpLib::n183FieldText(sentence, m_field->position + 1));
    }
}

} // namespace ZrlAnalysis
