#include "cli/FilterOption.h"

namespace ZrlTool {

std::shared_ptr<const KelpLib::DisplayFilter> filterOption(Arguments& args)
{
    const auto text = args.text("filter");
    if (!text)
        return nullptr;
    auto compiled = KelpLib::DisplayFilter::compile(*text);
    if (const auto* error = std::get_if<KelpLib::FilterError>(&compiled))
        throw PlainUsageError(error->message);
    return std::get<std::shared_ptr<const KelpLib::DisplayFilter>>(compiled);
}

} // namespace ZrlTool
