#include "query/DecodedField.h"

#include "query/ElementFacts.h"

#include "n2k/DecimalValue.h"
#include "n2k/LibN2K.h"
#include "n2k/N2KFieldInfo.h"
#include "n2k/N2KFieldWalk.h"
#include "n2k/PgnLookup.h"

#include <algorithm>
#include <charconv>
#include <exception>
#include <set>

namespace KelpLib {

namespace {

using StandardsLib::LibN2KField_s;

// The status texts a field shows instead of a value: such an occurrence has no value.
bool isStatusText(std::string_view text)
{
    for (std::uint32_t status = StandardsLib::StatusOutOfRange; status <= StandardsLib::StatusUnknown; ++status)
        if (text == StandardsLib::fieldStatusText(status))
            return true;
    StandardsLib::DecimalValue unusable;
    unusable.multiplier = 0;
    return text == StandardsLib::statusText(unusable);
}

std::optional<double> leadingNumber(std::string_view& text)
{
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc())
        return std::nullopt;
    text.remove_prefix(static_cast<std::size_t>(end - text.data()));
    return value;
}

bool skip(std::string_view& text, std::string_view prefix)
{
    if (!text.starts_with(prefix))
        return false;
    text.remove_prefix(prefix.size());
    return true;
}

// "33\xB0 51.408000' S" -> -33.8568.
std::optional<double> degreesAndMinutes(std::string_view text)
{
    const auto degrees = leadingNumber(text);
    if (!degrees || !skip(text, "\xB0 "))
        return std::nullopt;
    const auto minutes = leadingNumber(text);
    if (!minutes || !skip(text, "' ") || text.size() != 1)
        return std::nullopt;
    const double value = *degrees + *minutes / 60;
    return text == "S" || text == "W" ? -value : value;
}

// "hh:mm:ss[.mmm]", hours running past 24, with an optional leading '-', in seconds.
std::optional<double> clockSeconds(std::string_view text)
{
    const bool negative = skip(text, "-");
    const auto hours = leadingNumber(text);
    if (!hours || !skip(text, ":"))
        return std::nullopt;
    const auto minutes = leadingNumber(text);
    if (!minutes || !skip(text, ":"))
        return std::nullopt;
    const auto seconds = leadingNumber(text);
    if (!seconds || !text.empty())
        return std::nullopt;
    const double value = (*hours * 60 + *minutes) * 60 + *seconds;
    return negative ? -value : value;
}

const std::set<std::string, std::less<>>& fieldNames()
{
    static const std::set<std::string, std::less<>> names = [] {
        std::set<std::string, std::less<>> all;
        for (const LibN2KField_s& field : StandardsLib::fieldTable())
            if (field.name != nullptr)
                all.emplace(field.name);
        return all;
    }();
    return names;
}

} // namespace

std::optional<double> renderedNumber(std::string_view text)
{
    std::string_view rest = text;
    if (const auto value = leadingNumber(rest); value && (rest.empty() || rest.starts_with(" (")))
        return value;
    if (const auto value = degreesAndMinutes(text))
        return value;
    return clockSeconds(text);
}

DecodedField::DecodedField(std::string name) : name_(std::move(name))
{
    const auto table = StandardsLib::pgnTable();
    for (std::size_t row = 0; row < table.size(); ++row) {
        const StandardsLib::LibN2KPGN_s& definition = table[row];
        for (std::uint32_t f = 0; definition.fields != nullptr && f < definition.fieldCount; ++f)
            if (definition.fields[f].name != nullptr && name_ == definition.fields[f].name) {
                definitionRows_.resize(table.size());
                definitionRows_[row].push_back(&definition.fields[f]);
            }
    }
}

bool DecodedField::known(std::string_view name) { return fieldNames().contains(name); }

const std::vector<const LibN2KField_s*>* DecodedField::fieldsOfRow(std::uint32_t row) const
{
    if (row >= definitionRows_.size() || definitionRows_[row].empty())
        return nullptr;
    return &definitionRows_[row];
}

bool DecodedField::anyValue(const StandardsLib::N2KPayload& message,
                            const std::function<bool(const DecodedValue&)>& visit) const
{
    const StandardsLib::LibN2KPGN_s* definition = StandardsLib::definitionFor(message);
    if (definition == nullptr)
        return false;
    const auto* wanted = fieldsOfRow(static_cast<std::uint32_t>(definition - StandardsLib::pgnTable().data()));
    if (wanted == nullptr)
        return false;
    thread_local std::vector<StandardsLib::N2KFieldInfo> occurrences;
    StandardsLib::buildFieldList(message, definition, occurrences);
    DecodedValue value;
    for (const StandardsLib::N2KFieldInfo& occurrence : occurrences) {
        if (std::find(wanted->begin(), wanted->end(), &occurrence.field()) == wanted->end())
            continue;
        try {
            value.text = occurrence.valueText(false);
        } catch (const std::exception&) {
            continue; // a field the renderer cannot place has no value
        }
        if (value.text.empty() || isStatusText(value.text))
            continue;
        value.number = renderedNumber(value.text);
        if (visit(value))
            return true;
    }
    return false;
}

std::string decodedFieldText(const ZRLElement& element, const DecodedField& field)
{
    ElementFacts facts(element, 0);
    const auto payload = facts.payload();
    std::string text;
    if (payload)
        field.anyValue(*payload, [&](const DecodedValue& value) {
            text = value.text;
            return true;
        });
    return text;
}

} // namespace KelpLib
