#include "n2k/FieldExtract.h"

#include "n2k/FieldSentinel.h"

namespace StandardsLib {

namespace {

constexpr std::uint32_t maxBitWidth = 56;
constexpr std::uint32_t maxByteWidth = 8;

std::uint64_t lowBitsMask(std::uint32_t width)
{
    return width >= 64 ? ~0ULL : (1ULL << width) - 1;
}

} // namespace

bool bitsInPayload(const N2KPayload& payload, std::uint32_t bitOffset, std::uint32_t widthBits)
{
    std::uint64_t end = static_cast<std::uint64_t>(bitOffset) + widthBits;
    return payload.data != nullptr && end <= static_cast<std::uint64_t>(payload.length) * 8;
}

bool bytesInPayload(const N2KPayload& payload, std::uint32_t bitOffset, std::uint32_t byteCount)
{
    std::uint64_t end = static_cast<std::uint64_t>(bitOffset / 8) + byteCount;
    return payload.data != nullptr && end <= payload.length;
}

std::uint64_t rawLittleEndian(const N2KPayload& payload, std::uint32_t byteOffset, std::uint32_t byteCount)
{
    if (byteCount > maxByteWidth || !bytesInPayload(payload, byteOffset * 8, byteCount))
        return 0;
    std::uint64_t raw = 0;
    for (std::uint32_t i = 0; i < byteCount; ++i)
        raw |= static_cast<std::uint64_t>(payload.data[byteOffset + i]) << (8 * i);
    return raw;
}

DecimalValue extractBits(const N2KPayload& payload, std::uint32_t bitOffset, std::uint32_t widthBits, bool check,
                         bool isSigned)
{
    DecimalValue value;
    if (widthBits > maxBitWidth || !bitsInPayload(payload, bitOffset, widthBits)) {
        value.status = StatusDataNotAvailable;
        return value;
    }
    std::uint32_t shift = bitOffset % 8;
    std::uint32_t byteCount = (shift + 7 + widthBits) / 8;
    std::uint64_t raw = rawLittleEndian(payload, bitOffset / 8, byteCount);
    std::uint64_t bits = (raw >> shift) & lowBitsMask(widthBits);
    if (check)
        value.status = sentinelStatus(bits, widthBits, isSigned);
    if (isSigned && widthBits != 0) {
        const std::uint64_t signBit = 1ULL << (widthBits - 1);
        bits = (bits ^ signBit) - signBit;
    }
    value.mantissa = static_cast<std::int64_t>(bits);
    return value;
}

DecimalValue extractBytes(const N2KPayload& payload, std::uint32_t bitOffset, std::uint32_t widthBits, bool isSigned)
{
    DecimalValue value;
    std::uint32_t byteCount = widthBits / 8;
    if (byteCount == 0 || byteCount > maxByteWidth || !bytesInPayload(payload, bitOffset, byteCount)) {
        value.status = StatusDataNotAvailable;
        return value;
    }
    std::uint64_t raw = rawLittleEndian(payload, bitOffset / 8, byteCount);
    std::uint32_t bits = byteCount * 8;
    value.status = sentinelStatus(raw, bits, isSigned);
    if (isSigned) {
        // Sign extension: the field's top bit is copied into every bit above it.
        std::uint64_t signBit = 1ULL << (bits - 1);
        raw = (raw ^ signBit) - signBit;
    }
    value.mantissa = static_cast<std::int64_t>(raw);
    if (!isSigned && raw > static_cast<std::uint64_t>(INT64_MAX) && value.status < StatusInvalid)
        value.status = StatusOverflow;
    return value;
}

} // namespace StandardsLib
