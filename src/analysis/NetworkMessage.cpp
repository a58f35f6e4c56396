#include "analysis/NetworkMessage.h"

#include "log/ZRLElement.h"

namespace ZrlAnalysis {

bool networkMessage(const KelpLib::ZRLElement& element, KelpLib::N2KHeaderView& header)
{
    const KelpLib::MsgVariant variant = element.effectiveVariant();
    if (variant != KelpLib::VariantN2k &&
        !(variant == KelpLib::VariantCanFrame && (element.flags() & KelpLib::ZRLElement::canFrameOfAssembly) == 0))
        return false;
    return KelpLib::viewN2KHeader(element.data(), element.length(), 0, header) == 0;
}

}  // namespace ZrlAnalysis
