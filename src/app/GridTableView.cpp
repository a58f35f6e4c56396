#include "app/GridTableView.h"

#include "app/CsvFileDialog.h"
#include "app/GridCellEditors.h"
#include "app/GridTableCsv.h"
#include "app/ListHelpers.h"
#include "app/SupportMail.h"
#include "app/UserMessages.h"
#include "app/WriteFailure.h"
#include "applog/Logger.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QMenu>
#include <QPainter>
#include <QSettings>
#include <QSortFilterProxyModel>

namespace ZrlApp {

namespace {

// Sorts the shown rows by value: numbers as numbers, check boxes by state, text as text. The
// table is told of the sort too, so that a table that orders its rows itself can do so.
class GridSortProxy : public QSortFilterProxyModel {
public:
    GridSortProxy(GridTableModel* source, QObject* parent) : QSortFilterProxyModel(parent), source(source)
    {
        setSourceModel(source);
    }

    void sort(int column, Qt::SortOrder order) override
    {
        if (column >= 0 && source->table())
            source->table()->sortBy(source->columnId(column), order == Qt::AscendingOrder);
        QSortFilterProxyModel::sort(column, order);
    }

protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override
    {
        const QVariant leftCheck = left.data(Qt::CheckStateRole);
        if (leftCheck.isValid())
            return leftCheck.toInt() < right.data(Qt::CheckStateRole).toInt();
        const QString a = left.data().toString();
        const QString b = right.data().toString();
        bool aNumber = false;
        bool bNumber = false;
        const double x = a.toDouble(&aNumber);
        const double y = b.toDouble(&bNumber);
        if (aNumber && bNumber)
            return x < y;
        return QString::localeAwareCompare(a, b) < 0;
    }

private:
    GridTableModel* source;
};

} // namespace

GridTableView::GridTableView(QWidget* parent)
    : QTableView(parent), model_(new GridTableModel(this)), sorted(new GridSortProxy(model_, this)),
      supportMail{QSettings().value(QStringLiteral("SupportAddress"), QStringLiteral("support@korvane.invalid")).toString(),
                  QStringLiteral("xdg-email")}
{
    setModel(sorted);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setItemDelegate(new GridCellEditors(*model_, this));
    verticalHeader()->setVisible(false);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setStretchLastSection(true);
    horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    horizontalHeader()->setSectionsMovable(true);
    setSortingEnabled(true);
    setWordWrap(false);
    installListHelpers(this);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current, const QModelIndex&) { onCurrentRowChanged(current); });
    connect(model_, &GridTableModel::cellEdited, this, &GridTableView::tableEdited);
    connect(model_, &GridTableModel::scrollToEndRequested, this, [this] { scrollToBottom(); });
    connect(model_, &GridTableModel::clearSelectionRequested, this, [this] { QTableView::clearSelection(); });
    connect(model_, &GridTableModel::selectRowRequested, this, [this](int row) {
        if (row < 0 || row >= model_->rowCount())
            return;
        const int shown = sorted->mapFromSource(model_->index(row, 0)).row();
        if (shown >= 0 && !selectionModel()->isRowSelected(shown, QModelIndex()))
            QTableView::selectRow(shown);
    });
}

void GridTableView::bindTable(std::shared_ptr<CommonLib::IGridTable> table)
{
    model_->bindTable(std::move(table));
}

void GridTableView::setPlaceholder(const QString& text)
{
    placeholderText = text;
    viewport()->update();
}

void GridTableView::setCellEditing(bool enabled)
{
    setEditTriggers(enabled ? QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                            : QAbstractItemView::NoEditTriggers);
}

int GridTableView::tableRow(int listRow) const { return sorted->mapToSource(sorted->index(listRow, 0)).row(); }

void GridTableView::onCurrentRowChanged(const QModelIndex& current)
{
    const auto table = model_->table();
    if (!current.isValid() || !table)
        return;
    const auto row = static_cast<std::uint32_t>(tableRow(current.row()));
    const auto column = static_cast<std::uint32_t>(std::max(current.column(), 0));
    table->setSelectedRow(static_cast<std::int32_t>(row));
    table->onRowSelected(row, column, table->getCellMetaData(row, column));
}

void GridTableView::paintEvent(QPaintEvent* event)
{
    QTableView::paintEvent(event);
    if (model_->rowCount() != 0)
        return;
    QPainter painter(viewport());
    painter.setPen(palette().color(QPalette::PlaceholderText));
    painter.drawText(viewport()->rect().adjusted(4, 4, -4, -4), Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                     model_->table() ? emptyText() : placeholderText);
}

void GridTableView::contextMenuEvent(QContextMenuEvent* event)
{
    std::vector<CommonLib::GridMenuItem> items;
    if (model_->table())
        model_->table()->getContextMenuItems(items);
    QMenu menu(this);
    if (menuExtension)
        menuExtension(menu, sorted->mapToSource(indexAt(viewport()->mapFromGlobal(event->globalPos()))));
    for (const auto& item : items)
        menu.addAction(QString::fromStdString(item.text))->setData(item.commandId);
    emit menuRequested(&menu, indexAt(viewport()->mapFromGlobal(event->globalPos())));
    if (menu.isEmpty())
        return;
    // Actions others added carry no command id and run on their own.
    if (QAction* chosen = menu.exec(event->globalPos()); chosen && chosen->data().isValid())
        runCommand(chosen->data().toInt());
}

void GridTableView::runCommand(std::int32_t commandId)
{
    if (!model_->table())
        return;
    if (commandId == CommonLib::Logger::exportCommand) {
        exportToFile();
    } else if (commandId == CommonLib::Logger::emailCommand) {
        mailTable();
    } else if (model_->table()->onCommand(commandId)) {
        model_->refresh();
        emit tableEdited();
    }
}

void GridTableView::exportToFile()
{
    const QString path = chooseCsvFile(this, QString());
    if (path.isEmpty())
        return;
    const auto log = std::dynamic_pointer_cast<CommonLib::ILogger>(model_->table());
    std::string reason;
    if (!writeTableCsv(*model_->table(), path.toStdString(), reason))
        reportWriteFailure(this, log.get(), path.toStdString(), reason);
    else if (log)
        log->logText("Exported to " + path.toStdString());
}

void GridTableView::mailTable()
{
    mailToSupport(this, *model_->table(), supportMail.address, supportMail.program);
}

} // namespace ZrlApp
