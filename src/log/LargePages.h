#pragma once

#include <cstddef>

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

} // namespace KelpLib
