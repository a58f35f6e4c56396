#include "filter/PgnFilterGridFields.h"

#include "common/SafeFormat.h"

namespace KelpLib {

PgnFilterGridFields::PgnFilterGridFields(std::shared_ptr<ZRLDocFilters> filters, PgnNameLookup pgnName)
    : GridTable("fields", "Pgn Filter"), filters(std::move(filters)), pgnName(std::move(pgnName))
{
    columnIds = {"Line", "Enabled", "PGN", "Name"};
}

bool PgnFilterGridFields::definitionAt(std::uint32_t row, ZRLDocFilters::DefinitionKey& key) const
{
    return filters->knownDefinitionAt(row, key) == 0;
}

std::uint32_t PgnFilterGridFields::getRowCount() const
{
    std::lock_guard lock(tableMutex);
    return filters->knownDefinitionCount();
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
    ZRLDocFilters::DefinitionKey key;
    if (!definitionAt(row, key))
        return columnId == "PGN" ? "PGN" : "";
    if (columnId == "Line")
        return CommonLib::safeFormat("%u", row);
    if (columnId == "Enabled")
        return filters->isDefinitionEnabled(key) ? "true" : "false";
    if (columnId == "PGN")
        return CommonLib::safeFormat("%06u", key.pgn);
    if (columnId == "Name")
        return pgnName ? pgnName(key) : std::string();
    return "";
}

bool PgnFilterGridFields::getCellValue(std::uint32_t row, const std::string& columnId, std::uint32_t& value) const
{
    std::lock_guard lock(tableMutex);
    ZRLDocFilters::DefinitionKey key;
    if (columnId != "Enabled" || !definitionAt(row, key))
        return false;
    value = filters->isDefinitionEnabled(key) ? 1 : 0;
    return true;
}

void PgnFilterGridFields::setCellText(std::uint32_t row, const std::string& columnId, const std::string&)
{
    std::lock_guard lock(tableMutex);
    ZRLDocFilters::DefinitionKey key;
    if (columnId == "Enabled" && definitionAt(row, key))
        filters->toggleDefinition(key);
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
