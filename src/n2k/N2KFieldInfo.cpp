#include "n2k/N2KFieldInfo.h"

#include "common/SafeFormat.h"
#include "common/ByteFormat.h"
#include "n2k/DecimalValue.h"
#include "n2k/FieldExtract.h"
#include "n2k/FieldSentinel.h"
#include "n2k/FieldText.h"
#include "n2k/NetworkNames.h"
#include "n2k/PgnLookup.h"
#include "n2k/ReservedFields.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <optional>
#include <stdexcept>

namespace StandardsLib {

namespace {

constexpr const char* degreeSign = "\xB0";
constexpr std::uint32_t pgnAisMultiSlot = 129812;

bool isBitType(std::uint32_t type)
{
    return type == dataTypeBit || type == dataTypeBit0 || type == dataTypeSignedBits;
}
bool isByteType(std::uint32_t type) { return type >= dataTypeInt8 && type <= dataTypeUint64; }

bool isSignedType(std::uint32_t type)
{
    const auto types = dataTypeTable();
    return type < types.size() && types[type].valueClass == valueClassSigned;
}

[[noreturn]] void unalignedAccess() { throw std::runtime_error("N2KFieldInfo::Unaligned Byte Access"); }

// Payload bytes from `byteOffset`, at most `wanted`, never past the payload's end.
std::uint32_t bytesAvailable(const N2KPayload& payload, std::uint32_t byteOffset, std::uint32_t wanted)
{
    if (payload.data == nullptr || byteOffset >= payload.length)
        return 0;
    return std::min(wanted, payload.length - byteOffset);
}

bool startsWith(const char* text, const char* prefix) { return std::strncmp(text, prefix, std::strlen(prefix)) == 0; }

bool isVoyageDistance(const LibN2KDD_s& dd) { return std::strcmp(dd.name, "Distance, voyage") == 0; }

// The time and conversion renderers read a plain mantissa at its exponent: a multiplier
// (minutes held as 60 s steps, quarter steps, 2^-20 s steps) is folded in first.
DecimalValue withMultiplierApplied(DecimalValue value)
{
    applyMultiplier(value);
    return value;
}

std::string defaultText(const DecimalValue& value, const LibN2KDD_s& dd, bool unitsShown)
{
    std::string text = numberText(value, -1);
    if (unitsShown && dd.unitName[0] != '\0')
        text += std::string(" ") + dd.unitName;
    if (value.mantissa >= 0 && value.mantissa <= UINT32_MAX)
        if (const LibN2KEnum_s* row = enumText(static_cast<std::uint16_t>(dd.ddNumber),
                                               static_cast<std::uint32_t>(value.mantissa)))
            text += std::string(" (") + row->text + ")";
    return text;
}

// A converted value: the conversion runs at three more decimals than the text shows, so the
// text is rounded once; it shows at least `decimals` and as many as the converted resolution needs.
std::string convertedText(DecimalValue value, std::int64_t mul, std::int64_t div, int decimals)
{
    const int own = resolutionDecimals(value.multiplier, value.exponent);
    double step = std::pow(10.0, value.exponent) * static_cast<double>(mul) / static_cast<double>(div);
    if (value.multiplier >= 2)
        step *= value.multiplier;
    else if (value.multiplier <= -2)
        step /= -value.multiplier;
    int shown = decimals;
    while (shown < own + 3 && step * std::pow(10.0, shown) < 1.0)
        ++shown;
    value = withMultiplierApplied(value);
    rescale(value, std::min<int>(value.exponent, -shown - 3));
    ratioScale(value, mul, div);
    return numberText(value, shown);
}

// `kind`: a plain number in seconds (an almanac's reference time, a clock correction of
// 2^-20 s steps) reads as a number; times and durations read as hours, minutes and seconds.
std::string renderByUnit(DecimalValue value, const LibN2KDD_s& dd, LibN2KFieldKind kind, bool unitsShown,
                         bool converted)
{
    if (value.status != StatusValid && value.status != StatusDerived)
        return statusText(value);
    if (value.multiplier == 0)
        return statusText(value);
    switch (dd.unitCode) {
    case UnitCode::degree:
        if (converted)
            return numberText(value, -1) + degreeSign;
        if (startsWith(dd.name, "Latitude"))
            return latitudeText(value);
        if (startsWith(dd.name, "Longitude"))
            return longitudeText(value);
        return defaultText(value, dd, unitsShown);
    case UnitCode::date:
        return converted ? std::string() : dateText(value.mantissa);
    case UnitCode::kelvin:
        if (!converted)
            return defaultText(value, dd, unitsShown);
        value = withMultiplierApplied(value);
        rescale(value, std::min<int>(value.exponent, -2));
        subtractConstant(value, 27315, -2);
        return numberText(value, std::max(2, resolutionDecimals(1, value.exponent)));
    case UnitCode::metre:
        if (!converted)
            return defaultText(value, dd, unitsShown);
        if (!isVoyageDistance(dd))
            return {};
        value.exponent = static_cast<std::int8_t>(value.exponent - 3);
        return convertedText(value, 1000, 1852, 3);
    case UnitCode::metrePerSecond:
        if (!converted)
            return defaultText(value, dd, unitsShown);
        return convertedText(value, 900, 463, 2);
    case UnitCode::pascal:
        if (!converted)
            return defaultText(value, dd, unitsShown);
        return convertedText(value, 10, 68947, 2);
    case UnitCode::radian:
    case UnitCode::radianPerSecond:
        if (!converted) {
            std::string text = numberText(value, -1);
            if (unitsShown && dd.unitName[0] != '\0')
                text += std::string(" ") + dd.unitNamePlural;
            return text;
        } else {
            std::string text = convertedText(value, 4068, 71, 3);
            if (unitsShown)
                text += " Degrees";
            return text;
        }
    case UnitCode::second:
        if (converted)
            return {};
        return kind == fieldNumber ? defaultText(value, dd, unitsShown) : timeOfDayText(withMultiplierApplied(value));
    default:
        return converted ? std::string() : defaultText(value, dd, unitsShown);
    }
}

// IEEE 754 single precision, little-endian. Not-a-number reads "Data not available".
std::string float32Text(const N2KPayload& payload, std::uint32_t bitOffset, const LibN2KDD_s& dd, bool unitsShown)
{
    if (!bytesInPayload(payload, bitOffset, 4))
        return fieldStatusText(StatusDataNotAvailable);
    const auto bits = static_cast<std::uint32_t>(rawLittleEndian(payload, bitOffset / 8, 4));
    const float value = std::bit_cast<float>(bits);
    if (std::isnan(value))
        return fieldStatusText(StatusDataNotAvailable);
    std::string text = CommonLib::safeFormat("%g", static_cast<double>(value));
    if (unitsShown && dd.unitName[0] != '\0')
        text += std::string(" ") + dd.unitName;
    return text;
}

} // namespace

N2KFieldInfo::N2KFieldInfo(const N2KPayload* message, std::uint32_t ordinal, std::uint32_t bitOffset,
                           const LibN2KField_s& field, std::uint32_t width)
    : m_message(message), m_ordinal(ordinal), m_bitOffset(bitOffset), m_field(&field),
      m_dd(dataDictionaryEntry(field)), m_width(width)
{
}

std::string N2KFieldInfo::ordinalText() const { return CommonLib::safeFormat("%u", m_ordinal); }

std::string N2KFieldInfo::name() const { return m_field->name; }

std::uint32_t N2KFieldInfo::bitLength() const
{
    if (m_width != 0)
        return m_width;
    switch (m_field->ddIndex) {
    case DDRow::reservedField:
    case DDRow::genericNameString:
    case DDRow::dscSymbolString:
    case DDRow::requestedParameterValue:
    case DDRow::aisSpareField:
        return m_field->bits;
    default:
        return m_dd != nullptr && m_dd->bits != 0 ? m_dd->bits : m_field->bits;
    }
}

std::string N2KFieldInfo::rawValueText() const
{
    if (m_dd == nullptr)
        return {};
    DecimalValue value;
    switch (m_dd->dataType) {
    case dataTypeCh8Or16:
        return "ch8or16 - add renderer";
    case dataTypeChar16:
        return "ch16n - add renderer";
    case dataTypeChar8:
        return "ch8n - add renderer";
    default:
        if (isBitType(m_dd->dataType))
            value = extractBits(*m_message, m_bitOffset, m_dd->bits, true);
        else if (isByteType(m_dd->dataType))
            value = extractBytes(*m_message, m_bitOffset, m_dd->bits, isSignedType(m_dd->dataType));
        else
            return {};
    }
    return value.renderable() ? CommonLib::safeFormat("%lld", static_cast<long long>(value.mantissa))
                              : std::string("Invalid value");
}

std::string N2KFieldInfo::valueText(bool converted) const
{
    if (m_dd == nullptr)
        return "Null LibN2KDD_s";
    const N2KPayload& payload = *m_message;
    const std::uint32_t type = m_dd->dataType;
    const std::uint32_t byteOffset = m_bitOffset / 8;

    if (const auto special = kindText(converted))
        return *special;

    if (type == dataTypeChar8) {
        if (converted)
            return {};
        if (m_bitOffset % 8 != 0 || m_field->bits % 8 != 0)
            unalignedAccess();
        const std::uint32_t count = bytesAvailable(payload, byteOffset, m_field->bits / 8u);
        const std::uint8_t* bytes = count ? payload.data + byteOffset : nullptr;
        if (m_field->ddIndex == DDRow::dscAddress)
            return dscAddressText(bytes, count);
        return cleanText(bytes, count);
    }

    if (type == dataTypeCh8Or16) {
        if (converted)
            return {};
        if (m_bitOffset % 8 != 0)
            unalignedAccess();
        if (bytesAvailable(payload, byteOffset, 2) < 2)
            return {};
        const std::uint32_t length = payload.data[byteOffset];
        const std::uint8_t encoding = payload.data[byteOffset + 1];
        if (encoding > 1 || length < 2)
            return {};
        const std::uint32_t count = bytesAvailable(payload, byteOffset + 2, length - 2);
        const std::uint8_t* text = count ? payload.data + byteOffset + 2 : nullptr;
        return encoding == 0 ? cleanUtf16Text(text, count) : cleanText(text, count);
    }

    const bool reserved = m_field->ddIndex == DDRow::reservedField || m_field->ddIndex == DDRow::aisSpareField ||
                          m_dd->bits == 0;
    if (reserved) {
        if (converted || m_field->ddIndex == DDRow::aisSpareField || reservedFieldsHidden.load())
            return {};
        if (!isBitType(type) && !isByteType(type))
            return {}; // no bytes to show for a value of undefined type
        const std::uint32_t width = std::min<std::uint32_t>(m_field->bits, 64);
        const DecimalValue value = isBitType(type) ? extractBits(payload, m_bitOffset, width, false)
                                                   : extractBytes(payload, m_bitOffset, width, false);
        if (value.status >= StatusInvalid)
            return statusText(value);
        return binaryDigitsText(static_cast<std::uint64_t>(value.mantissa), width);
    }

    if (m_field->ddIndex == DDRow::binaryBitField) {
        if (converted)
            return {};
        if (payload.pgn == pgnAisMultiSlot)
            return "PGN 129812: AIS Message #26 multiple bit-fields for 5 slots - must complete";
        if (m_bitOffset % 8 != 0)
            unalignedAccess();
        const std::int64_t count = static_cast<std::int64_t>(payload.length) - byteOffset;
        if (count == 0)
            return "Empty data array";
        if (count < 0)
            return "Error: size of string too long";
        return KelpLib::hexDump(payload.data + byteOffset, static_cast<std::uint32_t>(count), nullptr, " ");
    }

    if (m_field->ddIndex == DDRow::manufacturerCode) {
        if (converted)
            return {};
        const DecimalValue value = extractBits(payload, m_bitOffset, m_dd->bits, false);
        if (!value.renderable())
            return statusText(value);
        return StandardsLib::manufacturerCodeText(static_cast<std::uint16_t>(value.mantissa));
    }

    if (type == dataTypeFloat32)
        return converted ? std::string() : float32Text(payload, m_bitOffset, *m_dd, m_unitsShown);

    return renderByUnit(reading(), *m_dd, m_field->kind, m_unitsShown, converted);
}

std::optional<std::string> N2KFieldInfo::kindText(bool converted) const
{
    const N2KPayload& payload = *m_message;
    switch (m_field->kind) {
    case fieldBitLookup: {
        if (converted)
            return std::string();
        const DecimalValue value = reading();
        if (!value.renderable())
            return std::string(statusText(value));
        std::string text;
        for (std::uint32_t bit = 0; bit < 64; ++bit) {
            if (((static_cast<std::uint64_t>(value.mantissa) >> bit) & 1) == 0)
                continue;
            const LibN2KEnum_s* row = enumText(static_cast<std::uint16_t>(m_dd->ddNumber), bit);
            text += text.empty() ? "" : ", ";
            text += row != nullptr ? std::string(row->text) : CommonLib::safeFormat("Bit %u", bit);
        }
        return text.empty() ? std::string("None") : text;
    }
    case fieldIndirectLookup: {
        if (converted)
            return std::string();
        const DecimalValue value = reading();
        if (!value.renderable())
            return std::string(statusText(value));
        // The other field lies at a fixed place in the same definition (rows are contiguous).
        const LibN2KField_s& other = *(m_field - m_field->number + m_field->lookupField);
        const DecimalValue key = extractBits(payload, other.bitOffset, other.bits, false);
        const std::uint32_t combined = static_cast<std::uint32_t>((key.mantissa & 0xFF) << 8 | (value.mantissa & 0xFF));
        std::string text = numberText(value, -1);
        if (const LibN2KEnum_s* row = enumText(static_cast<std::uint16_t>(m_dd->ddNumber), combined))
            text += std::string(" (") + row->text + ")";
        return text;
    }
    case fieldMmsi: {
        if (converted)
            return std::string();
        const DecimalValue value = reading();
        if (!value.renderable())
            return std::string(statusText(value));
        return CommonLib::safeFormat("%09lld", static_cast<long long>(value.mantissa));
    }
    case fieldKeyValue:
    case fieldVariable: {
        // A value of unknown type: its bytes.
        if (converted)
            return std::string();
        const std::uint32_t at = m_bitOffset / 8;
        const std::uint32_t count = bytesAvailable(payload, at, m_width / 8);
        return count ? KelpLib::hexDump(payload.data + at, count, nullptr, " ") : std::string();
    }
    case fieldZeroEndedText: {
        if (converted)
            return std::string();
        if (m_bitOffset % 8 != 0)
            unalignedAccess();
        const std::uint32_t at = m_bitOffset / 8;
        if (bytesAvailable(payload, at, 1) < 1)
            return std::string();
        const std::uint32_t count = bytesAvailable(payload, at + 1, payload.data[at]);
        return cleanText(count ? payload.data + at + 1 : nullptr, count);
    }
    default:
        return std::nullopt;
    }
}

DecimalValue N2KFieldInfo::reading() const
{
    DecimalValue value;
    value.status = StatusInvalid;
    if (m_dd == nullptr)
        return value;
    const std::uint32_t type = m_dd->dataType;
    if (isBitType(type)) {
        value = extractBits(*m_message, m_bitOffset, m_dd->bits, true, type == dataTypeSignedBits);
        value.exponent = m_dd->exponent;
        value.multiplier = m_dd->multiplier;
    } else if (isByteType(type)) {
        value = extractBytes(*m_message, m_bitOffset, m_dd->bits, isSignedType(type));
        value.exponent = m_dd->exponent;
        value.multiplier = m_dd->multiplier;
    } else {
        return value;
    }
    // A lookup that names one of the reserved top values shows the name.
    if (isSentinel(value.status) && bitsInPayload(*m_message, m_bitOffset, m_dd->bits) && value.mantissa >= 0 &&
        value.mantissa <= UINT32_MAX &&
        enumText(static_cast<std::uint16_t>(m_dd->ddNumber), static_cast<std::uint32_t>(value.mantissa)) != nullptr)
        value.status = StatusValid;
    return value;
}

std::string N2KFieldInfo::unitsText(bool converted) const
{
    if (m_dd == nullptr)
        return {};
    if (!converted)
        return m_dd->unitName;
    switch (m_dd->unitCode) {
    case UnitCode::degree:
    case UnitCode::radian:
        return "Degree";
    case UnitCode::kelvin:
        return std::string(degreeSign) + " C";
    case UnitCode::metre:
        return isVoyageDistance(*m_dd) ? "NM" : "";
    case UnitCode::metrePerSecond:
        return "Knots";
    case UnitCode::pascal:
        return "PSI";
    case UnitCode::radianPerSecond:
        return "Degree per second";
    default:
        return {};
    }
}

} // namespace StandardsLib
