#include "query/ElementMask.h"

#include "log/ZRLDoc.h"

namespace KelpLib {

namespace {
constexpr std::size_t progressStep = 65536;
}

std::shared_ptr<const ElementMask> ElementMask::evaluate(const ZRLDoc& document, const DisplayFilter& filter,
                                                         const std::atomic<bool>* cancel,
                                                         std::atomic<std::size_t>* done)
{
    auto mask = std::make_shared<ElementMask>();
    mask->size = document.elementCount();
    mask->text = filter.text();
    mask->bits.assign((mask->size + 63) / 64, 0);
    for (std::size_t line = 0; line < mask->size; ++line) {
        if (line % progressStep == 0) {
            if (cancel != nullptr && cancel->load(std::memory_order_relaxed))
                return nullptr;
            if (done != nullptr)
                done->store(line, std::memory_order_relaxed);
        }
        if (filter.keepsElement(document.element(ElementLine(static_cast<std::uint32_t>(line))), line)) {
            mask->bits[line / 64] |= std::uint64_t(1) << (line % 64);
            ++mask->kept;
        }
    }
    if (done != nullptr)
        done->store(mask->size, std::memory_order_relaxed);
    return mask;
}

bool ElementMask::keeps(const ZRLDoc&, std::size_t line) const
{
    return line < size && (bits[line / 64] >> (line % 64) & 1) != 0;
}

} // namespace KelpLib
