#include "presentation/ListCells.h"

#include "log/ElementListText.h"
#include "log/ZRLElement.h"

namespace KelpLib {

std::string listCellText(const ShownList& shown, ShownRow row, const ListColumn& column)
{
    if (row.value >= shown.size())
        return {};
    const ZRLElement& element = shown.element(row);
    switch (column.id) {
    case ListColumnLine: return std::to_string(shown.line(row).value);
    case ListColumnTimestamp: return element.timeText();
    case ListColumnType: return element.typeText();
    default: return elementListText(element, column);
    }
}

} // namespace KelpLib
