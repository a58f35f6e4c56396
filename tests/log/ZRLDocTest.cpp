#include "common/KorvErr.h"
#include "applog/Logger.h"
#include "log/ZRLDoc.h"
#include "presentation/ListCells.h"
#include "support/N2kPayloads.h"
#include "support/TestPaths.h"
#include "support/ZrlWriter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using namespace ZrlTest;
using KelpLib::ZRLDoc;

namespace {

std::string columnNames(const ZRLDoc& document)
{
    std::string names;
    for (const auto& column : document.columns())
        names += column.name + ",";
    return names;
}

void openStream(ZRLDoc& document, const ZrlWriter& log)
{
    const std::string path = scratchDir() + "/doc.zrl";
    log.save(path);
    document.open(path);
}

} // namespace

TEST(ZRLDoc, StartsEmptyWithTheDefaultColumns)
{
    ZRLDoc document;
    EXPECT_EQ(columnNames(document), "Line,Timestamp,Type,Data,");
    EXPECT_EQ(document.kind(), 0u);
    EXPECT_EQ(document.parseTime(), -1);
    EXPECT_EQ(document.readTime(), -1);
    EXPECT_EQ(document.elementCount(), 0u);
    EXPECT_TRUE(document.pgnsMet().empty());
}

TEST(ZRLDoc, SentencesMakeAnNmea0183Document)
{
    ZrlWriter log;
    for (int i = 0; i < 10; ++i)
        log.sentenceWithChecksum("$GPGGA," + std::to_string(i));
    log.raw("run");
    ZRLDoc document;
    openStream(document, log);
    EXPECT_EQ(document.n183Count(), 10u);
    EXPECT_EQ(document.otherCount(), 1u);
    EXPECT_EQ(document.kind(), 2u);
    EXPECT_EQ(columnNames(document), "Line,Timestamp,Type,Size,Talker,Formatter,Name,Data,");
    KelpLib::ShownList shown(document);
    shown.setViewSettings(KelpLib::ViewSettings(0));
    shown.rebuild();
    std::string cells;
    for (const auto& column : document.columns())
        cells += KelpLib::listCellText(shown, KelpLib::ShownRow(3), column) + "|";
    EXPECT_EQ(cells, "3|00:00:00.000|N183|11|GP|GGA||3|");
    EXPECT_GE(document.parseTime(), 0);
    EXPECT_GE(document.readTime(), 0);
}

TEST(ZRLDoc, KindByMajority)
{
    // 4 BST messages and 6 ASCII runs (the last one a sentence cut off by the end of the file):
    // total 10, half 6, and 4 BST elements are more than half / 2.
    ZrlWriter bst;
    for (int i = 0; i < 4; ++i)
        bst.raw("ascii").bstFrame(bstMessage(0x97, {1}));
    bst.raw("ascii").raw("$x");
    ZRLDoc bstDocument;
    openStream(bstDocument, bst);
    EXPECT_EQ(bstDocument.bstCount(), 4u);
    EXPECT_EQ(bstDocument.otherCount(), 6u);
    EXPECT_EQ(bstDocument.kind(), 3u);
    EXPECT_EQ(columnNames(bstDocument), "Line,Timestamp,Type,MsgSrc,PGN,Src,Dest,Pri,Name,Size,Data,");

    ZrlWriter n2k;
    for (int i = 0; i < 4; ++i)
        n2k.bstFrame(bst93(2, 127250, 255, 35, 0, pgn127250(1, 1.0, 0, 0, 1)));
    n2k.sentenceWithChecksum("$GPGGA,1");
    ZRLDoc n2kDocument;
    openStream(n2kDocument, n2k);
    EXPECT_EQ(n2kDocument.kind(), 1u) << "4 of 5 is more than 5 / 2 + 1";
    EXPECT_EQ(columnNames(n2kDocument), "Line,Timestamp,Type,MsgSrc,PGN,Name,Src,Dest,Pri,Size,Data,");
    n2k.sentenceWithChecksum("$GPGGA,2");
    openStream(n2kDocument, n2k);
    EXPECT_EQ(n2kDocument.kind(), 0u) << "4 of 6 is not more than 6 / 2 + 1";
}

TEST(ZRLDoc, FailedOpenLeavesTheDocumentEmptyAndLogsNothing)
{
    auto logger = std::make_shared<CommonLib::Logger>();
    ZRLDoc document;
    document.setLogger(logger);
    ZrlWriter log;
    log.sentenceWithChecksum("$GPGGA,1");
    openStream(document, log);
    EXPECT_EQ(logger->getRowCount(), 2u);
    EXPECT_EQ(logger->getCellText(0, "Result"), "ZRL file \"doc.zrl\": reading started");

    const std::string empty = scratchDir() + "/empty.zrl";
    writeFile(empty, {});
    EXPECT_THROW(document.open(empty), CommonLib::KorvErr);
    EXPECT_EQ(document.elementCount(), 0u);
    EXPECT_TRUE(document.pgnsMet().empty());
    EXPECT_EQ(document.readTime(), -1);
    EXPECT_EQ(logger->getRowCount(), 2u) << "no reading-started line for a refused file";
}

TEST(ZRLDoc, ElementsKeepTheirBytesOnceTheFileIsReleased)
{
    ZrlWriter log;
    log.sentenceWithChecksum("$GPGGA,1").raw("x").bstFrame(bst93(2, 127250, 255, 35, 1000, pgn127250(1, 1.0, 0, 0, 1)));
    const std::string path = scratchDir() + "/released.zrl";
    log.save(path);
    KelpLib::ZRLDoc document;
    document.setLogger(std::make_shared<CommonLib::Logger>());
    document.open(path);
    EXPECT_EQ(document.file().size(), 0u);
    ASSERT_EQ(document.elementCount(), 3u);
    const auto text = [&](std::size_t i) {
        const auto& e = document.element(KelpLib::ElementLine(i));
        return std::string(reinterpret_cast<const char*>(e.data()), e.length());
    };
    EXPECT_EQ(text(0).substr(0, 8), "$GPGGA,1");
    EXPECT_EQ(text(1), "x");
    EXPECT_EQ(document.element(KelpLib::ElementLine(2)).byteAt(0), 0x93);
    EXPECT_EQ(document.element(KelpLib::ElementLine(2)).length(), 21u);
}

// The file is read and given back in steps of a few megabytes while it is parsed, the pages
// given back reused for the bytes read next: a raw run longer than a step, and frames across
// the step boundaries and in reused pages, keep all their bytes.
TEST(ZRLDoc, RunsAndFramesAcrossTheReadStepsKeepTheirBytes)
{
    std::mt19937 random(42);
    ZrlWriter log;
    log.noise(random, 9u << 20); // one raw run through two read steps
    const std::size_t runBytes = log.size();
    const Bytes heading = bst93(2, 127250, 255, 35, 1000, pgn127250(1, 1.0, 0, 0, 1));
    while (log.size() < (20u << 20))
        log.bstFrame(heading).sentenceWithChecksum("$GPHDT,123.4,T");
    const std::string path = scratchDir() + "/steps.zrl";
    log.save(path);
    KelpLib::ZRLDoc document;
    document.setLogger(std::make_shared<CommonLib::Logger>());
    document.open(path);
    ASSERT_GT(document.elementCount(), 3u);
    const auto& run = document.element(KelpLib::ElementLine(0));
    ASSERT_EQ(run.length(), runBytes);
    EXPECT_TRUE(std::equal(log.bytes().begin(), log.bytes().begin() + static_cast<std::ptrdiff_t>(runBytes), run.data()));
    std::size_t frames = 0;
    for (std::size_t i = 1; i < document.elementCount(); ++i) {
        const auto& e = document.element(KelpLib::ElementLine(i));
        if (e.effectiveVariant() == KelpLib::VariantN2k) {
            ++frames;
            ASSERT_TRUE(std::equal(heading.begin(), heading.end(), e.data()) && e.length() == heading.size()) << i;
        } else {
            ASSERT_EQ(std::string(reinterpret_cast<const char*>(e.data()), e.length()), withChecksum("$GPHDT,123.4,T")) << i;
        }
    }
    EXPECT_EQ(frames, (document.elementCount() - 1) / 2);
}
