#include "filter/ZRLDocFilters.h"

namespace KelpLib {

void ZRLDocFilters::addPgn(std::uint32_t pgn)
{
    addPgns({pgn});
}

void ZRLDocFilters::addPgns(const std::set<std::uint32_t>& pgns)
{
    bool added = false;
    for (std::uint32_t pgn : pgns) {
        if (knownPgns.insert(pgn).second) {
            enabledPgns.insert(pgn);
            added = true;
        }
    }
    if (!added)
        return;
    knownPgnList.assign(knownPgns.begin(), knownPgns.end());
    pgnsChanged = 1;
}

bool ZRLDocFilters::isPgnEnabled(std::uint32_t pgn) const
{
    if (knownPgns.empty())
        return true;
    const auto found = enabledPgns.lower_bound(pgn);
    return found != enabledPgns.end() && *found == pgn;
}

std::int32_t ZRLDocFilters::knownPgnAt(std::uint32_t row, std::uint32_t& pgn) const
{
    if (row >= knownPgnCount())
        return -2;
    pgn = knownPgnList[row];
    return 0;
}

bool ZRLDocFilters::filteringActive() const
{
    return enabledPgns.size() < knownPgnList.size() || anyFlagSet();
}

std::vector<std::uint32_t> ZRLDocFilters::enabledPgnList() const
{
    return {enabledPgns.begin(), enabledPgns.end()};
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
