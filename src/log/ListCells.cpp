#include "log/ListCells.h"

#include "log/ZRLDoc.h"
#include "messages/KorvBuf.h"

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
    default: {
        // The raw bytes answer what no message class answers yet.
        KorvBuf bytes;
        bytes.wrap(element.data(), element.length());
        return bytes.listText(column);
    }
    }
}

} // namespace KelpLib
