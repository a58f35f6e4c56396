#pragma once

#include "filter/ShownList.h"
#include "messages/ListColumn.h"

#include <string>

namespace KelpLib {

// The text of one cell of the message list, shared by the desktop list view and zrltool:
// "Line" is the element's zero-based position in the document, "Timestamp" its time text,
// "Type" its variant name; the other columns are answered by the element's message. Empty for
// a row past the list.
std::string listCellText(const ShownList& shown, ShownRow row, const ListColumn& column);

} // namespace KelpLib
