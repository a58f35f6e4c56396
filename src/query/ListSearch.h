#pragma once
// Find in the message list: a text, without regard to case, in the cells of the shown rows and
// in the decoded values of their NMEA 2000 messages, searched from a row onwards or backwards,
// wrapping at the ends.
#include "messages/ListColumn.h"

#include <atomic>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace KelpLib {

class ShownList;

class ListSearch {
public:
    ListSearch(std::string_view text, std::vector<ListColumn> columns);

    // True when a cell of the shown row, or a decoded value of its message, holds the text.
    bool rowMatches(const ShownList& shown, std::size_t row) const;

    // The next shown row after `from` (before it when backwards) that matches, wrapping round
    // once; without `from` the search starts at the first (last) row. Nothing when no row
    // matches or `cancel` was set. `visited` counts the rows looked at, for progress.
    std::optional<std::size_t> find(const ShownList& shown, std::optional<std::size_t> from, bool forward,
                                     const std::atomic<bool>* cancel = nullptr,
                                     std::atomic<std::size_t>* visited = nullptr) const;

private:
    bool holds(const std::string& text) const;

    std::string needle; // lower case
    std::vector<ListColumn> columns;
};

} // namespace KelpLib
