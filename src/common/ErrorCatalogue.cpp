#include "common/ErrorCatalogue.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace CommonLib {
namespace {

constexpr ErrorRecord_s records[] = {
#include "common/ErrorCatalogueTable.inc"
};

} // namespace

const char* errorMessage(std::int32_t code)
{
    // The first record wins: a few codes are stored twice (0 and -879).
    const auto found = std::find_if(std::begin(records), std::end(records),
                                    [code](const ErrorRecord_s& record) { return record.code == code; });
    return found == std::end(records) ? "Error Code meaning not defined!" : found->message;
}

const ErrorRecord_s* errorCatalogue() { return records; }

std::uint32_t errorCatalogueSize() { return static_cast<std::uint32_t>(std::size(records)); }

} // namespace CommonLib
