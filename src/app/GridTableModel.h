#pragma once
// A Qt table model over one CommonLib::IGridTable. It observes the table from any thread but
// changes its own state only on the thread that owns it: every notification is posted there.
#include "grid/IGridObserver.h"
#include "grid/IGridTable.h"

#include <QAbstractTableModel>

#include <memory>
#include <mutex>
#include <vector>

namespace ZrlApp {

class GridTableModel : public QAbstractTableModel, public CommonLib::IGridObserver {
    Q_OBJECT
public:
    explicit GridTableModel(QObject* parent = nullptr);
    ~GridTableModel() override;

    // Binds a table (or nothing: the model is then empty) and observes it.
    void bindTable(std::shared_ptr<CommonLib::IGridTable> table);
    // The bound table; null when none is bound.
    std::shared_ptr<CommonLib::IGridTable> table() const { return boundTable; }
    std::string columnId(int column) const;
    CommonLib::GridCellTraits columnTraits(int column) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    // Re-reads the row count and every cell, keeping the columns.
    void refresh();
    // Re-reads columns and rows.
    void reload();

    // IGridObserver: posted to the model's thread.
    void onTableChanged(std::shared_ptr<CommonLib::IGrid> grid) override;
    void onTableSet(std::shared_ptr<CommonLib::IGridTable> table) override;
    void reloadAll() override;
    void scrollToEnd() override;
    void selectRow(std::int32_t row) override;
    void clearSelection() override;

signals:
    // The user changed a cell through the model (a check box or a text).
    void cellEdited();
    void scrollToEndRequested();
    void selectRowRequested(int row);
    void clearSelectionRequested();

private:
    // The row's text colour (the list's own when the table has none) made readable on the
    // row's background; empty when the table colours neither.
    QVariant readableForeground(const CommonLib::IGridTable& source, std::uint32_t row) const;

    struct Column {
        std::string id;
        CommonLib::GridCellTraits traits;
    };
    void swapInPendingTable();
    void rebuildColumns();
    void detach();

    mutable std::mutex tableMutex;
    std::shared_ptr<CommonLib::IGridTable> pendingTable;
    bool tablePending = false;
    std::shared_ptr<CommonLib::IGridTable> boundTable;
    std::vector<Column> columns;
    int rows = 0;
};

} // namespace ZrlApp
