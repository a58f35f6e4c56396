#pragma once
// A log written to a scratch folder as log.zrl and loaded into a document with a logger, with
// the list of rows shown under the given view flags (0: nothing hidden).
#include "applog/Logger.h"
#include "filter/ShownList.h"
#include "log/ZRLDoc.h"
#include "support/TestPaths.h"
#include "support/ZrlWriter.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace ZrlTest {

struct LoadedLog {
    std::shared_ptr<CommonLib::Logger> logger = std::make_shared<CommonLib::Logger>();
    KelpLib::ZRLDoc document;
    KelpLib::ShownList shown{document};
    std::string dir = scratchDir();

    explicit LoadedLog(const Bytes& bytes, std::uint32_t viewFlags = 0)
    {
        writeFile(dir + "/log.zrl", bytes);
        document.setLogger(logger);
        document.open(dir + "/log.zrl");
        shown.setViewSettings(KelpLib::ViewSettings(viewFlags));
        shown.rebuild();
    }
    explicit LoadedLog(const ZrlWriter& log, std::uint32_t viewFlags = 0) : LoadedLog(log.bytes(), viewFlags) {}

    std::size_t count() const { return document.elementCount(); }
    const KelpLib::ZRLElement& at(std::size_t i) const { return document.element(KelpLib::ElementLine(i)); }
    // The element lines of the shown rows.
    std::vector<std::uint32_t> lines() const
    {
        std::vector<std::uint32_t> out;
        for (std::uint32_t row = 0; row < shown.size(); ++row)
            out.push_back(shown.line(KelpLib::ShownRow(row)).value);
        return out;
    }
    // Each element as "variant bytes": the bytes as text when all are printable, else in hex.
    std::vector<std::string> elements() const
    {
        std::vector<std::string> out;
        for (std::size_t i = 0; i < count(); ++i) {
            const std::string text(at(i).data(), at(i).data() + at(i).length());
            std::string row = std::to_string(KelpLib::msgVariantNumber(at(i).effectiveVariant())) + " ";
            if (std::all_of(text.begin(), text.end(), [](char c) { return c >= 0x20 && c < 0x7F; }))
                row += text;
            else
                for (std::size_t b = 0; b < text.size(); ++b)
                    row += (b ? " " : "") + hex(std::uint8_t(text[b]));
            out.push_back(row);
        }
        return out;
    }
    static std::string hex(std::uint8_t b) { return {"0123456789abcdef"[b >> 4], "0123456789abcdef"[b & 15]}; }
};

} // namespace ZrlTest
