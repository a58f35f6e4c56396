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

// A block of `bytes` bytes, zero-filled, aligned to largePageSize; nullptr when the system
// refuses it.
void* allocateLargePages(std::size_t bytes);
// Frees a block from allocateLargePages, given the same size.
void freeLargePages(void* block, std::size_t bytes);

// An allocator for big arrays (a std::vector of millions of items): from one large page up the
// storage is taken with allocateLargePages, below that as usual.
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
        const std::size_t bytes = count * sizeof(T);
        if (bytes < largePageSize)
            return static_cast<T*>(::operator new(bytes, std::align_val_t(alignof(T))));
        void* block = allocateLargePages(bytes);
        if (!block)
            throw std::bad_alloc();
        return static_cast<T*>(block);
    }

    void deallocate(T* items, std::size_t count) noexcept
    {
        if (count * sizeof(T) < largePageSize)
            ::operator delete(items, std::align_val_t(alignof(T)));
        else
            freeLargePages(items, count * sizeof(T));
    }

    friend bool operator==(const LargePageAllocator&, const LargePageAllocator&) { return true; }
};

} // namespace KelpLib
