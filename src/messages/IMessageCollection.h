#pragma once

#include "messages/IMessage.h"

#include <cstdint>
#include <string>

namespace CommonLib {

class GridCellTraits;

// A message held in a collection (a log element): it may colour its own list cells.
class IMessageCollection : public StandardsLib::IMessage {
public:
    // Sets the cell's colours for the named list column; false when the column has none.
    virtual bool cellColour(const std::string& columnName, GridCellTraits& cell) const = 0;
};

} // namespace CommonLib
