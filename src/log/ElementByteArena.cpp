#include "log/ElementByteArena.h"

#include <cstring>

namespace KelpLib {

std::uint8_t* ElementByteArena::allocate(std::uint32_t count)
{
    if (count == 0)
        return nullptr;
    if (count > blockSize / 4) {
        // A large piece gets a block of its own, kept before the block being filled.
        auto own = std::make_unique<std::uint8_t[]>(count);
        std::uint8_t* piece = own.get();
        blocks.insert(blocks.empty() ? blocks.end() : blocks.end() - 1, std::move(own));
        reservedBytes += count;
        return piece;
    }
    if (blockSize - used < count) {
        blocks.push_back(std::make_unique_for_overwrite<std::uint8_t[]>(blockSize));
        reservedBytes += blockSize;
        used = 0;
    }
    std::uint8_t* piece = blocks.back().get() + used;
    used += count;
    return piece;
}

const std::uint8_t* ElementByteArena::copy(const std::uint8_t* bytes, std::uint32_t count)
{
    if (bytes == nullptr || count == 0)
        return nullptr;
    std::uint8_t* piece = allocate(count);
    std::memcpy(piece, bytes, count);
    return piece;
}

void ElementByteArena::clear()
{
    blocks.clear();
    blocks.shrink_to_fit();
    used = blockSize;
    reservedBytes = 0;
}

} // namespace KelpLib
