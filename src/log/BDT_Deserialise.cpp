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
    std::uint32_t i = 0;
    std::uint32_t total = 0;
#if defined(__SSE2__)
    // Sixteen bytes at a time: the sum of absolute differences from zero adds them up in two
    // 64-bit lanes, which no body of 237 bytes can overflow.
    __m128i sums = _mm_setzero_si128();
    for (; i + 16 <= frame.length; i += 16)
        sums = _mm_add_epi64(sums, _mm_sad_epu8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(frame.data + i)),
                                                _mm_setzero_si128()));
    total = static_cast<std::uint32_t>(_mm_cvtsi128_si32(sums)) +
            static_cast<std::uint32_t>(_mm_cvtsi128_si32(_mm_unpackhi_epi64(sums, sums)));
#endif
    for (; i < frame.length; ++i)
        total += frame.data[i];
    const std::uint8_t sum = static_cast<std::uint8_t>(total);
    if (sum != 0)
        return false;
    --frame.length;
    return true;
}

} // namespace KelpLib
