// The raw and decoded CSV exports of a document loaded from arbitrary bytes, written to a
// scratch folder and removed again.
#include "common/Logger.h"
#include "log/ZRLDoc.h"

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const std::string folder = "/tmp/zrl-fuzz-export-" + std::to_string(getpid());
    std::filesystem::create_directories(folder);
    const std::string path = folder + "/input.zrl";
    if (FILE* file = std::fopen(path.c_str(), "wb")) {
        std::fwrite(data, 1, size, file);
        std::fclose(file);
    }
    KelpLib::ZRLDoc document;
    document.setLogger(std::make_shared<CommonLib::Logger>());
    try {
        document.open(path);
    } catch (const std::exception&) {
        return 0;
    }
    document.exportCsv(folder + "/raw.csv");
    document.exportDecodedCsv(folder + "/decoded.csv", document.enabledPgns());
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.path().filename() != "input.zrl")
            std::filesystem::remove(entry.path());
    return 0;
}
