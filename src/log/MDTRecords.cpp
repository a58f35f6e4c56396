#include "log/MDTRecords.h"

namespace KelpLib {

namespace {

constexpr std::int32_t notBem = -1137;
constexpr std::int32_t badData = -1140;
constexpr std::uint32_t bemHeaderSize = 14;
constexpr std::uint32_t endPayloadSize = 10;
constexpr std::uint32_t largestDataBlock = 215;

std::uint32_t u32At(const std::uint8_t* b) { return b[0] | b[1] << 8 | b[2] << 16 | std::uint32_t(b[3]) << 24; }

bool hasFullBemHeader(std::uint8_t id)
{
    return id == 0xA0 || id == 0xA2 || id == 0xA3 || id == 0xA5 || id == 0xA7 || id == 0xA9;
}

// The header of a BEM message with the full header; false when the id or the length is wrong.
bool readHeader(const std::uint8_t* m, std::uint32_t n, MDTHeader_s& header)
{
    if (m == nullptr || n < bemHeaderSize || !hasFullBemHeader(m[0]) || n < m[1] + 2u)
        return false;
    header.key = m[0] * 256u + m[2];
    header.modelId = m[4] | m[5] << 8;
    header.serialId = u32At(m + 6);
    header.errorCode = static_cast<std::int32_t>(u32At(m + 10));
    return true;
}

// The payload runs from the header to the end of the message its length byte declares.
std::uint32_t payloadLength(const std::uint8_t* m) { return m[1] + 2u > bemHeaderSize ? m[1] + 2u - bemHeaderSize : 0; }

} // namespace

std::int32_t decodeMdtStart(const std::uint8_t* m, std::uint32_t n, MDTStartRecord_s& out)
{
    MDTHeader_s header;
    if (!readHeader(m, n, header))
        return notBem;
    const std::uint32_t payload = payloadLength(m);
    if (payload < 9 + 4)
        return badData;
    const std::uint8_t* p = m + bemHeaderSize;
    const std::uint32_t size = u32At(p + 3);
    if (size > mdtLargestTransfer)
        return badData;
    out.header = header;
    out.transferId = p[0];
    out.channelId = p[1];
    out.byte2 = p[2];
    out.size = size;
    out.byte7 = p[7];
    out.byte8 = p[8];
    out.setup.assign(p + 9, p + payload);
    return 0;
}

std::int32_t decodeMdtEnd(const std::uint8_t* m, std::uint32_t n, MDTEndRecord_s& out)
{
    MDTHeader_s header;
    if (!readHeader(m, n, header))
        return notBem;
    if (payloadLength(m) != endPayloadSize)
        return badData;
    const std::uint8_t* p = m + bemHeaderSize;
    out.header = header;
    out.transferId = p[0];
    out.channelId = p[1];
    out.size = u32At(p + 2);
    out.word = u32At(p + 6);
    return 0;
}

std::int32_t decodeMdtData(const std::uint8_t* m, std::uint32_t n, MDTDataRecord_s& out)
{
    if (m == nullptr || n < 8 || m[0] != 0xC0 || n < m[1] + 2u || m[1] + 2u < 8)
        return notBem;
    const std::uint32_t length = m[1] + 2u - 8;
    if (length > largestDataBlock)
        return badData;
    out.transferId = m[2];
    out.channelId = m[3];
    out.offset = u32At(m + 4);
    out.data = m + 8;
    out.length = length;
    return 0;
}

} // namespace KelpLib
