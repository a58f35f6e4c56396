#pragma once

#include <cstdint>
#include <memory>

namespace CommonLib {

class IGrid;
class IGridTable;

// Told by a grid table when it changes. Every operation has an empty body, so an observer
// overrides only what it needs. Observers are not owned: unregister before destruction.
// Notifications run on the thread that changed the table.
class IGridObserver {
public:
    virtual ~IGridObserver() = default;

    // Rows were added, removed, re-sorted or changed: re-read counts and cells.
    virtual void onTableChanged(std::shared_ptr<IGrid> grid) { (void)grid; }
    // This table is now the one to show: rebuild columns.
    virtual void onTableSet(std::shared_ptr<IGridTable> table) { (void)table; }
    // Reserved; nothing calls it.
    virtual void reserved() {}
    virtual void clearSelection() {}
    // Drop everything shown and re-read from the table.
    virtual void reloadAll() {}
    // Bring the last row into view.
    virtual void scrollToEnd() {}
    virtual void selectRow(std::int32_t row) { (void)row; }
};

} // namespace CommonLib
