#include "filter/PGNFilterGridAdaptor.h"

#include "n2k/PgnName.h"

namespace KelpLib {

PGNFilterGridAdaptor::PGNFilterGridAdaptor(std::shared_ptr<ZRLDocFilters> filters)
    : Grid("PGN Filter"), table(std::make_shared<PgnFilterGridFields>(std::move(filters), [](std::uint32_t pgn) { return StandardsLib::pgnNameText(pgn); }))
{
    addTable(table);
}

} // namespace KelpLib
