#include "log/ListCells.h"

#include "log/ZRLDoc.h"
#include "log/ElementListText.h"

namespace KelpLib {

std::string listCellText(const ZRLDoc& document, std::size_t shownIndex, const ListColumn& column)
{
    if (shownIndex >= document.shownCount())
        return {};
    const ZRLElement& element = document.shownElement(shownIndex);
    switch (column.id) {
    case ListColumnLine: return std::to_string(document.shownLine(shownIndex));
    case ListColumnTimestamp: return element.timeText();
    case ListColumnType: return element.typeText();
    default: return elementListText(element, column);
    }
}

} // namespace KelpLib
