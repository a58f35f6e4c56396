#include "filter/PGNFilterGridAdaptor.h"

#include "n2k/PgnDefinitionKey.h"

namespace KelpLib {

PGNFilterGridAdaptor::PGNFilterGridAdaptor(std::shared_ptr<ZRLDocFilters> filters)
    : Grid("PGN Filter"), table(std::make_shared<PgnFilterGridFields>(std::move(filters), StandardsLib::definitionName))
{
    addTable(table);
}

} // namespace KelpLib
