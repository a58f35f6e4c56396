#include "messages/CanPacket.h"

namespace KelpLib {

namespace {

constexpr std::uint32_t payloadOffset = 8;

std::uint32_t sizeOf(const ByteBuffer& frame) { return frame.data ? frame.length : 0; }

std::uint8_t byteAt(const ByteBuffer& frame, std::uint32_t index)
{
    return index < sizeOf(frame) ? frame.data[index] : 0;
}

} // namespace

std::uint8_t canPacketBstLength(const ByteBuffer& frame) { return byteAt(frame, 1); }

std::uint32_t canPacketCanId(const ByteBuffer& frame)
{
    return byteAt(frame, 4) | byteAt(frame, 5) << 8 | byteAt(frame, 6) << 16 |
           static_cast<std::uint32_t>(byteAt(frame, 7) & 0x1F) << 24;
}

std::uint32_t canPacketPgn(const ByteBuffer& frame)
{
    const std::uint8_t pduFormat = byteAt(frame, 6);
    return (byteAt(frame, 7) & 3u) * 65536u + pduFormat * 256u + (pduFormat >= 240 ? byteAt(frame, 5) : 0u);
}

std::uint8_t canPacketSource(const ByteBuffer& frame) { return byteAt(frame, 4); }

std::uint8_t canPacketDestination(const ByteBuffer& frame)
{
    return byteAt(frame, 6) < 240 ? byteAt(frame, 5) : 255;
}

std::uint8_t canPacketPriority(const ByteBuffer& frame) { return (byteAt(frame, 7) >> 2) & 7; }

const std::uint8_t* canPacketPayload(const ByteBuffer& frame)
{
    if (!frame.data)
        return nullptr;
    return frame.data + (frame.length < payloadOffset ? frame.length : payloadOffset);
}

std::uint32_t canPacketPayloadLength(const ByteBuffer& frame)
{
    const std::uint32_t n = sizeOf(frame);
    return n < payloadOffset ? 0 : n - payloadOffset;
}

std::uint16_t canPacketTime(const ByteBuffer& frame)
{
    return static_cast<std::uint16_t>(byteAt(frame, 2) | byteAt(frame, 3) << 8);
}

bool isWellFormedBst(const ByteBuffer& message)
{
    const std::uint32_t n = sizeOf(message);
    if (n < 2)
        return false;
    const std::uint8_t id = message.data[0];
    const bool known = (id >= 0x92 && id <= 0x96) || id == 0xD0 || (id >= 0xA0 && id <= 0xA9) || id == 0xC0;
    return known && n >= message.data[1] + 2u;
}

} // namespace KelpLib
