#pragma once
// What every list of the viewer does alike: Ctrl+C copies the selected rows as tab-separated
// text, and a cell too narrow for its text shows the whole text as a tool tip.
#include <QString>

class QTableView;

namespace ZrlApp {

// At most this many rows go to the clipboard at once (a select-all of a long log would
// otherwise build text of gigabytes on the window thread).
inline constexpr int maxCopiedRows = 100000;

// The header texts of the shown columns in their on-screen order, then one line per selected
// row (in row order, at most maxCopiedRows), cells joined by TAB, lines ended by "\n". A check
// box cell reads "1" or "0".
QString selectedRowsAsText(const QTableView& view);
// Installs the copy key and the tool tips of cut-off cells on the list.
void installListHelpers(QTableView* view);

} // namespace ZrlApp
