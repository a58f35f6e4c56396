#include "messages/BemValueText.h"

#include "common/SafeFormat.h"
#include "messages/BemDataTypes.h"
#include "common/ByteFormat.h"
#include "n2k/DeviceTables.h"
#include "n2k/FieldStatus.h"
#include "n2k/FieldText.h"

using CommonLib::safeFormat;

namespace KelpLib {

namespace {

// A number read from the payload, as unsigned bits and, for signed types, sign-extended.
struct BemNumber {
    std::uint64_t raw = 0;
    std::int64_t value = 0; // sign-extended for signed types, else the raw bits
    bool isSigned = false;
    std::uint32_t status = StandardsLib::StatusValid;
};

std::uint32_t bytesLeft(const BemValueSource& source)
{
    if (source.payload == nullptr || source.offset >= source.payloadSize)
        return 0;
    return source.payloadSize - source.offset;
}

BemNumber readNumber(const BemValueSource& source, std::uint32_t width, bool isSigned)
{
    BemNumber number;
    if (width == 0 || width > 8 || bytesLeft(source) < width) {
        number.status = StandardsLib::StatusDataNotAvailable;
        return number;
    }
    for (std::uint32_t i = 0; i < width; ++i)
        number.raw |= static_cast<std::uint64_t>(source.payload[source.offset + i]) << (8 * i);
    const std::uint32_t bits = width * 8;
    const std::uint64_t allOnes = bits == 64 ? ~0ULL : (1ULL << bits) - 1;
    std::uint64_t top = allOnes;
    std::uint64_t compared = number.raw;
    if (isSigned) {
        const std::uint64_t signBit = 1ULL << (bits - 1);
        compared = (number.raw ^ signBit) - signBit; // sign extension to 64 bits
        top = signBit - 1;
    }
    number.value = static_cast<std::int64_t>(compared);
    number.isSigned = isSigned;
    if (compared == top)
        number.status = StandardsLib::StatusDataNotAvailable;
    else if (compared == top - 1)
        number.status = StandardsLib::StatusOutOfRange;
    else if (compared == top - 2)
        number.status = StandardsLib::StatusReserved;
    return number;
}

// Characters from `offset` while below 0x80 and not 0, at most `limit` of them and never
// past the payload.
std::string characters(const BemValueSource& source, std::uint32_t offset, std::uint32_t limit)
{
    std::string text;
    if (source.payload == nullptr || offset >= source.payloadSize)
        return text;
    const std::uint32_t available = source.payloadSize - offset;
    const std::uint32_t count = limit < available ? limit : available;
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::uint8_t byte = source.payload[offset + i];
        if (byte == 0 || byte >= 0x80)
            break;
        text.push_back(static_cast<char>(byte));
    }
    return text;
}

const char* plural(std::uint32_t count, const char* one, const char* many) { return count == 1 ? one : many; }

std::string transmitRateText(std::uint64_t value)
{
    if (value == 0)
        return "Disabled (0)";
    if (value == 65535)
        return "Non-periodic (65535)";
    return safeFormat("%u milliseconds", static_cast<unsigned>(value));
}

std::string rxPgnMaskText(std::uint64_t value)
{
    const int v = static_cast<int>(value);
    switch (value) {
    case 0: return safeFormat("Match 1 PGN from any SA (%d)", v);
    case 1: return safeFormat("Match 256 PGNs from any SA (%d)", v);
    case 2: return safeFormat("Match 4096 PGNs from any SA (%d)", v);
    case 3: return safeFormat("Match 65536 PGNs from any SA (%d)", v);
    default: return {};
    }
}

std::string numberKindText(std::uint32_t kind, const BemNumber& number, std::uint32_t width, std::uint32_t modelId,
                           const BemValueSource& source)
{
    const std::uint64_t v = number.raw;
    const unsigned u = static_cast<unsigned>(v);
    switch (kind) {
    case BemBoolean:
        if (v == 1)
            return "True";
        if (v == 0)
            return "False";
        return safeFormat("(%u)", u);
    case BemBinary8:
    case BemBinary16:
    case BemBinary32: return safeFormat("%s (b)", StandardsLib::binaryDigitsText(v, width * 8).c_str());
    case BemHex16: return safeFormat("0x%04X", u);
    case BemHex32: return safeFormat("0x%08X", u);
    case BemDecimalHex32: return safeFormat("%u / 0x%08X", u, u);
    case BemVersion2: return safeFormat("v%0.2f", static_cast<double>(v) / 100.0);
    case BemVersion3: return safeFormat("v%0.3f", static_cast<double>(v) / 1000.0);
    case BemDate: return bemDateText(u);
    case BemTimeOfDay: return bemTimeOfDayText(u);
    case BemTxRate16:
    case BemTxRate32: return transmitRateText(v);
    case BemMillis16:
    case BemMillis32: return safeFormat("%u milliseconds", u);
    case BemSeconds32: return bemSecondsText(u);
    case BemMicros32: return safeFormat("%u microseconds", u);
    case BemTime100ps: return safeFormat("%llu picoseconds", static_cast<unsigned long long>(v * 100u));
    case BemModelId: return safeFormat("%s (%u)", StandardsLib::modelName(u), u);
    case BemModelSubId: return safeFormat("%s (%u)", StandardsLib::modelSubIdName(u).c_str(), u);
    case BemOperatingMode: return safeFormat("%s (%u)", StandardsLib::operatingModeName(modelId, u), u);
    case BemHardwareProtocol: return safeFormat("%s (%u)", StandardsLib::hardwareProtocolName(u), u);
    case BemCodec: return safeFormat("%s (%u)", StandardsLib::codecName(u), u);
    case BemMicrocontroller: return safeFormat("%s (%u)", StandardsLib::microcontrollerName(u), u);
    case BemPgn24:
    case BemPgn32: return safeFormat("%u (0x%05X)", u, u);
    case BemCanName: return safeFormat("0x%llX (No breakdown)", static_cast<unsigned long long>(v));
    case BemStructureId: return safeFormat("%u (0x%X)", u, u);
    case BemMemoryBlocks: return safeFormat("0x%08X", static_cast<unsigned>(v * 256u));
    case BemRxPgnMask: return rxPgnMaskText(v);
    case BemStepOfMax: return safeFormat("%u of %u", u & 0xFFFFu, u >> 16);
    case BemMacAddress: {
        std::string text;
        for (std::uint32_t i = 0; i < 8; ++i) {
            if (i)
                text.push_back(':');
            text += safeFormat("%02X", source.payload[source.offset + i]);
        }
        return text;
    }
    default:
        // The general integers, the CRC size and structure data: the number in decimal.
        if (number.isSigned)
            return safeFormat("%lld", static_cast<long long>(number.value));
        return safeFormat("%llu", static_cast<unsigned long long>(v));
    }
}

} // namespace

std::string bemArrayText(const std::uint8_t* bytes, std::uint32_t count)
{
    if (bytes == nullptr || count == 0)
        return {};
    const std::string hex = hexDump(bytes, count, nullptr, " ");
    if (count < 5)
        return hex;
    for (std::uint32_t i = 0; i + 1 < count; ++i) {
        const std::uint8_t b = bytes[i];
        if (!((b >= 32 && b <= 125) || b == '\r' || b == '\n'))
            return hex;
    }
    // The last byte is often a terminator: it joins the quoted text only when printable.
    std::string text = "\"";
    text.append(reinterpret_cast<const char*>(bytes), count - 1);
    const std::uint8_t last = bytes[count - 1];
    if (last >= 32 && last <= 125)
        text.push_back(static_cast<char>(last));
    text += "\" (" + hex + ")";
    return text;
}

std::string bemDateText(std::uint32_t dayCount)
{
    if (dayCount == 0)
        return "00/01/1900";
    std::uint32_t n = dayCount - 1; // days after 1 January 1900
    const std::uint32_t cycle = n / 1461;
    std::uint32_t rest = n % 1461;
    std::uint32_t yearInCycle = 0;
    if (rest >= 366) {
        rest -= 366;
        yearInCycle = 1 + rest / 365;
        rest %= 365;
    }
    static constexpr std::uint32_t monthDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    std::uint32_t month = 0;
    while (month < 11) {
        const std::uint32_t days = monthDays[month] + (month == 1 && yearInCycle == 0 ? 1 : 0);
        if (rest < days)
            break;
        rest -= days;
        ++month;
    }
    return safeFormat("%02u/%02u/%u", rest + 1, month + 1, 1900 + 4 * cycle + yearInCycle);
}

std::string bemTimeOfDayText(std::uint32_t value)
{
    const std::uint32_t seconds = static_cast<std::uint32_t>((static_cast<std::uint64_t>(value & 0xFFFFu) * 675u) / 512u);
    return safeFormat("%02u:%02u:%02u", seconds / 3600u, (seconds / 60u) % 60u, seconds % 60u);
}

std::string bemSecondsText(std::uint32_t seconds)
{
    const std::uint32_t days = seconds / 86400u;
    const std::uint32_t hours = (seconds % 86400u) / 3600u;
    const std::uint32_t minutes = (seconds % 3600u) / 60u;
    std::string text = safeFormat("%u seconds (", seconds);
    if (days)
        text += safeFormat("%u %s, ", days, plural(days, "day", "days"));
    if (days || hours)
        text += safeFormat("%u %s, ", hours, plural(hours, "hour", "hours"));
    text += safeFormat("%u %s) ", minutes, plural(minutes, "minute", "minutes"));
    return text;
}

std::string bemValueText(const BemFieldDef& field, const BemValueSource& source)
{
    const BemDataType& type = bemDataType(field.type);
    const std::uint32_t left = bytesLeft(source);
    switch (type.kind) {
    case BemZeroTerminatedText: return characters(source, source.offset, left);
    case BemFixedText:
        // A fixed-length text ends with its field; one without a width runs to the payload's end.
        return characters(source, source.offset, field.width ? field.width : left);
    case BemVariableText:
        // Length and encoding bytes first; the length counts the whole payload.
        if (left == 0 || source.payload[source.offset] != source.payloadSize)
            return {};
        return characters(source, source.offset + 2, left);
    case BemSizedByteArray: {
        if (source.offset == 0 || source.payload == nullptr || source.offset > source.payloadSize)
            return {};
        const std::uint32_t c = source.payload[source.offset - 1];
        if (c > source.payloadSize - source.offset)
            return {};
        return bemArrayText(source.payload + source.offset, c);
    }
    case BemUniqueId: {
        if (left < 12)
            return {};
        std::string text;
        for (std::uint32_t i = 0; i < 12; ++i)
            text += safeFormat("%02X", source.payload[source.offset + i]);
        return text;
    }
    case BemRemainingBytes: return left ? bemArrayText(source.payload + source.offset, left) : std::string();
    case BemEndMarker: return "Null / non-present field";
    default: break;
    }
    const std::uint32_t width = type.width ? type.width : field.width;
    const BemNumber number = readNumber(source, width, type.isSigned != 0);
    // Transmit rates name their two special values before any status: 65535 is "non-periodic",
    // not a missing value.
    const bool whole = width > 0 && width <= 8 && left >= width;
    const bool rateSpecial = (type.kind == BemTxRate16 || type.kind == BemTxRate32) && whole &&
                             (number.raw == 0 || number.raw == 65535);
    if (number.status != StandardsLib::StatusValid && !rateSpecial)
        return StandardsLib::fieldStatusText(number.status);
    return numberKindText(type.kind, number, width, source.modelId, source);
}

} // namespace KelpLib
