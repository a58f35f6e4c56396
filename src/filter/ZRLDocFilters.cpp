#include "filter/ZRLDocFilters.h"

namespace KelpLib {

void ZRLDocFilters::addPgn(std::uint32_t pgn)
{
    if (knownPgns.insert(pgn).second)
        listStale = 1;
    enabledPgns.insert(pgn);
}

bool ZRLDocFilters::isPgnEnabled(std::uint32_t pgn) const
{
    if (knownPgns.empty())
        return true;
    const auto found = enabledPgns.lower_bound(pgn);
    return found != enabledPgns.end() && *found == pgn;
}

void ZRLDocFilters::rebuildListWhenStale()
{
    if (!listStale)
        return;
    knownPgnList.assign(knownPgns.begin(), knownPgns.end());
    listStale = 0;
    filterChanged = 1;
}

std::uint32_t ZRLDocFilters::knownPgnCount()
{
    rebuildListWhenStale();
    return static_cast<std::uint32_t>(knownPgnList.size());
}

std::int32_t ZRLDocFilters::knownPgnAt(std::uint32_t row, std::uint32_t& pgn)
{
    if (row >= knownPgnCount())
        return -2;
    pgn = knownPgnList[row];
    return 0;
}

bool ZRLDocFilters::filteringActive()
{
    rebuildListWhenStale();
    return enabledPgns.size() < knownPgnList.size() || anyFlagSet();
}

std::vector<std::uint32_t> ZRLDocFilters::enabledPgnList()
{
    rebuildListWhenStale();
    std::vector<std::uint32_t> enabled;
    for (std::uint32_t pgn : knownPgnList)
        if (enabledPgns.count(pgn) != 0)
            enabled.push_back(pgn);
    return enabled;
}

bool ZRLDocFilters::togglePgn(std::uint32_t pgn)
{
    if (knownPgns.count(pgn) == 0)
        return false;
    if (enabledPgns.erase(pgn) == 0)
        enabledPgns.insert(pgn);
    filterChanged = 1;
    return true;
}

void ZRLDocFilters::enableAllPgns()
{
    enabledPgns = knownPgns;
    filterChanged = 1;
}

void ZRLDocFilters::disableAllPgns()
{
    enabledPgns.clear();
    filterChanged = 1;
}

bool ZRLDocFilters::isChanged() const
{
    return pgnsChanged != 0 || ViewSettings::isChanged() || filterChanged != 0;
}

void ZRLDocFilters::consumeChange()
{
    pgnsChanged = 0;
    clearChanged();
    filterChanged = 0;
}

} // namespace KelpLib
