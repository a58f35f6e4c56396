#include "analysis/N2kNumericField.h"

#include "n2k/FieldExtract.h"
#include "n2k/LibN2K.h"
#include "n2k/N2KFieldInfo.h"
#include "n2k/N2KFieldWalk.h"
#include "n2k/PgnLookup.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace ZrlAnalysis {

using namespace StandardsLib;

namespace {

constexpr std::uint16_t variableOffset = 65535;

bool isBitType(std::uint32_t type) { return type == dataTypeBit || type == dataTypeBit0; }
bool isByteType(std::uint32_t type) { return type >= dataTypeInt8 && type <= dataTypeUint64; }

bool isVoyageDistance(const LibN2KDD_s& dd) { return std::strcmp(dd.name, "Distance, voyage") == 0; }

// The "User Data" column's value in terms of the "Data" column's: value x scale + offset, shown
// with `decimals` decimals (-1: the value's own).
struct UserConversion {
    std::uint32_t unitCode;
    double scale;
    double offset;
    int decimals;
};

constexpr UserConversion userConversions[] = {
    {UnitCode::degree, 1.0, 0.0, -1},
    {UnitCode::radian, 4068.0 / 71.0, 0.0, 3},
    {UnitCode::radianPerSecond, 4068.0 / 71.0, 0.0, 3},
    {UnitCode::kelvin, 1.0, -273.15, 2},
    {UnitCode::metre, 1.0 / 1852.0, 0.0, 3}, // only the voyage distance
    {UnitCode::metrePerSecond, 900.0 / 463.0, 0.0, 2},
    {UnitCode::pascal, 10.0 / 68947.0, 0.0, 2},
};

const UserConversion* userConversion(const LibN2KDD_s& dd)
{
    if (dd.dataType == dataTypeFloat32)
        return nullptr;
    for (const UserConversion& conversion : userConversions)
        if (conversion.unitCode == dd.unitCode)
            return conversion.unitCode != UnitCode::metre || isVoyageDistance(dd) ? &conversion : nullptr;
    return nullptr;
}

double numberOf(const DecimalValue& value)
{
    double number = double(value.mantissa) * std::pow(10.0, value.exponent);
    if (value.multiplier >= 2)
        number *= value.multiplier;
    else if (value.multiplier <= -2)
        number /= -value.multiplier;
    return number;
}

} // namespace

N2kNumericField::N2kNumericField(const LibN2KPGN_s& definition, const LibN2KField_s& field, const LibN2KDD_s& dd)
    : m_definition(&definition), m_field(&field), m_dd(&dd)
{
}

bool N2kNumericField::isNumeric(const LibN2KField_s& field)
{
    const LibN2KDD_s* dd = dataDictionaryEntry(field);
    if (dd == nullptr || dd->bits == 0 || dd->bits == variableOffset)
        return false;
    switch (field.ddIndex) {
    case DDRow::reservedField:
    case DDRow::aisSpareField:
    case DDRow::binaryBitField:
    case DDRow::manufacturerCode:
        return false;
    default:
        break;
    }
    return isBitType(dd->dataType) || isByteType(dd->dataType) || dd->dataType == dataTypeFloat32;
}

std::optional<N2kNumericField> N2kNumericField::find(std::uint32_t pgn, const std::string& name)
{
    const LibN2KPGN_s* definition = theLibN2K().findPgn(pgn);
    if (definition == nullptr || definition->fields == nullptr)
        return std::nullopt;
    for (std::uint32_t i = 0; i < definition->fieldCount; ++i) {
        const LibN2KField_s& field = definition->fields[i];
        if (name == field.name && isNumeric(field))
            return N2kNumericField(*definition, field, *dataDictionaryEntry(field));
    }
    return std::nullopt;
}

std::vector<std::string> N2kNumericField::numericFieldNames(std::uint32_t pgn)
{
    std::vector<std::string> names;
    const LibN2KPGN_s* definition = theLibN2K().findPgn(pgn);
    if (definition == nullptr || definition->fields == nullptr)
        return names;
    for (std::uint32_t i = 0; i < definition->fieldCount; ++i) {
        const LibN2KField_s& field = definition->fields[i];
        if (isNumeric(field) && std::find(names.begin(), names.end(), field.name) == names.end())
            names.emplace_back(field.name);
    }
    return names;
}

std::uint32_t N2kNumericField::locate(const N2KPayload& payload) const
{
    if (m_field->bitOffset != variableOffset)
        return m_field->bitOffset;
    // After a text or a repeating block the position depends on the payload: lay the fields out.
    thread_local std::vector<N2KFieldInfo> fields;
    buildFieldList(payload, m_definition, fields);
    for (const N2KFieldInfo& info : fields)
        if (&info.field() == m_field)
            return info.bitOffset();
    return std::uint32_t(payload.length) * 8; // not in this payload
}

std::optional<N2kReading> N2kNumericField::read(const N2KPayload& payload, UnitChoice units) const
{
    const UserConversion* conversion = units == UnitChoice::user ? userConversion(*m_dd) : nullptr;
    if (units == UnitChoice::user && conversion == nullptr)
        return std::nullopt;
    const std::uint32_t bitOffset = locate(payload);
    const std::uint32_t type = m_dd->dataType;
    N2kReading reading;
    if (type == dataTypeFloat32) {
        if (bitOffset % 8 != 0 || !bytesInPayload(payload, bitOffset, 4))
            return std::nullopt;
        const float value = std::bit_cast<float>(std::uint32_t(rawLittleEndian(payload, bitOffset / 8, 4)));
        if (!std::isfinite(value))
            return std::nullopt;
        reading.isFloat = true;
        reading.number = value;
        return reading;
    }
    // The field's number as the details pane reads it: scaled, sentinels as their status.
    const DecimalValue value = N2KFieldInfo(&payload, 0, bitOffset, *m_field).reading();
    if (value.status != StatusValid || value.multiplier == 0)
        return std::nullopt;
    reading.exact = value;
    reading.number = numberOf(value);
    if (conversion != nullptr) {
        reading.number = reading.number * conversion->scale + conversion->offset;
        reading.decimals = conversion->decimals;
    }
    return reading;
}

std::string N2kReading::text() const
{
    char buffer[48];
    if (isFloat)
        std::snprintf(buffer, sizeof buffer, "%.9g", number);
    else if (decimals >= 0)
        std::snprintf(buffer, sizeof buffer, "%.*f", decimals, number);
    else
        return numberText(exact, -1);  // as the details pane shows it
    return buffer;
}

bool N2kNumericField::hasUserValue() const { return userConversion(*m_dd) != nullptr; }

std::string N2kNumericField::unitName(UnitChoice units) const
{
    const N2KFieldInfo info(nullptr, 0, 0, *m_field);
    return info.unitsText(units == UnitChoice::user);
}

std::optional<std::uint8_t> instanceOf(const LibN2KPGN_s& definition, const N2KPayload& payload)
{
    if (definition.instanceByte == 255 || payload.data == nullptr || definition.instanceByte >= payload.length)
        return std::nullopt;
    return payload.data[definition.instanceByte];
}

} // namespace ZrlAnalysis
