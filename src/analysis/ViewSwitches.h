#pragma once
// Whether the fast-packet view switches (see filter/ViewSettings.h) keep an element in the list.
#include <cstdint>

namespace KelpLib {
class ZRLElement;
}

namespace ZrlAnalysis {

bool keptByViewSwitches(const KelpLib::ZRLElement& element, std::uint32_t viewFlags);

} // namespace ZrlAnalysis
