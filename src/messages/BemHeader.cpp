#include "messages/BemHeader.h"

namespace KelpLib {

namespace {

constexpr std::uint32_t responseHeaderSize = 14;
constexpr std::uint32_t commandHeaderSize = 3;
constexpr std::uint32_t plainHeaderSize = 2;

std::uint32_t readLittleEndian(const std::uint8_t* bytes, std::uint32_t count)
{
    std::uint32_t value = 0;
    for (std::uint32_t i = 0; i < count; ++i)
        value |= static_cast<std::uint32_t>(bytes[i]) << (8 * i);
    return value;
}

// The declared size, cut to what the message really holds after its header.
std::uint32_t payloadSize(std::uint32_t declared, std::uint32_t count, std::uint32_t offset)
{
    const std::uint32_t available = count > offset ? count - offset : 0;
    const std::uint32_t size = declared & 0xFF;
    return size < available ? size : available;
}

} // namespace

bool isBemResponseId(std::uint8_t id)
{
    return id == 0xA0 || id == 0xA2 || id == 0xA3 || id == 0xA5 || id == 0xA7 || id == 0xA9;
}

bool isBemCommandId(std::uint8_t id)
{
    return id == 0xA1 || id == 0xA4 || id == 0xA6 || id == 0xA8 || id == 0xA9;
}

BemLayout parseBemHeader(const std::uint8_t* bytes, std::uint32_t count)
{
    BemLayout layout;
    if (bytes == nullptr || count == 0)
        return layout; // key 0xFFFF, no payload
    const std::uint8_t id = bytes[0];
    const std::uint32_t length = count > 1 ? bytes[1] : 0;
    const bool complete = count >= 2 && count >= length + 2;
    if (complete && isBemResponseId(id) && count >= responseHeaderSize) {
        layout.kind = BstMessageKind::BemResponse;
        layout.header.key = id * 256u + bytes[2];
        layout.header.subKey = bytes[3];
        layout.header.modelId = readLittleEndian(bytes + 4, 2);
        layout.header.serialId = readLittleEndian(bytes + 6, 4);
        layout.header.errorCode = static_cast<std::int32_t>(readLittleEndian(bytes + 10, 4));
        layout.payloadOffset = responseHeaderSize;
        layout.payloadSize = payloadSize(length - 12, count, responseHeaderSize);
        return layout;
    }
    layout.header.subKey = 1;
    if (complete && isBemCommandId(id) && count >= commandHeaderSize) {
        layout.kind = BstMessageKind::BemCommand;
        layout.header.key = id * 256u + bytes[2];
        layout.payloadOffset = commandHeaderSize;
        layout.payloadSize = payloadSize(length - 1, count, commandHeaderSize);
        return layout;
    }
    layout.kind = BstMessageKind::PlainBst;
    layout.header.key = id * 256u + 0xFF;
    layout.payloadOffset = plainHeaderSize;
    layout.payloadSize = payloadSize(length, count, plainHeaderSize);
    return layout;
}

} // namespace KelpLib
