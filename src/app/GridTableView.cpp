#include "app/GridTableView.h"

#include "app/CsvFileDialog.h"
#include "app/GridTableCsv.h"
#include "app/UserMessages.h"
#include "common/Logger.h"

#include <QContextMenuEvent>
#include <QDir>
#include <QHeaderView>
#include <QMenu>
#include <QPainter>
#include <QProcess>
#include <QSettings>

namespace ZrlApp {

GridTableView::GridTableView(QWidget* parent) : QTableView(parent), model_(new GridTableModel(this))
{
    setModel(model_);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    verticalHeader()->setVisible(false);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setStretchLastSection(true);
    setWordWrap(false);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current, const QModelIndex&) { onCurrentRowChanged(current); });
    connect(model_, &GridTableModel::cellEdited, this, &GridTableView::tableEdited);
    connect(model_, &GridTableModel::scrollToEndRequested, this, [this] { scrollToBottom(); });
    connect(model_, &GridTableModel::clearSelectionRequested, this, [this] { QTableView::clearSelection(); });
    connect(model_, &GridTableModel::selectRowRequested, this, [this](int row) {
        if (row >= 0 && row < model_->rowCount() && !selectionModel()->isRowSelected(row, QModelIndex()))
            QTableView::selectRow(row);
    });
}

void GridTableView::bindTable(std::shared_ptr<CommonLib::IGridTable> table)
{
    model_->bindTable(std::move(table));
}

void GridTableView::onCurrentRowChanged(const QModelIndex& current)
{
    if (!current.isValid())
        return;
    const auto table = model_->table();
    const auto row = static_cast<std::uint32_t>(current.row());
    const auto column = static_cast<std::uint32_t>(std::max(current.column(), 0));
    table->setSelectedRow(current.row());
    table->onRowSelected(row, column, table->getCellMetaData(row, column));
}

void GridTableView::paintEvent(QPaintEvent* event)
{
    QTableView::paintEvent(event);
    if (model_->rowCount() != 0)
        return;
    QPainter painter(viewport());
    painter.drawText(viewport()->rect().adjusted(4, 4, -4, -4), Qt::AlignHCenter | Qt::AlignTop, emptyText());
}

void GridTableView::contextMenuEvent(QContextMenuEvent* event)
{
    std::vector<CommonLib::GridMenuItem> items;
    model_->table()->getContextMenuItems(items);
    QMenu menu(this);
    if (menuExtension)
        menuExtension(menu, indexAt(viewport()->mapFromGlobal(event->globalPos())));
    for (const auto& item : items)
        menu.addAction(QString::fromStdString(item.text))->setData(item.commandId);
    if (menu.isEmpty())
        return;
    QAction* chosen = menu.exec(event->globalPos());
    if (chosen != nullptr && chosen->data().isValid())
        runCommand(chosen->data().toInt());
}

void GridTableView::runCommand(std::int32_t commandId)
{
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
    if (!path.isEmpty())
        writeTableCsv(*model_->table(), path.toStdString());
}

void GridTableView::mailTable()
{
    const QString path = QDir(QDir::tempPath()).filePath(QStringLiteral("export_logs.csv"));
    const QString address =
        QSettings().value(QStringLiteral("SupportAddress"), QStringLiteral("support@korvane.invalid")).toString();
    const bool sent = writeTableCsv(*model_->table(), path.toStdString())
        && QProcess::startDetached(QStringLiteral("xdg-email"),
                                   {QStringLiteral("--subject"), QStringLiteral("Support data logs"),
                                    QStringLiteral("--attach"), path, address});
    if (!sent)
        showMessage(this, MessageKind::Warning, QStringLiteral("ZRL Reader 2"),
                    QStringLiteral("Failed to send data log email"));
}

} // namespace ZrlApp
