#pragma once

#include <cstdint>
#include <vector>

namespace KelpLib {

// Storage for the bytes of a document's elements: large blocks handed out in small pieces, so
// that millions of short messages cost one allocation per block instead of one each. Pieces
// stay where they are until clear().
class ElementByteArena {
public:
    ElementByteArena() = default;
    ElementByteArena(const ElementByteArena&) = delete;
    ElementByteArena& operator=(const ElementByteArena&) = delete;
    ~ElementByteArena() { clear(); }

    // Room for `count` bytes, valid until clear(). A count of 0 gives null.
    std::uint8_t* allocate(std::uint32_t count);
    // A copy of the bytes in the arena.
    const std::uint8_t* copy(const std::uint8_t* bytes, std::uint32_t count);
    void clear();
    // Bytes held in blocks, in use or not.
    std::size_t reserved() const { return reservedBytes; }

private:
    struct Block {
        std::uint8_t* bytes;
        std::size_t size;
        bool inLargePages;
    };
    static constexpr std::uint32_t blockSize = 1u << 21; // one large page
    Block newBlock(std::size_t size) const;

    std::vector<Block> blocks;
    std::uint32_t used = blockSize; // of the last block; a full block forces a new one
    std::size_t reservedBytes = 0;
};

} // namespace KelpLib
