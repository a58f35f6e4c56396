#include "messages/ListColumn.h"

#include <iterator>

namespace KelpLib {

namespace {

// By id.
constexpr std::string_view columnNames[] = {"Line", "Timestamp", "Type",     "Talker", "Formatter", "Name", "MsgSrc",
                                            "Interval", "Size", "Data", "PGN", "Src",       "Dest", "Pri"};
static_assert(std::size(columnNames) == ListColumnPri + 1, "a name for every column id");

} // namespace

std::optional<ListColumnId> listColumnIdNamed(std::string_view name)
{
    for (std::size_t id = 0; id < std::size(columnNames); ++id)
        if (columnNames[id] == name)
            return static_cast<ListColumnId>(id);
    return std::nullopt;
}

} // namespace KelpLib
