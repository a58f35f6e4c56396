#include "log/ElementByteArena.h"

#include "log/LargePages.h"

#include <cstring>
#include <new>

namespace KelpLib {

ElementByteArena::Block ElementByteArena::newBlock(std::size_t size) const
{
    const bool inLargePages = !blocks.empty(); // the first from the heap
    void* bytes = allocateBlock(size, inLargePages);
    if (!bytes)
        throw std::bad_alloc();
    return {static_cast<std::uint8_t*>(bytes), size, inLargePages};
}

std::uint8_t* ElementByteArena::allocate(std::uint32_t count)
{
    if (count == 0)
        return nullptr;
    if (count > blockSize / 4) {
        // A large piece gets a block of its own, kept before the block being filled.
        blocks.reserve(blocks.size() + 1); // so that a new block is never left unowned
        const Block own = newBlock(count);
        blocks.insert(blocks.empty() ? blocks.end() : blocks.end() - 1, own);
        reservedBytes += count;
        return own.bytes;
    }
    if (blockSize - used < count) {
        blocks.reserve(blocks.size() + 1);
        blocks.push_back(newBlock(blockSize));
        reservedBytes += blockSize;
        used = 0;
    }
    std::uint8_t* piece = blocks.back().bytes + used;
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
    for (const Block& block : blocks)
        freeBlock(block.bytes, block.size, block.inLargePages);
    blocks.clear();
    blocks.shrink_to_fit();
    used = blockSize;
    reservedBytes = 0;
}

} // namespace KelpLib
