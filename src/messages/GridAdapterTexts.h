#pragma once

namespace KelpLib {

// The texts the grid adapters' tables answer in place of a cell that does not exist.
inline constexpr const char* kRowOutOfRangeText = "Row Out Of Range";
inline constexpr const char* kColumnOutOfRangeText = "Column Out Of Range";
inline constexpr const char* kBadRowText = "Bad row";

// The names every grid adapter gives its three tables, added in this order.
inline constexpr const char* kListTableName = "list";
inline constexpr const char* kTitleTableName = "title";
inline constexpr const char* kFieldsTableName = "fields";

} // namespace KelpLib
