#include "app/ListHelpers.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QHelpEvent>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QTableView>
#include <QToolTip>

#include <algorithm>
#include <utility>
#include <vector>

namespace ZrlApp {

namespace {

QString cellText(const QModelIndex& index)
{
    const QVariant check = index.data(Qt::CheckStateRole);
    if (check.isValid())
        return check.toInt() == Qt::Checked ? QStringLiteral("1") : QStringLiteral("0");
    return index.data(Qt::DisplayRole).toString();
}

// The selected rows as sorted, merged ranges; from the selection's ranges, not one index per
// row, so a select-all of millions of rows stays cheap.
std::vector<std::pair<int, int>> selectedRowRanges(const QTableView& view)
{
    std::vector<std::pair<int, int>> ranges;
    if (!view.selectionModel())
        return ranges;
    for (const QItemSelectionRange& range : view.selectionModel()->selection())
        ranges.emplace_back(range.top(), range.bottom());
    std::sort(ranges.begin(), ranges.end());
    std::vector<std::pair<int, int>> merged;
    for (const auto& range : ranges) {
        if (!merged.empty() && range.first <= merged.back().second + 1)
            merged.back().second = std::max(merged.back().second, range.second);
        else
            merged.push_back(range);
    }
    return merged;
}

class ListHelperFilter : public QObject {
public:
    explicit ListHelperFilter(QTableView* view) : QObject(view), view(view) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == view && event->type() == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
            QApplication::clipboard()->setText(selectedRowsAsText(*view));
            return true;
        }
        if (watched == view->viewport() && event->type() == QEvent::ToolTip)
            return showCutOffText(static_cast<QHelpEvent*>(event));
        return false;
    }

private:
    bool showCutOffText(QHelpEvent* help)
    {
        const QModelIndex index = view->indexAt(help->pos());
        const QString text = index.isValid() ? index.data(Qt::DisplayRole).toString() : QString();
        const QRect cell = view->visualRect(index);
        // The text's width plus the cell's margins, as the item delegate draws it.
        const int needed = view->fontMetrics().horizontalAdvance(text) + 2 * (view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
        if (text.isEmpty() || needed <= cell.width()) {
            QToolTip::hideText();
            help->ignore();
            return true;
        }
        QToolTip::showText(help->globalPos(), text, view->viewport(), cell);
        return true;
    }

    QTableView* view;
};

} // namespace

QString selectedRowsAsText(const QTableView& view)
{
    const QAbstractItemModel* model = view.model();
    if (!model)
        return {};
    const QHeaderView* header = view.horizontalHeader();
    std::vector<int> columns;
    for (int visual = 0; visual < header->count(); ++visual) {
        const int logical = header->logicalIndex(visual);
        if (!header->isSectionHidden(logical))
            columns.push_back(logical);
    }
    QStringList cells;
    for (int column : columns)
        cells << model->headerData(column, Qt::Horizontal).toString();
    QString text = cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
    int copied = 0;
    for (const auto& [first, last] : selectedRowRanges(view))
        for (int row = first; row <= last && copied < maxCopiedRows; ++row, ++copied) {
            cells.clear();
            for (int column : columns)
                cells << cellText(model->index(row, column));
            text += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
        }
    return text;
}

void installListHelpers(QTableView* view)
{
    auto* filter = new ListHelperFilter(view);
    view->installEventFilter(filter);
    view->viewport()->installEventFilter(filter);
}

} // namespace ZrlApp
