#include "filter/ZRLDocFilters.h"

namespace KelpLib {

namespace {

// The known definitions of one PGN: a range of the sorted set.
template <typename Set>
auto definitionsOfPgn(Set& definitions, std::uint32_t pgn)
{
    using Key = StandardsLib::PgnDefinitionKey;
    return std::pair{definitions.lower_bound(Key{pgn, 0}), definitions.upper_bound(Key{pgn, Key::noDefinitionRow})};
}

} // namespace

void ZRLDocFilters::addDefinitions(const std::set<DefinitionKey>& definitions)
{
    bool added = false;
    for (const DefinitionKey& key : definitions) {
        if (knownDefinitions.insert(key).second) {
            enabledDefinitions.insert(key);
            added = true;
        }
    }
    if (!added)
        return;
    knownDefinitionList.assign(knownDefinitions.begin(), knownDefinitions.end());
    updatePgns();
    pgnsChanged = 1;
}

void ZRLDocFilters::addPgn(std::uint32_t pgn)
{
    addPgns({pgn});
}

void ZRLDocFilters::addPgns(const std::set<std::uint32_t>& pgns)
{
    std::set<DefinitionKey> definitions;
    for (std::uint32_t pgn : pgns) {
        const auto [first, last] = definitionsOfPgn(knownDefinitions, pgn);
        if (first == last)
            definitions.insert(StandardsLib::definitionKeyFor({pgn, 0, nullptr}));
    }
    addDefinitions(definitions);
}

void ZRLDocFilters::updatePgns()
{
    knownPgnList.clear();
    enabledPgns.clear();
    splitPgns.clear();
    for (auto at = knownDefinitions.begin(); at != knownDefinitions.end();) {
        const std::uint32_t pgn = at->pgn;
        std::size_t known = 0;
        std::size_t enabled = 0;
        for (; at != knownDefinitions.end() && at->pgn == pgn; ++at) {
            ++known;
            enabled += enabledDefinitions.count(*at);
        }
        knownPgnList.push_back(pgn);
        if (enabled != 0)
            enabledPgns.insert(pgn);
        if (enabled != 0 && enabled != known)
            splitPgns.insert(pgn);
    }
}

bool ZRLDocFilters::isPgnEnabled(std::uint32_t pgn) const
{
    if (knownDefinitions.empty())
        return true;
    const auto found = enabledPgns.lower_bound(pgn);
    return found != enabledPgns.end() && *found == pgn;
}

bool ZRLDocFilters::isDefinitionEnabled(const DefinitionKey& key) const
{
    if (knownDefinitions.count(key) == 0)
        return isPgnEnabled(key.pgn);
    return enabledDefinitions.count(key) != 0;
}

std::int32_t ZRLDocFilters::knownPgnAt(std::uint32_t row, std::uint32_t& pgn) const
{
    if (row >= knownPgnCount())
        return -2;
    pgn = knownPgnList[row];
    return 0;
}

std::int32_t ZRLDocFilters::knownDefinitionAt(std::uint32_t row, DefinitionKey& key) const
{
    if (row >= knownDefinitionCount())
        return -2;
    key = knownDefinitionList[row];
    return 0;
}

bool ZRLDocFilters::filteringActive() const
{
    return !everyDefinitionEnabled() || anyFlagSet();
}

std::vector<std::uint32_t> ZRLDocFilters::enabledPgnList() const
{
    return {enabledPgns.begin(), enabledPgns.end()};
}

bool ZRLDocFilters::togglePgn(std::uint32_t pgn)
{
    const auto [first, last] = definitionsOfPgn(knownDefinitions, pgn);
    if (first == last)
        return false;
    const bool show = !isPgnEnabled(pgn);
    for (auto at = first; at != last; ++at) {
        if (show)
            enabledDefinitions.insert(*at);
        else
            enabledDefinitions.erase(*at);
    }
    updatePgns();
    filterChanged = 1;
    return true;
}

bool ZRLDocFilters::toggleDefinition(const DefinitionKey& key)
{
    if (knownDefinitions.count(key) == 0)
        return false;
    if (enabledDefinitions.erase(key) == 0)
        enabledDefinitions.insert(key);
    updatePgns();
    filterChanged = 1;
    return true;
}

void ZRLDocFilters::enableAllPgns()
{
    enabledDefinitions = knownDefinitions;
    updatePgns();
    filterChanged = 1;
}

void ZRLDocFilters::disableAllPgns()
{
    enabledDefinitions.clear();
    updatePgns();
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
