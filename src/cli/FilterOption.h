#pragma once
// The "--filter EXPR" option the listing and exporting commands share.
#include "cli/Commands.h"

#include "query/DisplayFilter.h"

#include <memory>

namespace ZrlTool {

// The compiled display filter of "--filter EXPR", or null without the option. A filter that
// does not parse throws PlainUsageError with the filter's message ("filter: ... at column N").
std::shared_ptr<const KelpLib::DisplayFilter> filterOption(Arguments& args);

} // namespace ZrlTool
