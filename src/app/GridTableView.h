#pragma once
// A list bound to one grid table: its columns, check boxes and colours come from the table,
// the table's context menu is offered on right-click, and selecting a row tells the table.
// Clicking a header sorts by that column (the table is told through sortBy); a double-click
// or F2 edits a cell with the editor its column asks for, where editing is switched on.
#include "app/GridTableModel.h"

#include <QTableView>

#include <functional>

class QMenu;
class QSortFilterProxyModel;

class QMenu;

namespace ZrlApp {

// Where "Email log to Tech Support" sends the log, and with which program.
struct SupportMailSettings {
    QString address;
    QString program;
};

class GridTableView : public QTableView {
    Q_OBJECT
public:
    explicit GridTableView(QWidget* parent = nullptr);

    GridTableModel* gridModel() const { return model_; }
    void bindTable(std::shared_ptr<CommonLib::IGridTable> table);

    static QString emptyText() { return QStringLiteral("There are no items to show in this view."); }
    static QString noDocumentText() { return QStringLiteral("Open a log to see its messages"); }
    // The hint shown while no table is bound (noDocumentText by default).
    void setPlaceholder(const QString& text);
    const QString& placeholder() const { return placeholderText; }
    // Lets the user edit cells (off by default).
    void setCellEditing(bool enabled);
    void setSupportMail(const SupportMailSettings& mail) { supportMail = mail; }

    // Adds entries of the caller's own to the right-click menu of the row under the pointer
    // (the table's own row and column, whatever the sorting; an invalid index off the rows);
    // entries with their own action handlers run them.
    using MenuExtension = std::function<void(QMenu& menu, const QModelIndex& index)>;
    void setMenuExtension(MenuExtension extension) { menuExtension = std::move(extension); }

    // Runs a context-menu command as the right-click menu does (export and mail are the
    // list's own; the others go to the table).
    void runCommand(std::int32_t commandId);
    // The table's row shown at this row of the list (they differ once sorted).
    int tableRow(int listRow) const;

signals:
    // The table's content changed through this list (an edit or a table command).
    void tableEdited();
    // The right-click menu is about to open on a row (invalid off the rows): commands of
    // others may be added to it.
    void menuRequested(QMenu* menu, const QModelIndex& index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void onCurrentRowChanged(const QModelIndex& current);
    void exportToFile();
    void mailTable();

    GridTableModel* model_;
    MenuExtension menuExtension;
    QSortFilterProxyModel* sorted;
    QString placeholderText = noDocumentText();
    SupportMailSettings supportMail;
};

} // namespace ZrlApp
