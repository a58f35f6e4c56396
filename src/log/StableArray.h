#pragma once

#include "log/LargePages.h"

#include <cstddef>
#include <new>
#include <utility>
#include <vector>

namespace KelpLib {

// An append-only array whose items never move: items live in fixed chunks of 2^ChunkBits,
// allocated as needed, so appending costs no copy and no per-item allocation, and an item's
// address stays valid until clear(). Indexing is a shift and a mask. Chunks after the first are
// taken in large pages (see allocateBlock), so a chunk size that is a multiple of 2 MiB wastes
// nothing.
template <typename T, unsigned ChunkBits = 16>
class StableArray {
public:
    static constexpr std::size_t chunkSize = std::size_t(1) << ChunkBits;
    static_assert(alignof(T) <= 64, "chunks are aligned to 64 bytes");

    StableArray() = default;
    StableArray(const StableArray&) = delete;
    StableArray& operator=(const StableArray&) = delete;
    ~StableArray() { clear(); }

    template <typename... Args>
    T& emplace_back(Args&&... args)
    {
        const std::size_t slot = count & (chunkSize - 1);
        if ((count >> ChunkBits) == chunks.size()) {
            chunks.reserve(chunks.size() + 1); // so that a new chunk is never left unowned
            void* chunk = allocateBlock(chunkBytes, !chunks.empty()); // the first from the heap
            if (!chunk)
                throw std::bad_alloc();
            chunks.push_back(static_cast<T*>(chunk));
        }
        T* item = new (chunks[count >> ChunkBits] + slot) T(std::forward<Args>(args)...);
        ++count;
        return *item;
    }

    T& operator[](std::size_t index) { return chunks[index >> ChunkBits][index & (chunkSize - 1)]; }
    const T& operator[](std::size_t index) const { return chunks[index >> ChunkBits][index & (chunkSize - 1)]; }
    std::size_t size() const { return count; }
    bool empty() const { return count == 0; }

    // Destroys every item and frees every chunk.
    void clear()
    {
        for (std::size_t i = count; i-- > 0;)
            (*this)[i].~T();
        count = 0;
        for (std::size_t i = 0; i < chunks.size(); ++i)
            freeBlock(chunks[i], chunkBytes, i != 0);
        chunks.clear();
        chunks.shrink_to_fit();
    }

    class ConstIterator {
    public:
        ConstIterator(T* const* chunkList, std::size_t index) : chunkList(chunkList), index(index) {}
        const T& operator*() const { return chunkList[index >> ChunkBits][index & (chunkSize - 1)]; }
        ConstIterator& operator++()
        {
            ++index;
            return *this;
        }
        bool operator!=(const ConstIterator& other) const { return index != other.index; }

    private:
        T* const* chunkList;
        std::size_t index;
    };

    ConstIterator begin() const { return {chunks.data(), 0}; }
    ConstIterator end() const { return {chunks.data(), count}; }

private:
    static constexpr std::size_t chunkBytes = sizeof(T) * chunkSize;
    std::vector<T*> chunks;
    std::size_t count = 0;
};

} // namespace KelpLib
