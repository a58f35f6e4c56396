#pragma once

#include "grid/InheritableEnableSharedFromThis.h"

#include <cstdint>
#include <memory>
#include <string>

namespace CommonLib {

class IGridTable;

// A named collection of grid tables. Lookups never fail: a bad name or index answers
// a fallback table.
class IGrid : public inheritable_enable_shared_from_this<IGrid> {
public:
    virtual std::string getName() const = 0;
    virtual std::uint32_t getTableCount() const = 0;
    virtual std::shared_ptr<IGridTable> findTable(const std::string& name) = 0;
    virtual std::shared_ptr<IGridTable> getTable(std::uint32_t index) = 0;
};

} // namespace CommonLib
