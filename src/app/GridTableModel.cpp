#include "app/GridTableModel.h"

#include "app/DisplayText.h"

#include "app/ColourRef.h"
#include "app/ReadableColour.h"

#include <QGuiApplication>
#include <QPalette>

namespace ZrlApp {

GridTableModel::GridTableModel(QObject* parent) : QAbstractTableModel(parent) { rebuildColumns(); }

GridTableModel::~GridTableModel() { detach(); }

void GridTableModel::detach()
{
    if (boundTable)
        boundTable->removeObserver(this);
}

void GridTableModel::bindTable(std::shared_ptr<CommonLib::IGridTable> table)
{
    beginResetModel();
    detach();
    {
        std::lock_guard lock(tableMutex);
        boundTable = std::move(table);
        pendingTable.reset();
        tablePending = false;
    }
    if (boundTable)
        boundTable->addObserver(this);
    rebuildColumns();
    endResetModel();
}

std::string GridTableModel::columnId(int column) const
{
    if (column < 0 || static_cast<std::size_t>(column) >= columns.size())
        return {};
    return columns[static_cast<std::size_t>(column)].id;
}

CommonLib::GridCellTraits GridTableModel::columnTraits(int column) const
{
    if (column < 0 || static_cast<std::size_t>(column) >= columns.size())
        return {};
    return columns[static_cast<std::size_t>(column)].traits;
}

void GridTableModel::rebuildColumns()
{
    const auto source = table();
    columns.clear();
    rows = 0;
    if (!source)
        return;
    const std::uint32_t count = source->getColumnCount();
    columns.reserve(count);
    for (std::uint32_t column = 0; column < count; ++column) {
        Column entry;
        entry.id = source->getColumnId(column);
        source->getColumnTraits(entry.id, entry.traits);
        columns.push_back(std::move(entry));
    }
    rows = static_cast<int>(std::min<std::uint32_t>(source->getRowCount(), INT32_MAX));
}

int GridTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows; }

int GridTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(columns.size());
}

QVariant GridTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rows || index.column() >= columnCount())
        return {};
    const auto source = table();
    const auto row = static_cast<std::uint32_t>(index.row());
    // The table may have shrunk on another thread since the last refresh.
    if (!source || row >= source->getRowCount())
        return {};
    const Column& column = columns[static_cast<std::size_t>(index.column())];
    const bool checkBox = column.traits.editorKind == CommonLib::GridEditorCheckBox;
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        if (checkBox)
            return {};
        return displayText(source->getCellText(row, column.id));
    case Qt::CheckStateRole: {
        if (!checkBox)
            return {};
        std::uint32_t value = 0;
        source->getCellValue(row, column.id, value);
        return value != 0 ? Qt::Checked : Qt::Unchecked;
    }
    case Qt::ForegroundRole: return readableForeground(*source, row);
    case Qt::BackgroundRole: return colourRoleValue(source->getRowBackColour(row));
    case Qt::TextAlignmentRole:
        switch (column.traits.alignment) {
        case CommonLib::GridAlignRight: return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        case CommonLib::GridAlignCentre: return QVariant::fromValue(Qt::AlignHCenter | Qt::AlignVCenter);
        default: return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
        }
    default: return {};
    }
}

QVariant GridTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return QString::fromStdString(columnId(section));
    return section;
}

Qt::ItemFlags GridTableModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags result = QAbstractTableModel::flags(index);
    if (index.isValid() && static_cast<std::size_t>(index.column()) < columns.size()
        && columns[static_cast<std::size_t>(index.column())].traits.editorKind == CommonLib::GridEditorCheckBox)
        result |= Qt::ItemIsUserCheckable;
    else if (index.isValid())
        result |= Qt::ItemIsEditable;
    return result;
}

bool GridTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || index.row() >= rows || static_cast<std::size_t>(index.column()) >= columns.size())
        return false;
    const Column& column = columns[static_cast<std::size_t>(index.column())];
    const auto row = static_cast<std::uint32_t>(index.row());
    if (!table())
        return false;
    if (role == Qt::CheckStateRole && column.traits.editorKind == CommonLib::GridEditorCheckBox) {
        table()->setCellText(row, column.id, value.toInt() == Qt::Checked ? "1" : "0");
    } else if (role == Qt::EditRole && column.traits.editorKind != CommonLib::GridEditorCheckBox) {
        table()->setCellText(row, column.id, value.toString().toStdString());
    } else {
        return false;
    }
    emit dataChanged(this->index(index.row(), 0), this->index(index.row(), columnCount() - 1));
    emit cellEdited();
    return true;
}

QVariant GridTableModel::readableForeground(const CommonLib::IGridTable& source, std::uint32_t row) const
{
    const std::uint32_t text = source.getRowTextColour(row);
    const std::uint32_t back = source.getRowBackColour(row);
    if (text == CommonLib::noRowColour && back == CommonLib::noRowColour)
        return {};
    const QPalette palette = QGuiApplication::palette();
    const QColor wanted = text == CommonLib::noRowColour ? palette.color(QPalette::Text) : colourFromColourRef(text);
    const QColor behind = back == CommonLib::noRowColour ? palette.color(QPalette::Base) : colourFromColourRef(back);
    return readableOn(wanted, behind);
}

void GridTableModel::refresh()
{
    if (!table())
        return;
    const int count = static_cast<int>(std::min<std::uint32_t>(table()->getRowCount(), INT32_MAX));
    if (count > rows) {
        beginInsertRows(QModelIndex(), rows, count - 1);
        rows = count;
        endInsertRows();
    } else if (count < rows) {
        beginResetModel();
        rows = count;
        endResetModel();
        return;
    }
    if (rows > 0 && columnCount() > 0)
        emit dataChanged(index(0, 0), index(rows - 1, columnCount() - 1));
}

void GridTableModel::reload()
{
    beginResetModel();
    rebuildColumns();
    endResetModel();
}

void GridTableModel::swapInPendingTable()
{
    std::shared_ptr<CommonLib::IGridTable> next;
    {
        std::lock_guard lock(tableMutex);
        if (!tablePending)
            return;
        next = std::move(pendingTable);
        tablePending = false;
    }
    beginResetModel();
    if (boundTable != next) {
        detach();
        boundTable = std::move(next);
        if (boundTable)
            boundTable->addObserver(this);
    }
    rebuildColumns();
    endResetModel();
}

void GridTableModel::onTableChanged(std::shared_ptr<CommonLib::IGrid>)
{
    QMetaObject::invokeMethod(this, [this] { refresh(); }, Qt::QueuedConnection);
}

void GridTableModel::onTableSet(std::shared_ptr<CommonLib::IGridTable> table)
{
    {
        std::lock_guard lock(tableMutex);
        pendingTable = std::move(table);
        tablePending = true;
    }
    QMetaObject::invokeMethod(this, [this] { swapInPendingTable(); }, Qt::QueuedConnection);
}

void GridTableModel::reloadAll()
{
    QMetaObject::invokeMethod(this, [this] { reload(); }, Qt::QueuedConnection);
}

void GridTableModel::scrollToEnd()
{
    QMetaObject::invokeMethod(this, [this] { emit scrollToEndRequested(); }, Qt::QueuedConnection);
}

void GridTableModel::selectRow(std::int32_t row)
{
    QMetaObject::invokeMethod(this, [this, row] { emit selectRowRequested(row); }, Qt::QueuedConnection);
}

void GridTableModel::clearSelection()
{
    QMetaObject::invokeMethod(this, [this] { emit clearSelectionRequested(); }, Qt::QueuedConnection);
}

} // namespace ZrlApp
