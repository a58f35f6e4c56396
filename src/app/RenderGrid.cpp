#include "app/RenderGrid.h"

#include "grid/GridTable.h"

namespace ZrlApp {

namespace {

class RenderTitleTable : public CommonLib::GridTable {
public:
    explicit RenderTitleTable(std::shared_ptr<const KelpLib::IGridRender> render)
        : GridTable("title", "Title"), render(std::move(render))
    {
        columnIds = {"Title"};
    }
    std::uint32_t getRowCount() const override { return render->titleRowCount(); }
    std::string getCellText(std::uint32_t row, const std::string&) const override
    {
        return row < getRowCount() ? render->titleRow(row) : std::string();
    }

private:
    std::shared_ptr<const KelpLib::IGridRender> render;
};

class RenderFieldsTable : public CommonLib::GridTable {
public:
    explicit RenderFieldsTable(std::shared_ptr<const KelpLib::IGridRender> render)
        : GridTable("fields", "Fields"), render(std::move(render))
    {
        columnIds.push_back(headerColumn);
        for (std::uint32_t column = 0; column < this->render->columnCount(); ++column)
            columnIds.push_back(this->render->columnName(column));
    }
    std::uint32_t getRowCount() const override { return render->rowCount(); }
    std::string getCellText(std::uint32_t row, const std::string& columnId) const override
    {
        if (row >= getRowCount())
            return {};
        return columnId == headerColumn ? render->rowHeader(row) : render->cellText(row, columnId);
    }

private:
    static constexpr const char* headerColumn = "Field";
    std::shared_ptr<const KelpLib::IGridRender> render;
};

} // namespace

std::shared_ptr<CommonLib::IGrid> makeRenderGrid(std::shared_ptr<const KelpLib::IGridRender> render)
{
    auto grid = std::make_shared<CommonLib::Grid>("details");
    if (render) {
        grid->addTable(std::make_shared<RenderTitleTable>(render));
        grid->addTable(std::make_shared<RenderFieldsTable>(render));
    }
    return grid;
}

} // namespace ZrlApp
