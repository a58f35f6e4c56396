// The 6-bit armour decoder with a capacity taken from the input.
#include "log/SixBitArmour.h"

#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::uint32_t capacity = data[0];
    auto out = std::make_unique<std::uint8_t[]>(capacity + 1);
    KelpLib::decodeSixBitArmour(data + 1, static_cast<std::uint32_t>(size - 1), out.get(), capacity);
    return 0;
}
