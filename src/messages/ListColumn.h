#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace KelpLib {

// The ids that message renderers switch on for the columns of the message list.
enum ListColumnId : std::uint32_t {
    ListColumnLine = 0,
    ListColumnTimestamp = 1,
    ListColumnType = 2,
    ListColumnTalker = 3,
    ListColumnFormatter = 4,
    ListColumnName = 5,
    ListColumnMsgSrc = 6,
    ListColumnInterval = 7,
    ListColumnSize = 8,
    ListColumnData = 9,
    ListColumnPgn = 10,
    ListColumnSrc = 11,
    ListColumnDest = 12,
    ListColumnPri = 13,
};

// The id of the column of that name ("Line", "Timestamp", "PGN", ...), if any: each id has
// one name in every list.
std::optional<ListColumnId> listColumnIdNamed(std::string_view name);

// One column of a document's message list.
struct ListColumn {
    std::string name;
    std::uint32_t width = 0; // in characters
    std::uint32_t id = 0;    // a ListColumnId
    bool shown = true;
};

} // namespace KelpLib
