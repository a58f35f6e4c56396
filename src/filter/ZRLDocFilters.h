#pragma once

#include "filter/ViewSettings.h"

#include <cstdint>
#include <set>
#include <vector>

namespace KelpLib {

// The filter state of one document: every PGN met while loading, the PGNs currently shown
// and a copy of the application's view switches. The shown list fills the sets on the loading
// thread before any view reads them; later reads and edits come from the window thread
// through the filter table, which takes its own lock. Reading never changes the state.
class ZRLDocFilters : public ViewSettings {
public:
    // A PGN met for the first time is known and shown.
    void addPgn(std::uint32_t pgn);
    void addPgns(const std::set<std::uint32_t>& pgns);
    // True for every PGN while no PGN is known.
    bool isPgnEnabled(std::uint32_t pgn) const;
    std::uint32_t knownPgnCount() const { return static_cast<std::uint32_t>(knownPgnList.size()); }
    std::uint32_t enabledPgnCount() const { return static_cast<std::uint32_t>(enabledPgns.size()); }
    // -2 when the row is past the list, else 0 with the row's PGN.
    std::int32_t knownPgnAt(std::uint32_t row, std::uint32_t& pgn) const;
    bool filteringActive() const;
    // The known PGNs that are enabled, ascending.
    std::vector<std::uint32_t> enabledPgnList() const;

    // Shows or hides one known PGN; false for a PGN that was never met.
    bool togglePgn(std::uint32_t pgn);
    void enableAllPgns();
    void disableAllPgns();

    void setViewSettings(const ViewSettings& settings) { copyFrom(settings); }
    ViewSettings viewSettings() const { return *this; }

    bool isChanged() const;
    void consumeChange();

private:
    std::uint8_t pgnsChanged = 1;
    std::set<std::uint32_t> knownPgns;
    std::set<std::uint32_t> enabledPgns;
    // knownPgns as a vector, for the filter table's rows.
    std::vector<std::uint32_t> knownPgnList;
    std::uint8_t filterChanged = 0;
};

} // namespace KelpLib
