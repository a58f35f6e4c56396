#include "analysis/ViewSwitches.h"

#include "filter/ViewSettings.h"

namespace ZrlAnalysis {

bool keptByViewSwitches(const KelpLib::ZRLElement& element, std::uint32_t viewFlags)
{
    return element.effectiveVariant() != KelpLib::MsgVariant::Hidden &&
           KelpLib::ViewSettings(viewFlags).keeps(element);
}

} // namespace ZrlAnalysis
