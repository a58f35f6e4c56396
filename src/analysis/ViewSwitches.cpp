#include "analysis/ViewSwitches.h"

#include "filter/ViewSettings.h"
#include "log/ZRLElement.h"

namespace ZrlAnalysis {

bool keptByViewSwitches(const KelpLib::ZRLElement& element, std::uint32_t viewFlags)
{
    const KelpLib::ViewSettings view(viewFlags);
    if (element.effectiveVariant() == KelpLib::MsgVariant::Hidden)
        return false;
    if (view.hideAssembled() && (element.flags() & KelpLib::ZRLElement::assembledFromCan))
        return false;
    return !(view.hideAssemblyFrames() && (element.flags() & KelpLib::ZRLElement::canFrameOfAssembly));
}

} // namespace ZrlAnalysis
