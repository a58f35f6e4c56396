// The raw and decoded CSV exports of a document loaded from arbitrary bytes, written to a
// scratch folder and removed again.
#include "FuzzDocument.h"
#include "export/DocumentExport.h"

#include <filesystem>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const std::string folder = "/tmp/zrl-fuzz-export-" + std::to_string(getpid());
    std::filesystem::create_directories(folder);
    KelpLib::ZRLDoc document;
    CommonLib::Logger logger;
    if (!loadFuzzLog(data, size, "export", document))
        return 0;
    KelpLib::exportCsv(document, logger, folder + "/raw.csv");
    const std::vector<std::uint32_t> pgns(document.pgnsMet().begin(), document.pgnsMet().end());
    KelpLib::exportDecodedCsv(document, logger, folder + "/decoded.csv", pgns);
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        std::filesystem::remove(entry.path());
    return 0;
}
