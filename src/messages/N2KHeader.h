#pragma once

#include "messages/ByteBuffer.h"
#include "messages/N2KMsg_s.h"

#include <cstdint>

namespace KelpLib {

constexpr std::int32_t bstWrongLength = -1097;  // "BST Wrong length!"
constexpr std::int32_t bstUnknownCommand = -1099; // "Unknown BST Command ID!"

// Decodes the NMEA 2000 header and payload of a BST message of id 0x92, 0x93, 0x94, 0x95,
// 0x96 or 0xD0. Returns 0, bstWrongLength or bstUnknownCommand; on failure nothing is written.
// A declared payload that would reach past the buffer is refused as a wrong length.
std::int32_t decodeN2KHeader(const ByteBuffer& message, N2KMsg_s& out);
std::int32_t decodeN2KHeader(const std::uint8_t* bytes, std::uint32_t length, std::uint32_t time, N2KMsg_s& out);

// The PGN of a 29-bit CAN identifier laid out as source, PDU specific, PDU format,
// data page | priority << 2.
std::uint32_t canIdPgn(const std::uint8_t* id);

} // namespace KelpLib
