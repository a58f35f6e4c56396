#include "n183/N183FieldInfo.h"

#include "n183/N183FieldText.h"

namespace StandardsLib {

N183FieldInfo::N183FieldInfo(const IN183FieldSource* source, std::uint32_t ordinalValue,
                             const N183Field_s* definitionRow)
    : sentence(source), ordinal(ordinalValue), field(definitionRow) {}

bool N183FieldInfo::setUnitsShown(bool value) {
    shown = value ? 1 : 0;
    return value;
}

std::string N183FieldInfo::ordinalText() const {
    return std::to_string(ordinal);
}

std::string N183FieldInfo::name() const {
    return field && field->name ? std::string(field->name) : std::string();
}

std::string_view N183FieldInfo::text(std::uint32_t position) const {
    return sentence ? sentence->fieldText(position) : std::string_view();
}

std::string N183FieldInfo::valueText() const {
    if (!field)
        return "(null)";
    // ordinal is 1-based: the field's own text is at ordinal - 1, its companions follow.
    const std::uint32_t own = ordinal > 0 ? ordinal - 1 : 0;
    return renderN183Field(field->dataType, field->unitCode, {text(own), text(own + 1), text(own + 2)});
}

} // namespace StandardsLib
