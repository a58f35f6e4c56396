#pragma once

#include "messages/IMessage.h"

#include <memory>

namespace CommonLib {

class IGrid;

// A message that can also present itself as a grid of tables.
class IMessageObject : public StandardsLib::IMessage {
public:
    virtual std::shared_ptr<IGrid> grid() = 0;
};

} // namespace CommonLib
