#pragma once
// The verdicts of a display filter on every element of a document, worked out once (on a
// worker thread, in step with a progress count) so that the shown list can be rebuilt from them
// on the window thread at the cost of a bit test per element.
#include "query/DisplayFilter.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace KelpLib {

class ZRLDoc;

class ElementMask {
public:
    // Evaluates the filter on every element; null when `cancel` was set meanwhile. `done`
    // counts the elements evaluated.
    static std::shared_ptr<const ElementMask> evaluate(const ZRLDoc& document, const DisplayFilter& filter,
                                                       const std::atomic<bool>* cancel = nullptr,
                                                       std::atomic<std::size_t>* done = nullptr);

    bool keeps(const ZRLDoc& document, std::size_t line) const;
    std::size_t keptCount() const { return kept; }
    const std::string& filterText() const { return text; }

private:
    std::vector<std::uint64_t> bits;
    std::size_t size = 0;
    std::size_t kept = 0;
    std::string text;
};

} // namespace KelpLib
