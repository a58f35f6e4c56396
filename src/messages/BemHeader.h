#pragma once

#include <cstdint>

namespace KelpLib {

// What a BST message is, by its id and length.
enum class BstMessageKind : std::uint8_t {
    BemResponse, // full BEM header: model, serial and error code
    BemCommand,  // BEM id only
    PlainBst,    // any other BST message
};

// The BEM header of a message; for commands and plain BST messages the sub-key is 1 and
// model, serial and error are 0.
struct BemHeader {
    std::uint32_t key = 0xFFFF; // BST id x 256 + BEM id (0xFF for plain BST messages)
    std::uint32_t subKey = 0;
    std::uint32_t modelId = 0;
    std::uint32_t serialId = 0;
    std::int32_t errorCode = 0;
};

// The header, the kind and where the payload lies inside the message bytes.
struct BemLayout {
    BstMessageKind kind = BstMessageKind::PlainBst;
    BemHeader header;
    std::uint32_t payloadOffset = 0;
    std::uint32_t payloadSize = 0;
};

// Classifies the message bytes (id, length L, body): a response has one of the response ids
// and at least 14 bytes, a command one of the command ids and at least 3, both at least
// L + 2 bytes; anything else is a plain BST message. The payload follows the header (byte 14
// of a response, 3 of a command, 2 of a plain message) and takes L - 12, L - 1 or L bytes,
// counted modulo 256; it never reaches past the bytes given.
BemLayout parseBemHeader(const std::uint8_t* bytes, std::uint32_t count);

bool isBemResponseId(std::uint8_t id);
bool isBemCommandId(std::uint8_t id);

} // namespace KelpLib
