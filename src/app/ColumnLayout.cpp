#include "app/ColumnLayout.h"

#include <QHeaderView>
#include <QTableView>
#include <QTimer>

#include <algorithm>

namespace ZrlApp {

ColumnLayout::ColumnLayout(QTableView* view, AppSettings& settings, QString kind)
    : QObject(view), view(view), settings(settings), kind_(std::move(kind)),
      firstLayout([view] { fitColumnsToContent(*view); })
{
    QHeaderView* header = view->horizontalHeader();
    // The last column stretches with the list: its width follows the window, not the user.
    connect(header, &QHeaderView::sectionResized, this, [this, header](int logical) {
        if (header->visualIndex(logical) != header->count() - 1 || !header->stretchLastSection())
            onSectionChangedByUser();
    });
    connect(header, &QHeaderView::sectionMoved, this, [this] { onSectionChangedByUser(); });
    QAbstractItemModel* model = view->model();
    connect(model, &QAbstractItemModel::modelReset, this, [this] { onColumnsChanged(); });
    connect(model, &QAbstractItemModel::rowsInserted, this, [this] { onColumnsChanged(); });
    connect(model, &QAbstractItemModel::columnsInserted, this, [this] { onColumnsChanged(); });
    onColumnsChanged();
}

void ColumnLayout::fitColumnsToContent(QTableView& view, bool keepWider)
{
    // The last column stretches to the list's edge.
    const int count = view.model()->columnCount();
    for (int column = 0; column + 1 < count; ++column) {
        const int before = view.columnWidth(column);
        view.resizeColumnToContents(column);
        if (keepWider)
            view.setColumnWidth(column, std::max(before, view.columnWidth(column)));
    }
}

void ColumnLayout::setKind(const QString& kind)
{
    kind_ = kind;
    userLayout = false;
    layOut();
}

void ColumnLayout::onColumnsChanged()
{
    if (pending)
        return;
    // After the view has taken the new columns in.
    pending = true;
    QTimer::singleShot(0, this, [this] {
        pending = false;
        layOut();
    });
}

void ColumnLayout::layOut()
{
    if (view->model()->columnCount() == 0)
        return;
    arranging = true;
    const QStringList remembered = settings.columnLayout(kind_);
    if (!remembered.isEmpty() && apply(*view->horizontalHeader(), *view->model(), remembered))
        userLayout = true;
    else if (!userLayout && firstLayout)
        firstLayout();
    arranging = false;
}

void ColumnLayout::onSectionChangedByUser()
{
    if (arranging || view->model()->columnCount() == 0)
        return;
    userLayout = true;
    settings.setColumnLayout(kind_, describe(*view->horizontalHeader(), *view->model()));
}

QStringList ColumnLayout::describe(const QHeaderView& header, const QAbstractItemModel& model)
{
    QStringList layout;
    for (int visual = 0; visual < header.count(); ++visual) {
        const int logical = header.logicalIndex(visual);
        layout << model.headerData(logical, Qt::Horizontal).toString() + QLatin1Char('=') +
                      QString::number(header.sectionSize(logical));
    }
    return layout;
}

bool ColumnLayout::apply(QHeaderView& header, const QAbstractItemModel& model, const QStringList& layout)
{
    bool any = false;
    int nextVisual = 0;
    for (const QString& entry : layout) {
        const qsizetype equals = entry.lastIndexOf(QLatin1Char('='));
        bool numeric = false;
        const int width = entry.mid(equals + 1).toInt(&numeric);
        if (equals <= 0 || !numeric || width <= 0)
            continue;
        const QString name = entry.left(equals);
        for (int logical = 0; logical < header.count(); ++logical) {
            if (model.headerData(logical, Qt::Horizontal).toString() != name)
                continue;
            header.moveSection(header.visualIndex(logical), nextVisual++);
            header.resizeSection(logical, width);
            any = true;
            break;
        }
    }
    return any;
}

} // namespace ZrlApp
