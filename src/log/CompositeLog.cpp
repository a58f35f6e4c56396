#include "log/CompositeLog.h"

#include "common/KorvErr.h"

#include <cstdio>
#include <fstream>
#include <vector>

namespace KelpLib {

namespace {

constexpr int kFileNotFound = -198;     // "File Not Found!"
constexpr int kReadFileError = -186;    // "ReadFile Function Error!"
constexpr int kWriteFileError = -185;   // "WriteFile Function Error!"
constexpr const char* kContext = "writeCompositeLog";

}  // namespace

std::string compositeFileName(const std::string& folder, std::time_t when)
{
    std::tm local{};
    localtime_r(&when, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d_%H%M%S", &local);
    std::string path = folder;
    if (!path.empty() && path.back() != '/') path += '/';
    return path + "composite_" + stamp + ".zrl";
}

std::uint64_t writeCompositeLog(const std::string& outPath, const std::vector<std::string>& inputs)
{
    // Check every input first, so that a missing file leaves nothing half written.
    for (const std::string& input : inputs) {
        std::ifstream probe(input, std::ios::binary);
        if (!probe) throw CommonLib::KorvErr(kFileNotFound, "File \"" + input + "\" Not found", kContext);
    }

    std::ofstream out(outPath, std::ios::binary | std::ios::trunc);
    if (!out) throw CommonLib::KorvErr(kWriteFileError, "Cannot create \"" + outPath + "\"", kContext);

    std::uint64_t total = 0;
    std::vector<char> chunk(1 << 20);
    auto fail = [&](int code, const std::string& message) {
        out.close();
        std::remove(outPath.c_str());
        throw CommonLib::KorvErr(code, message, kContext);
    };
    for (const std::string& input : inputs) {
        std::ifstream in(input, std::ios::binary);
        if (!in) fail(kFileNotFound, "File \"" + input + "\" Not found");
        while (in) {
            in.read(chunk.data(), static_cast<std::streamsize>(chunk.size()));
            const std::streamsize got = in.gcount();
            if (got <= 0) break;
            out.write(chunk.data(), got);
            if (!out) fail(kWriteFileError, "Cannot write \"" + outPath + "\"");
            total += static_cast<std::uint64_t>(got);
        }
        if (in.bad()) fail(kReadFileError, "Cannot read \"" + input + "\"");
    }
    out.flush();
    if (!out) fail(kWriteFileError, "Cannot write \"" + outPath + "\"");
    return total;
}

}  // namespace KelpLib
