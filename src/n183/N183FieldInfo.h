#pragma once

#include "n183/IN183FieldInfo.h"
#include "n183/IN183FieldSource.h"
#include "n183/N183Sentence.h"

#include <cstdint>

namespace StandardsLib {

// A field definition laid over a received sentence. `ordinal` is the 1-based position of
// the field's own text in the sentence; the texts after it carry its unit or hemisphere.
// Neither the sentence nor the definition is owned.
class N183FieldInfo : public IN183FieldInfo {
public:
    N183FieldInfo(const IN183FieldSource* sentence, std::uint32_t ordinal, const N183Field_s* definition);

    bool unitsShown() const override { return shown; }
    bool setUnitsShown(bool value) override;
    std::string ordinalText() const override;
    std::string name() const override;
    std::string valueText() const override;
    std::string unitsText() const override { return {}; }

    std::uint32_t ordinalNumber() const { return ordinal; }
    const N183Field_s* definition() const { return field; }

private:
    std::string_view text(std::uint32_t position) const;

    const IN183FieldSource* sentence;
    std::uint32_t ordinal;
    const N183Field_s* field;
    std::uint8_t shown = 0;
};

} // namespace StandardsLib
