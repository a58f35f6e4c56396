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

std::uint32_t n2kFramePgn(const N2KFrameLayout& layout, const std::uint8_t* b)
{
    return layout.addressing == N2KAddressing::BstHeader ? bstHeaderPgn(b) : canIdPgn(b + 4);
}

std::int32_t viewN2KHeader(const std::uint8_t* b, std::uint32_t n, std::uint32_t t, N2KHeaderView& out)
{
    const N2KFrameLayout* layout = b && n ? n2kFrameLayout(b[0]) : nullptr;
    if (layout == nullptr)
        return bstUnknownCommand;
    const std::uint32_t offset = layout->payloadOffset;
    if (n < offset)
        return bstWrongLength;
    const bool lengthMatches = b[1] + 2u == n;
    std::uint32_t length = 0;
    switch (layout->lengthField) {
    case N2KLengthField::Byte:
        length = b[layout->lengthByte];
        if (length > layout->maxPayload || !lengthMatches)
            return bstWrongLength;
        break;
    case N2KLengthField::FrameRest:
        length = n - offset;
        if (length > layout->maxPayload || !lengthMatches)
            return bstWrongLength;
        break;
    case N2KLengthField::DeclaredWord: {
        const std::uint32_t declared = b[1] | b[2] << 8;
        if (declared < offset || declared - offset > layout->maxPayload)
            return bstWrongLength;
        length = declared - offset;
        break;
    }
    }
    // The data-length bytes are not covered by the total-length checks: never read past the message.
    if (offset + length > n)
        return bstWrongLength;

    N2KHeaderView header;
    header.pgn = n2kFramePgn(*layout, b);
    if (layout->addressing == N2KAddressing::BstHeader) {
        header.priority = std::uint8_t(b[2] & 7);
        header.destination = b[6];
    } else {
        header.priority = std::uint8_t((b[7] >> 2) & 7);
        const bool addressedAssembly = layout->addressing == N2KAddressing::AssembledCanId && (b[8] & 3) == 2;
        header.destination = addressedAssembly ? b[3] : canDestination(b);
    }
    header.source = layout->sourceByte ? b[layout->sourceByte] : 255;
    header.time = layout->timeByte ? u32At(b + layout->timeByte) : t;
    header.length = length;
    header.payload = b + offset;
    out = header;
    return 0;
}

} // namespace KelpLib
