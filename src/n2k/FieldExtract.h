#pragma once

#include "n2k/DecimalValue.h"
#include "n2k/N2KPayload.h"

#include <cstdint>

namespace StandardsLib {

// True when the `widthBits` bits from `bitOffset` lie wholly inside the payload.
bool bitsInPayload(const N2KPayload& payload, std::uint32_t bitOffset, std::uint32_t widthBits);

// True when the `byteCount` bytes from the byte holding `bitOffset` lie wholly inside the payload.
bool bytesInPayload(const N2KPayload& payload, std::uint32_t bitOffset, std::uint32_t byteCount);

// A bit field of up to 56 bits, unscaled (exponent 0, multiplier 1), sign-extended when
// `isSigned`. With `check`, the reserved top values read as their status (see FieldSentinel.h).
// A field that does not lie wholly inside the payload (or is wider than 56 bits) reads
// "Data not available".
DecimalValue extractBits(const N2KPayload& payload, std::uint32_t bitOffset, std::uint32_t widthBits, bool check,
                         bool isSigned = false);

// A little-endian integer of widthBits / 8 bytes (up to 8) from the byte holding `bitOffset`,
// sign-extended when `isSigned`. The reserved top values read as their status (see
// FieldSentinel.h). The resolution is the caller's to attach. Fields cut
// by the payload's end read "Data not available"; unsigned 64-bit values beyond the
// mantissa's range read "Overflow Error".
DecimalValue extractBytes(const N2KPayload& payload, std::uint32_t bitOffset, std::uint32_t widthBits, bool isSigned);

// The raw little-endian bytes of a field that fits, zero-extended; 0 when it does not fit.
std::uint64_t rawLittleEndian(const N2KPayload& payload, std::uint32_t byteOffset, std::uint32_t byteCount);

} // namespace StandardsLib
