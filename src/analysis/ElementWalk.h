#pragma once
// One walk over a loaded document's elements in file order, for the passes that run on a worker:
// progress now and then, and a flag that stops the walk early.
#include "log/ZRLDoc.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>

namespace ZrlAnalysis {

// Progress (elements walked, elements in all) and a flag that stops the walk early.
// Progress (elements walked, elements in all) and a flag that stops the walk early.
struct WalkControl {
    std::function<void(std::size_t done, std::size_t total)> progress;
    const std::atomic<bool>* cancel = nullptr;
};

// Calls visit(line, element) for every element; false when cancelled.
template <typename Visit>
bool walkElements(const KelpLib::ZRLDoc& document, const WalkControl& control, Visit&& visit)
{
    constexpr std::size_t progressStep = std::size_t{1} << 16;
    const std::size_t total = document.elementCount();
    for (std::size_t line = 0; line < total; ++line) {
        if (line % progressStep == 0) {
            if (control.cancel != nullptr && control.cancel->load(std::memory_order_relaxed))
                return false;
            if (control.progress)
                control.progress(line, total);
        }
        visit(line, document.element(KelpLib::ElementLine(std::uint32_t(line))));
    }
    if (control.progress)
        control.progress(total, total);
    return true;
}

}  // namespace ZrlAnalysis
