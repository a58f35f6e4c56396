#include "filter/PgnFilterGridFields.h"

#include "common/SafeFormat.h"

namespace KelpLib {

PgnFilterGridFields::PgnFilterGridFields(std::shared_ptr<ZRLDocFilters> filters, PgnNameLookup pgnName)
    : GridTable("fields", "Pgn Filter"), filters(std::move(filters)), pgnName(std::move(pgnName))
{
    columnIds = {"Line", "Enabled", "PGN", "Name"};
}

bool PgnFilterGridFields::pgnAt(std::uint32_t row, std::uint32_t& pgn) const
{
    return filters->knownPgnAt(row, pgn) == 0;
}

std::uint32_t PgnFilterGridFields::getRowCount() const
{
    std::lock_guard lock(tableMutex);
    return filters->knownPgnCount();
}

bool PgnFilterGridFields::getColumnTraits(const std::string& columnId, CommonLib::GridCellTraits& traits) const
{
    if (columnId != "Enabled")
        return false;
    traits.editorKind = CommonLib::GridEditorCheckBox;
    traits.alignment = CommonLib::GridAlignCentre;
    return true;
}

std::string PgnFilterGridFields::getCellText(std::uint32_t row, const std::string& columnId) const
{
    std::lock_guard lock(tableMutex);
    std::uint32_t pgn = 0;
    if (!pgnAt(row, pgn))
        return columnId == "PGN" ? "PGN" : "";
    if (columnId == "Line")
        return CommonLib::safeFormat("%u", row);
    if (columnId == "Enabled")
        return filters->isPgnEnabled(pgn) ? "true" : "false";
    if (columnId == "PGN")
        return CommonLib::safeFormat("%06u", pgn);
    if (columnId == "Name")
        return pgnName ? pgnName(pgn) : std::string();
    return "";
}

bool PgnFilterGridFields::getCellValue(std::uint32_t row, const std::string& columnId, std::uint32_t& value) const
{
    std::lock_guard lock(tableMutex);
    std::uint32_t pgn = 0;
    if (columnId != "Enabled" || !pgnAt(row, pgn))
        return false;
    value = filters->isPgnEnabled(pgn) ? 1 : 0;
    return true;
}

void PgnFilterGridFields::setCellText(std::uint32_t row, const std::string& columnId, const std::string&)
{
    std::lock_guard lock(tableMutex);
    std::uint32_t pgn = 0;
    if (columnId == "Enabled" && pgnAt(row, pgn))
        filters->togglePgn(pgn);
}

void PgnFilterGridFields::getContextMenuItems(std::vector<CommonLib::GridMenuItem>& items) const
{
    items.push_back({hideAllCommand, "Hide all PGNs"});
    items.push_back({viewAllCommand, "View all PGNs"});
}

bool PgnFilterGridFields::onCommand(std::int32_t commandId)
{
    std::lock_guard lock(tableMutex);
    if (commandId == viewAllCommand) {
        filters->enableAllPgns();
        return true;
    }
    if (commandId == hideAllCommand) {
        filters->disableAllPgns();
        return true;
    }
    return false;
}

} // namespace KelpLib
