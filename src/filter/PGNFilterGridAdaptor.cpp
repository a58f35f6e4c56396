#include "filter/PGNFilterGridAdaptor.h"

namespace KelpLib {

PGNFilterGridAdaptor::PGNFilterGridAdaptor(std::shared_ptr<ZRLDocFilters> filters)
    : Grid("PGN Filter"), table(std::make_shared<PgnFilterGridFields>(std::move(filters), PgnFilterGridFields::PgnNameLookup()))
{
    addTable(table);
}

} // namespace KelpLib
