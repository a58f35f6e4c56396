#pragma once
// A list bound to one grid table: its columns, check boxes and colours come from the table,
// the table's context menu is offered on right-click, and selecting a row tells the table.
#include "app/GridTableModel.h"

#include <QTableView>

#include <functional>

class QMenu;

namespace ZrlApp {

class GridTableView : public QTableView {
    Q_OBJECT
public:
    explicit GridTableView(QWidget* parent = nullptr);

    GridTableModel* gridModel() const { return model_; }
    void bindTable(std::shared_ptr<CommonLib::IGridTable> table);

    static QString emptyText() { return QStringLiteral("There are no items to show in this view."); }

    // Adds entries of the caller's own to the right-click menu of the row under the pointer
    // (an invalid index off the rows); entries with their own action handlers run them.
    using MenuExtension = std::function<void(QMenu& menu, const QModelIndex& index)>;
    void setMenuExtension(MenuExtension extension) { menuExtension = std::move(extension); }

    // Runs a context-menu command as the right-click menu does (export and mail are the
    // list's own; the others go to the table).
    void runCommand(std::int32_t commandId);

signals:
    // The table's content changed through this list (an edit or a table command).
    void tableEdited();

protected:
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void onCurrentRowChanged(const QModelIndex& current);
    void exportToFile();
    void mailTable();

    GridTableModel* model_;
    MenuExtension menuExtension;
};

} // namespace ZrlApp
