#pragma once

#include "filter/PgnFilterGridFields.h"
#include "grid/Grid.h"

#include <memory>

namespace KelpLib {

// The one-table grid the filter pane shows for a document.
class PGNFilterGridAdaptor : public CommonLib::Grid {
public:
    explicit PGNFilterGridAdaptor(std::shared_ptr<ZRLDocFilters> filters);

    std::shared_ptr<PgnFilterGridFields> fields() const { return table; }

private:
    std::shared_ptr<PgnFilterGridFields> table;
};

} // namespace KelpLib
