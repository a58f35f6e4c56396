// The raw and decoded CSV exports of a document loaded from arbitrary bytes, written to a
// scratch folder and removed again.
#include "applog/Logger.h"
#include "export/DocumentExport.h"
#include "log/ZRLDoc.h"
#include "log/ZRLElement.h"

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
    CommonLib::Logger logger;
    try {
        document.open(path);
    } catch (const std::exception&) {
        return 0;
    }
    KelpLib::exportCsv(document, logger, folder + "/raw.csv");
    const std::vector<std::uint32_t> pgns(document.pgnsMet().begin(), document.pgnsMet().end());
    KelpLib::exportDecodedCsv(document, logger, folder + "/decoded.csv", pgns);
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.path().filename() != "input.zrl")
            std::filesystem::remove(entry.path());
    return 0;
}
