#pragma once
// The "Message Details" pane: the title list of a grid above its fields list.
#include "app/GridTableView.h"
#include "grid/IGrid.h"

#include <QWidget>

namespace ZrlApp {

class DetailsPane : public QWidget {
    Q_OBJECT
public:
    explicit DetailsPane(QWidget* parent = nullptr);

    // Shows the grid's "title" and "fields" tables (the fallback table for a missing one).
    void showGrid(std::shared_ptr<CommonLib::IGrid> grid);

    GridTableView* titleList() const { return titles; }
    GridTableView* fieldsList() const { return fields; }

private:
    std::shared_ptr<CommonLib::IGrid> grid;
    GridTableView* titles;
    GridTableView* fields;
};

} // namespace ZrlApp
