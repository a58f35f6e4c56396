#include "cli/Commands.h"

#include "log/CompositeLog.h"

#include <cstdio>

namespace ZrlTool {

int join(Arguments& args)
{
    const std::string out = args.positional("OUT");
    const std::vector<std::string> inputs = args.rest();
    args.finish();
    if (inputs.empty()) throw UsageError("join needs at least one FILE");
    const std::uint64_t bytes = KelpLib::writeCompositeLog(out, inputs);
    std::printf("Wrote %llu bytes from %zu files to %s\n", static_cast<unsigned long long>(bytes), inputs.size(),
                out.c_str());
    return 0;
}

}  // namespace ZrlTool
