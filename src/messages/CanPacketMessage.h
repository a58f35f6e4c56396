#pragma once

#include "common/ByteBuffer.h"

#include <cstdint>

namespace KelpLib {

class N2KMsg;

// A BST 0x95 CAN frame as an NMEA 2000 message: whole on its own when the PGN database marks
// its PGN single-frame, else one frame of a fast-packet transfer. A PGN the database does not
// define counts as fast-packet.
bool canPacketIsSingleFrame(const ByteBuffer& frame);
// "SINGLE" or "FAST", the list text of the frame's kind.
const char* canPacketKindText(const ByteBuffer& frame);
// "Single-Packet" or "Fast-Packet", the title text of the frame's kind.
const char* canPacketKindTitle(const ByteBuffer& frame);

// Decodes the frame into `out`: accepted when it has 8 to 16 bytes and exactly its length byte
// + 2; priority, PGN, source and destination from the CAN identifier, the payload from byte 8,
// and the time word of the buffer (not the frame's own millisecond time). Returns 0,
// -1097 ("BST Wrong length!") for a frame of the wrong size, or -1099 for a buffer that is not
// a 0x95 frame; `out` is the decoded message, invalid on failure. The field list of a
// single-frame PGN then decodes the payload.
std::int32_t canPacketToN2KMsg(const ByteBuffer& frame, N2KMsg& out);

} // namespace KelpLib
