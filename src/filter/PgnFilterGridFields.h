#pragma once

#include "filter/ZRLDocFilters.h"
#include "grid/GridTable.h"

#include <functional>
#include <memory>
#include <mutex>
#include <string>

namespace KelpLib {

// The filter pane's table: one row per PGN definition met in the log (by PGN, then table row),
// with its name and a check box that shows or hides the messages it decodes, so one maker's
// variant of a proprietary PGN can be hidden while another's stays. Reads and edits of the
// shared sets take the table's lock.
class PgnFilterGridFields : public CommonLib::GridTable {
public:
    static constexpr std::int32_t viewAllCommand = 12003;
    static constexpr std::int32_t hideAllCommand = 12004;

    using PgnNameLookup = std::function<std::string(const ZRLDocFilters::DefinitionKey& definition)>;

    PgnFilterGridFields(std::shared_ptr<ZRLDocFilters> filters, PgnNameLookup pgnName);

    // The current number of known definitions, so a table made before or during a load stays right.
    std::uint32_t getRowCount() const override;
    bool getColumnTraits(const std::string& columnId, CommonLib::GridCellTraits& traits) const override;
    std::string getCellText(std::uint32_t row, const std::string& columnId) const override;
    bool getCellValue(std::uint32_t row, const std::string& columnId, std::uint32_t& value) const override;
    void setCellText(std::uint32_t row, const std::string& columnId, const std::string& text) override;
    void getContextMenuItems(std::vector<CommonLib::GridMenuItem>& items) const override;
    bool onCommand(std::int32_t commandId) override;

private:
    bool definitionAt(std::uint32_t row, ZRLDocFilters::DefinitionKey& key) const;

    std::shared_ptr<ZRLDocFilters> filters;
    PgnNameLookup pgnName;
    mutable std::mutex tableMutex;
};

} // namespace KelpLib
