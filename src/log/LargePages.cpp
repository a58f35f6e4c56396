#include "log/LargePages.h"

#include <cstdint>
#include <new>

#include <sys/mman.h>

namespace KelpLib {

namespace {

// Heap blocks are aligned as generously as any item stored in them needs.
constexpr std::align_val_t heapAlignment{64};

} // namespace

void* allocateLargePages(std::size_t bytes)
{
    if (bytes == 0 || bytes > SIZE_MAX - 2 * largePageSize)
        return nullptr;
    const std::size_t size = roundUpTo(bytes, smallPageSize);
    // Over-ask by one large page, then trim both ends so that the block starts on a large-page
    // boundary: only whole aligned 2 MiB spans can be backed by large pages.
    const std::size_t asked = size + largePageSize;
    void* mapped = mmap(nullptr, asked, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED)
        return nullptr;
    const auto start = reinterpret_cast<std::uintptr_t>(mapped);
    const std::uintptr_t aligned = roundUpTo(start, largePageSize);
    if (aligned > start)
        munmap(mapped, aligned - start);
    const std::uintptr_t end = aligned + size;
    if (start + asked > end)
        munmap(reinterpret_cast<void*>(end), start + asked - end);
    void* block = reinterpret_cast<void*>(aligned);
    // Only advice: where large pages are not available the block is simply made of small ones.
    madvise(block, size, MADV_HUGEPAGE);
    return block;
}

void freeLargePages(void* block, std::size_t bytes)
{
    if (block)
        munmap(block, roundUpTo(bytes, smallPageSize));
}

void* allocateBlock(std::size_t bytes, bool inLargePages)
{
    if (inLargePages)
        return allocateLargePages(bytes);
    return ::operator new(bytes, heapAlignment, std::nothrow);
}

void freeBlock(void* block, std::size_t bytes, bool inLargePages)
{
    if (inLargePages)
        freeLargePages(block, bytes);
    else
        ::operator delete(block, heapAlignment);
}

} // namespace KelpLib
