#pragma once

#include "common/ByteBuffer.h"
#include "messages/N2KFrameLayout.h"
#include "messages/N2KMsg_s.h"

#include <cstdint>

namespace KelpLib {

constexpr std::int32_t bstWrongLength = -1097;  // "BST Wrong length!"
constexpr std::int32_t bstUnknownCommand = -1099; // "Unknown BST Command ID!"

// The NMEA 2000 header of a BST message, its payload left where it is in the message.
struct N2KHeaderView {
    std::uint8_t priority = 0;
    std::uint32_t pgn = 0;
    std::uint8_t destination = N2KMsg_s::globalAddress;
    std::uint8_t source = 0;
    std::uint32_t time = 0;
    std::uint32_t length = 0;
    const std::uint8_t* payload = nullptr;
};

// Reads the header of a BST message as decodeN2KHeader does, with the same checks and results,
// without copying the payload: for callers that look at a few fields of millions of messages.
// On failure nothing is written.
std::int32_t viewN2KHeader(const std::uint8_t* bytes, std::uint32_t length, std::uint32_t time, N2KHeaderView& out);

// Decodes the NMEA 2000 header and payload of a BST message of an id with an N2KFrameLayout. Returns 0, bstWrongLength or bstUnknownCommand; on failure nothing is written.
// A declared payload that would reach past the buffer is refused as a wrong length.
std::int32_t decodeN2KHeader(const ByteBuffer& message, N2KMsg_s& out);
std::int32_t decodeN2KHeader(const std::uint8_t* bytes, std::uint32_t length, std::uint32_t time, N2KMsg_s& out);

// The PGN of a BST message of id 0x92, 0x93, 0x94 or 0x96 (at least 6 bytes): bytes 3 and 4 and
// the data-page bits of byte 5. The parser, the PGN filter and the details all read it so.
std::uint32_t bstHeaderPgn(const std::uint8_t* bytes);

// The PGN of a message of the layout: from the BST header or from the CAN identifier.
std::uint32_t n2kFramePgn(const N2KFrameLayout& layout, const std::uint8_t* bytes);

// The PGN of a 29-bit CAN identifier laid out as source, PDU specific, PDU format,
// data page | priority << 2.
std::uint32_t canIdPgn(const std::uint8_t* id);

} // namespace KelpLib
