#pragma once
// A loaded log for the export tests: runs an export and returns the log lines it added, and
// reads the files written.
#include "export/DocumentExport.h"
#include "support/LoadedLog.h"

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace ZrlTest {

struct ExportedLog : LoadedLog {
    using LoadedLog::LoadedLog;
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
