#pragma once

#include "n2k/DecimalValue.h"
#include "n2k/IN2KFieldInfo.h"
#include "n2k/LibN2KTables.h"
#include "n2k/N2KPayload.h"

#include <cstdint>
#include <optional>
#include <string>

namespace StandardsLib {

// One field occurrence laid over a message's payload by the field walk. It refers to the
// message's payload view and to the constant tables and owns nothing: the message keeps its
// list of these and rebuilds it rather than sharing it with a copy.
class N2KFieldInfo final : public IN2KFieldInfo {
public:
    // `width`: the occurrence's size in bits where the message gives it (a key/value pair's
    // length field), else 0 for the field's own.
    N2KFieldInfo(const N2KPayload* message, std::uint32_t ordinal, std::uint32_t bitOffset,
                 const LibN2KField_s& field, std::uint32_t width = 0);

    std::string rawValueText() const override;
    bool unitsShown() const override { return m_unitsShown; }
    bool setUnitsShown(bool shown) override { return m_unitsShown = shown; }
    std::string ordinalText() const override;
    std::string name() const override;
    // Throws std::runtime_error("N2KFieldInfo::Unaligned Byte Access") for a text or binary
    // field that does not start on a byte boundary.
    std::string valueText(bool converted) const override;
    std::uint32_t bitLength() const override;
    std::string unitsText(bool converted) const override;

    // The field's number as read: the scaled value, or the status of a reserved top value
    // ("Data not available", "Out of range", "Reserved"; see FieldSentinel.h), for numeric,
    // lookup and bit fields. Other fields (texts, binary data, floats) read StatusInvalid.
    // Plots and filters take their numbers from here.
    DecimalValue reading() const;

    std::uint32_t ordinal() const { return m_ordinal; }
    std::uint32_t bitOffset() const { return m_bitOffset; }
    const LibN2KField_s& field() const { return *m_field; }
    // The field's data-dictionary entry; null only for a row outside the dictionary.
    const LibN2KDD_s* dd() const { return m_dd; }

private:
    // The text of the field types rendered by kind rather than by dictionary entry.
    std::optional<std::string> kindText(bool converted) const;

    const N2KPayload* m_message;
    std::uint32_t m_ordinal;
    std::uint32_t m_bitOffset;
    const LibN2KField_s* m_field;
    const LibN2KDD_s* m_dd;
    std::uint32_t m_width;
    bool m_unitsShown = false;
};

} // namespace StandardsLib
