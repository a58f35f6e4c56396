#pragma once

#include "grid/IGrid.h"
#include "grid/IGridTable.h"

#include <memory>
#include <string>
#include <vector>

namespace CommonLib {

// A named list of tables. A name or index that matches nothing answers the grid's fallback
// table, created on first need and the same object every later time.
class Grid : public IGrid {
public:
    explicit Grid(std::string name);

    std::string getName() const override;
    std::uint32_t getTableCount() const override;
    std::shared_ptr<IGridTable> findTable(const std::string& name) override;
    std::shared_ptr<IGridTable> getTable(std::uint32_t index) override;

    void addTable(std::shared_ptr<IGridTable> table);

private:
    std::shared_ptr<IGridTable> fallbackTable();

    std::vector<std::shared_ptr<IGridTable>> tables;
    std::string name;
    std::shared_ptr<IGridTable> fallback;
};

} // namespace CommonLib
