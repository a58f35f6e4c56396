#include "filter/ViewSettings.h"

namespace KelpLib {

void ViewSettings::copyFrom(const ViewSettings& other)
{
    if (flags != other.flags) {
        flags = other.flags;
        changed = 1;
    }
}

void ViewSettings::toggleHideAssemblyFrames()
{
    flags ^= hideAssemblyFramesBit;
    changed = 1;
}

void ViewSettings::toggleHideAssembled()
{
    flags ^= hideAssembledBit;
    changed = 1;
}

} // namespace KelpLib
