#pragma once

#include "common/ByteBuffer.h"

#include <cstdint>

namespace KelpLib {

// Read-outs of a BST 0x95 frame: id, length L (n = L + 2 bytes), 16-bit millisecond time,
// 29-bit CAN identifier (source, PDU specific, PDU format, data page | priority << 2) and up to
// 8 data bytes. Bytes the buffer does not hold read as 0, so a short frame never reads past
// its buffer.
std::uint8_t canPacketBstLength(const ByteBuffer& frame);
std::uint32_t canPacketCanId(const ByteBuffer& frame);
std::uint32_t canPacketPgn(const ByteBuffer& frame);
std::uint8_t canPacketSource(const ByteBuffer& frame);
// The PDU-specific byte for PDU-format values below 240 (addressed), else 255.
std::uint8_t canPacketDestination(const ByteBuffer& frame);
std::uint8_t canPacketPriority(const ByteBuffer& frame);
// Null only for a buffer without data.
const std::uint8_t* canPacketPayload(const ByteBuffer& frame);
// n - 8; 0 when the frame is shorter than 8 bytes.
std::uint32_t canPacketPayloadLength(const ByteBuffer& frame);
std::uint16_t canPacketTime(const ByteBuffer& frame);

// A well-formed BST message: at least 2 bytes, a known id (0x92-0x96, 0xD0, 0xA0-0xA9, 0xC0)
// and at least as many bytes as its length byte announces.
bool isWellFormedBst(const ByteBuffer& message);

} // namespace KelpLib
