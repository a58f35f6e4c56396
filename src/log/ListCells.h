#pragma once

#include "messages/ListColumn.h"

#include <cstddef>
#include <string>

namespace KelpLib {

class ZRLDoc;

// The text of one cell of the message list, shared by the desktop list view and zrltool:
// "Line" is the element's zero-based position in the document, "Timestamp" its time text,
// "Type" its variant name; the other columns are answered by the element's message.
std::string listCellText(const ZRLDoc& document, std::size_t shownIndex, const ListColumn& column);

} // namespace KelpLib
