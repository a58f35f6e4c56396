#pragma once

#include <cstddef>
#include <cstdint>
#include <new>

namespace KelpLib {

// Memory for large, long-lived blocks taken straight from the system and, where the system
// allows it, backed by 2 MiB pages: a document of hundreds of megabytes then costs a few hundred
// page faults instead of hundreds of thousands, and its memory is returned at once when freed.
// Pages that are never touched cost nothing.

constexpr std::size_t largePageSize = std::size_t(1) << 21;
constexpr std::size_t smallPageSize = 4096;

constexpr std::size_t roundUpTo(std::size_t bytes, std::size_t unit) { return (bytes + unit - 1) / unit * unit; }

// A block of `bytes` bytes, zero-filled, aligned to largePageSize; nullptr when the system
// refuses it.
void* allocateLargePages(std::size_t bytes);
// Frees a block from allocateLargePages, given the same size. The block maps its size rounded
// up to whole small pages.
void freeLargePages(void* block, std::size_t bytes);

// A block for storage that grows block by block: in large pages, or, for the first block of
// what may stay small, from the ordinary heap, not cleared. A heap block freed and taken again
// is reused without new page faults, so small logs opened one after another stay cheap, where a
// large page would clear 2 MiB for a few bytes. Null when the memory is refused.
void* allocateBlock(std::size_t bytes, bool inLargePages);
// Frees a block from allocateBlock, given the same size and kind.
void freeBlock(void* block, std::size_t bytes, bool inLargePages);

// An allocator for big arrays (a std::vector of millions of items): from one large page up the
// storage is taken in large pages, below that from the heap.
template <typename T>
struct LargePageAllocator {
    using value_type = T;

    LargePageAllocator() = default;
    template <typename U>
    LargePageAllocator(const LargePageAllocator<U>&) noexcept {}

    T* allocate(std::size_t count)
    {
        if (count > SIZE_MAX / sizeof(T))
            throw std::bad_array_new_length();
        void* block = allocateBlock(count * sizeof(T), count * sizeof(T) >= largePageSize);
        if (!block)
            throw std::bad_alloc();
        return static_cast<T*>(block);
    }

    void deallocate(T* items, std::size_t count) noexcept
    {
        freeBlock(items, count * sizeof(T), count * sizeof(T) >= largePageSize);
    }

    friend bool operator==(const LargePageAllocator&, const LargePageAllocator&) { return true; }
};

} // namespace KelpLib
