#pragma once
// A log written to a scratch folder and loaded into a document with a logger, for the export
// tests: runs an export and returns the log lines it added, and reads the files written.
#include "applog/Logger.h"
#include "export/DocumentExport.h"
#include "log/ZRLDoc.h"
#include "support/TestPaths.h"
#include "support/ZrlWriter.h"

#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace ZrlTest {

struct ExportedLog {
    std::shared_ptr<CommonLib::Logger> logger = std::make_shared<CommonLib::Logger>();
    KelpLib::ZRLDoc document;
    std::string dir = scratchDir();

    explicit ExportedLog(const ZrlWriter& log)
    {
        log.save(dir + "/in.zrl");
        document.setLogger(logger);
        document.open(dir + "/in.zrl");
    }
    std::vector<std::string> exportLog(const std::string& name, const std::vector<std::uint32_t>& pgns = {})
    {
        return logged([&] { KelpLib::exportCsv(document, *logger, dir + "/" + name, pgns); });
    }
    std::vector<std::string> exportDecoded(const std::string& name, const std::vector<std::uint32_t>& pgns)
    {
        return logged([&] { KelpLib::exportDecodedCsv(document, *logger, dir + "/" + name, pgns); });
    }
    std::string file(const std::string& name) const
    {
        std::ifstream in(dir + "/" + name, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

private:
    template <typename Run> std::vector<std::string> logged(Run run)
    {
        const std::uint32_t before = logger->getRowCount();
        run();
        std::vector<std::string> lines;
        for (std::uint32_t row = before; row < logger->getRowCount(); ++row)
            lines.push_back(logger->getCellText(row, "Result"));
        return lines;
    }
};

} // namespace ZrlTest
