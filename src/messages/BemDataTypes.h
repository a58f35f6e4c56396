#pragma once

#include "messages/BemTypes.h"

#include <cstdint>

namespace KelpLib {

// The BEM data type table, bemDataTypeCount rows indexed by kind.
const BemDataType* bemDataTypes();

// Row `index`; the end marker row for an index beyond the table.
const BemDataType& bemDataType(std::uint32_t index);

} // namespace KelpLib
