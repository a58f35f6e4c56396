#include "messages/N2KHeader.h"

#include <cstring>

namespace KelpLib {

namespace {

std::uint32_t u32At(const std::uint8_t* b) { return b[0] | b[1] << 8 | b[2] << 16 | std::uint32_t(b[3]) << 24; }

std::uint8_t canDestination(const std::uint8_t* b) { return b[6] < 240 ? b[5] : N2KMsg_s::globalAddress; }

} // namespace

std::uint32_t bstHeaderPgn(const std::uint8_t* b)
{
    return b[3] + b[4] * 256u + (b[5] & 3u) * 65536u;
}

std::uint32_t canIdPgn(const std::uint8_t* id)
{
    return (id[3] & 3u) * 65536u + id[2] * 256u + (id[2] >= 240 ? id[1] : 0u);
}

std::int32_t decodeN2KHeader(const ByteBuffer& message, N2KMsg_s& out)
{
    return decodeN2KHeader(message.data, message.data ? message.length : 0, message.time, out);
}

std::int32_t decodeN2KHeader(const std::uint8_t* b, std::uint32_t n, std::uint32_t t, N2KMsg_s& out)
{
    N2KHeaderView header;
    const std::int32_t result = viewN2KHeader(b, n, t, header);
    if (result != 0)
        return result;
    out.priority = header.priority;
    out.pgn = header.pgn;
    out.destination = header.destination;
    out.source = header.source;
    out.time = header.time;
    out.length = header.length;
    std::memcpy(out.data, header.payload, header.length);
    return 0;
}

std::int32_t viewN2KHeader(const std::uint8_t* b, std::uint32_t n, std::uint32_t t, N2KHeaderView& out)
{
    if (b == nullptr || n == 0)
        return bstUnknownCommand;
    const bool lengthMatches = n >= 2 && b[1] + 2u == n;
    // The layout of each id: priority, PGN, destination, source, time, payload length and
    // payload.
    N2KHeaderView header;
    switch (b[0]) {
    case 0x92:
        if (n < 9 || b[8] > 224 || !lengthMatches)
            return bstWrongLength;
        header = {std::uint8_t(b[2] & 7), bstHeaderPgn(b), b[6], b[7], t, b[8], b + 9};
        break;
    case 0x93:
        if (n < 13 || b[12] > 224 || !lengthMatches)
            return bstWrongLength;
        header = {std::uint8_t(b[2] & 7), bstHeaderPgn(b), b[6], b[7], u32At(b + 8), b[12], b + 13};
        break;
    case 0x94:
        if (n < 8 || b[7] > 224 || !lengthMatches)
            return bstWrongLength;
        header = {std::uint8_t(b[2] & 7), bstHeaderPgn(b), b[6], 255, t, b[7], b + 8};
        break;
    case 0x95:
        if (n < 8 || n > 16 || !lengthMatches)
            return bstWrongLength;
        header = {std::uint8_t((b[7] >> 2) & 7), canIdPgn(b + 4), canDestination(b), b[4], t, n - 8, b + 8};
        break;
    case 0x96:
        if (n < 8 || b[7] > 8 || !lengthMatches)
            return bstWrongLength;
        header = {std::uint8_t(b[2] & 7), bstHeaderPgn(b), b[6], 255, t, b[7], b + 8};
        break;
    case 0xD0: {
        if (n < 13)
            return bstWrongLength;
        const std::uint32_t declared = b[1] | b[2] << 8;
        if (declared < 13 || declared - 13 > 224)
            return bstWrongLength;
        const std::uint8_t destination = (b[8] & 3) == 2 ? b[3] : canDestination(b);
        header = {std::uint8_t((b[7] >> 2) & 7), canIdPgn(b + 4), destination, b[4], u32At(b + 9), declared - 13, b + 13};
        break;
    }
    default:
        return bstUnknownCommand;
    }
    // The data-length bytes are not covered by the total-length checks: never read past the message.
    if (static_cast<std::uint32_t>(header.payload - b) + header.length > n)
        return bstWrongLength;
    out = header;
    return 0;
}

} // namespace KelpLib
