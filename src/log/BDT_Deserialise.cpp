#include "log/BDT_Deserialise.h"

namespace KelpLib {

BDT_Deserialise::BDT_Deserialise(std::uint32_t sizeLimit, std::uint8_t dle, std::uint8_t stx, std::uint8_t etx)
    : dle(dle), stx(stx), etx(etx)
{
    makeEmpty(frame, sizeLimit);
}

BDT_Deserialise::~BDT_Deserialise() { release(frame); }

bool BST_Deserialise::checksumCheck()
{
    ByteBuffer& frame = body();
    if (frame.length == 0)
        return false;
    std::uint8_t sum = 0;
    for (std::uint32_t i = 0; i < frame.length; ++i)
        sum = static_cast<std::uint8_t>(sum + frame.data[i]);
    if (sum != 0)
        return false;
    --frame.length;
    return true;
}

} // namespace KelpLib
