#include "common/Logger.h"
#include "export/ZRLDocExport.h"
#include "filter/ZRLDocFilters.h"
#include "log/ZRLDoc.h"
#include "support/DemoLog.h"
#include "support/N2kPayloads.h"
#include "support/TestPaths.h"
#include "support/ZrlWriter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

using namespace ZrlTest;

namespace {

struct Exported {
    std::shared_ptr<CommonLib::Logger> logger = std::make_shared<CommonLib::Logger>();
    KelpLib::ZRLDoc document;
    std::string dir = scratchDir();

    explicit Exported(const ZrlWriter& log)
    {
        log.save(dir + "/in.zrl");
        document.setLogger(logger);
        document.open(dir + "/in.zrl");
    }
    std::vector<std::string> exportLog(const std::string& name, const std::vector<std::uint32_t>& pgns = {})
    {
        const std::uint32_t before = logger->getRowCount();
        document.exportCsv(dir + "/" + name, pgns);
        std::vector<std::string> lines;
        for (std::uint32_t row = before; row < logger->getRowCount(); ++row)
            lines.push_back(logger->getCellText(row, "Result"));
        return lines;
    }
    std::string file(const std::string& name) const
    {
        std::ifstream in(dir + "/" + name, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
};

const std::uint64_t noon = fileTimeUtc(2024, 1, 1, 12, 0, 0);

} // namespace

TEST(ZRLDocExport, RawNmea2000AndSentenceFiles)
{
    ZrlWriter log;
    log.timestamp(noon)
        .bstFrame(bst93(6, 59904, 255, 35, 0, {0x00, 0xEE, 0x00}))
        .bstFrame(bst93(2, 127250, 255, 35, 0, {1, 2, 3, 4, 5, 6, 7, 8}))
        .sentenceWithChecksum("$GPGGA,1")
        .sentence("$GPGGA,1*00");
    Exported e(log);
    EXPECT_EQ(e.exportLog("out.csv"), (std::vector<std::string>{"Exporting 4 messages", "Exported to " + e.dir + "/out.n2k.csv",
                                                                "Exported to " + e.dir + "/out.n183.csv"}));
    EXPECT_EQ(e.file("out.n2k.csv"),
              "Line,Time,Type,PGN,Name,Src,Dest,Pri,Size,Data\r\n"
              "0,12:00:00.000,N2K, 59904,\"Unknown PGN (59904)\",35,255,6,3,0,238,0,\r\n"
              "1,12:00:00.000,N2K,127250,\"Unknown PGN (127250)\",35,255,2,8,1,2,3,4,5,6,7,8,\r\n");
    EXPECT_EQ(e.file("out.n183.csv"), "12:00:00.000,\"" + withChecksum("$GPGGA,1") + "\"\r\n")
        << "a sentence with a bad checksum is not written";
}

TEST(ZRLDocExport, PgnListAndAbortedExports)
{
    ZrlWriter log;
    log.bstFrame(bst93(6, 59904, 255, 35, 0, {0x00, 0xEE, 0x00})).bstFrame(bst93(2, 127250, 255, 35, 0, {1}));
    Exported e(log);
    EXPECT_EQ(e.exportLog("only.csv", {127250}).size(), 2u);
    const std::string only = e.file("only.n2k.csv");
    EXPECT_EQ(std::count(only.begin(), only.end(), '\n'), 2);

    EXPECT_EQ(e.exportLog("upper.CSV"), (std::vector<std::string>{"Exporting 2 messages", "Export aborted"}));
    EXPECT_EQ(e.exportLog("out.txt").back(), "Export aborted");
    EXPECT_EQ(e.exportLog("none.csv", {1}).back(), "Export aborted") << "nothing to write opens no file";
    EXPECT_FALSE(std::filesystem::exists(e.dir + "/none.n2k.csv"));
}

TEST(ZRLDocExport, SentencesOnlyWriteOneFile)
{
    ZrlWriter log;
    log.sentenceWithChecksum("$GPGGA,1").sentenceWithChecksum("$GPRMC,2");
    Exported e(log);
    EXPECT_EQ(e.exportLog("s.csv").size(), 2u);
    EXPECT_FALSE(std::filesystem::exists(e.dir + "/s.n2k.csv"));
}

TEST(ZRLDocExport, DemoLogLosesNoMessage)
{
    ZrlWriter log;
    log.raw(demoLog());
    Exported e(log);
    e.exportLog("demo.csv");
    std::size_t n2k = 0, n183 = 0;
    for (std::size_t i = 0; i < e.document.elementCount(); ++i) {
        n2k += KelpLib::isExportedN2kMessage(e.document.element(i));
        n183 += e.document.element(i).effectiveVariant() == KelpLib::VariantN183;
    }
    const std::string n2kFile = e.file("demo.n2k.csv");
    const std::string n183File = e.file("demo.n183.csv");
    EXPECT_EQ(std::size_t(std::count(n2kFile.begin(), n2kFile.end(), '\n')), n2k + 1);
    EXPECT_EQ(std::size_t(std::count(n183File.begin(), n183File.end(), '\n')), n183);
    EXPECT_GT(n2k, 4000u);
}
