#pragma once

#include "messages/ListColumn.h"

#include <string>

namespace KelpLib {

// A message as one line of the message list: the text of a cell, by the column's id.
class IListRender {
public:
    virtual ~IListRender() = default;
    virtual std::string listText(const ListColumn& column) const = 0;
};

} // namespace KelpLib
