#pragma once
// What an element shows of itself: its one-line description and the grid of the details pane,
// chosen by its effective variant.
#include <memory>
#include <string>

namespace CommonLib {
class IGrid;
}

namespace KelpLib {

class ZRLElement;

// A one-line text of the element's content.
std::string describeElement(const ZRLElement& element);

// A new grid adapter showing the element in the details pane. Adapters keep a pointer to the
// element: it must outlive them.
std::shared_ptr<CommonLib::IGrid> elementGrid(const ZRLElement& element);

} // namespace KelpLib
