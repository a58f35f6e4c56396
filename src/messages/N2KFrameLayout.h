#pragma once
// Where each BST message that carries NMEA 2000 keeps its length, header fields and payload:
// the one description the parser's length check, PGN step and classification and the header
// decode all read.
#include <cstdint>

namespace KelpLib {

// Where the payload length is.
enum class N2KLengthField : std::uint8_t {
    Byte,        // one byte, at lengthByte
    FrameRest,   // implied: the bytes after the header
    DeclaredWord // bytes 1-2 declare the whole message's length, header included
};

// Where priority, PGN and destination are.
enum class N2KAddressing : std::uint8_t {
    BstHeader,     // priority byte 2 (bits 0-2), PGN bytes 3-5, destination byte 6
    CanId,         // the 29-bit CAN identifier at bytes 4-7
    AssembledCanId // as CanId, but destination byte 3 when bits 0-1 of byte 8 are 2
};

// How the parser checks the length of a message as it arrives.
enum class N2KStreamCheck : std::uint8_t {
    TotalLength,  // byte 1 counts the bytes after it, as for every other BST id
    PayloadByte,  // a payload of at least one byte, whose length byte agrees with byte 1
    FramePayload  // a payload of 1 to maxPayload bytes after the header
};

struct N2KFrameLayout {
    std::uint8_t id;
    std::uint8_t payloadOffset; // also the shortest message the header decode reads
    N2KLengthField lengthField;
    std::uint8_t lengthByte;
    std::uint8_t maxPayload;
    N2KAddressing addressing;
    std::uint8_t sourceByte; // 0: the message names no source (255)
    std::uint8_t timeByte;   // 0: the message carries no time (the caller's)
    N2KStreamCheck streamCheck;
    // A message received from the network: the parser notes its PGN and the classification
    // looks into it for a carried BEM message.
    bool received;
};

// The layout of a BST id, or nullptr for an id that carries no NMEA 2000 header.
const N2KFrameLayout* n2kFrameLayout(std::uint8_t id);

} // namespace KelpLib
