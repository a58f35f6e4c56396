#include "common/KorvErr.h"
#include "log/ZRLDoc.h"
#include "presentation/ListCells.h"
#include "support/N2kPayloads.h"
#include "support/LoadedLog.h"
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

// The document's kind and columns: NMEA 2000 or NMEA 0183 when more than half + 1 of the
// elements are of it, BST when more than (half + 1) / 2, else mixed.
TEST(ZRLDoc, KindAndColumnsByMajority)
{
    ZRLDoc empty;
    EXPECT_EQ(std::to_string(empty.kind()) + " " + columnNames(empty), "0 Line,Timestamp,Type,Data,");
    EXPECT_TRUE(empty.parseTime() == -1 && empty.readTime() == -1);

    ZrlWriter sentences, bst, n2k;
    for (int i = 0; i < 10; ++i)
        sentences.sentenceWithChecksum("$GPGGA," + std::to_string(i));
    sentences.raw("run");
    for (int i = 0; i < 4; ++i) {
        bst.raw("ascii").bstFrame(bstMessage(0x97, {1}));
        n2k.bstFrame(bst93(2, 127250, 255, 35, 0, pgn127250(1, 1.0, 0, 0, 1)));
    }
    bst.raw("ascii").raw("$x"); // 4 BST of 10: more than 6 / 2
    n2k.sentenceWithChecksum("$GPGGA,1"); // 4 of 5 is more than 5 / 2 + 1
    ZrlWriter mixed = n2k;
    mixed.sentenceWithChecksum("$GPGGA,2"); // 4 of 6 is not more than 6 / 2 + 1
    const std::pair<ZrlWriter, std::string> cases[] = {
        {sentences, "2 Line,Timestamp,Type,Size,Talker,Formatter,Name,Data,"},
        {bst, "3 Line,Timestamp,Type,MsgSrc,PGN,Src,Dest,Pri,Name,Size,Data,"},
        {n2k, "1 Line,Timestamp,Type,MsgSrc,PGN,Name,Src,Dest,Pri,Size,Data,"},
        {mixed, "0 Line,Timestamp,Type,Data,"},
    };
    ZRLDoc document; // reopened for each: nothing of the last file stays
    for (const auto& [log, expected] : cases) {
        openStream(document, log);
        EXPECT_EQ(std::to_string(document.kind()) + " " + columnNames(document), expected);
    }
    openStream(document, sentences);
    EXPECT_TRUE(document.n183Count() == 10 && document.otherCount() == 1 && document.parseTime() >= 0 && document.readTime() >= 0);
    KelpLib::ShownList shown(document);
    shown.setViewSettings(KelpLib::ViewSettings(0));
    shown.rebuild();
    std::string cells;
    for (const auto& column : document.columns())
        cells += KelpLib::listCellText(shown, KelpLib::ShownRow(3), column) + "|";
    EXPECT_EQ(cells, "3|00:00:00.000|N183|11|GP|GGA||3|");
}

// Elements keep their bytes once the file is released; a failed open leaves the document
// empty and logs nothing, not even the reading-started line.
TEST(ZRLDoc, ReleasedFileAndFailedOpen)
{
    const Bytes heading = bst93(2, 127250, 255, 35, 1000, pgn127250(1, 1.0, 0, 0, 1));
    LoadedLog log(ZrlWriter().sentenceWithChecksum("$GPGGA,1").raw("x").bstFrame(heading));
    const auto& logger = log.logger;
    ZRLDoc& document = log.document;
    EXPECT_EQ(logger->getRowCount(), 2u);
    EXPECT_EQ(logger->getCellText(0, "Result"), "ZRL file \"log.zrl\": reading started");
    EXPECT_EQ(document.file().size(), 0u);
    ASSERT_EQ(document.elementCount(), 3u);
    const auto& e = document.element(KelpLib::ElementLine(2));
    EXPECT_EQ(document.element(KelpLib::ElementLine(1)).byteAt(0), 'x');
    EXPECT_EQ(Bytes(e.data(), e.data() + e.length()), heading);

    const std::string empty = scratchDir() + "/empty.zrl";
    writeFile(empty, {});
    EXPECT_THROW(document.open(empty), CommonLib::KorvErr);
    EXPECT_TRUE(document.elementCount() == 0 && document.pgnsMet().empty() && document.readTime() == -1);
    EXPECT_EQ(logger->getRowCount(), 2u);
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
    const LoadedLog loaded(log);
    const ZRLDoc& document = loaded.document;
    ASSERT_GT(document.elementCount(), 3u);
    const auto& run = document.element(KelpLib::ElementLine(0));
    ASSERT_EQ(run.length(), runBytes);
    EXPECT_TRUE(std::equal(log.bytes().begin(), log.bytes().begin() + static_cast<std::ptrdiff_t>(runBytes), run.data()));
    std::size_t frames = 0;
    for (std::size_t i = 1; i < document.elementCount(); ++i) {
        const auto& e = document.element(KelpLib::ElementLine(i));
        if (e.effectiveVariant() == KelpLib::MsgVariant::N2k) {
            ++frames;
            ASSERT_TRUE(std::equal(heading.begin(), heading.end(), e.data()) && e.length() == heading.size()) << i;
        } else {
            ASSERT_EQ(std::string(reinterpret_cast<const char*>(e.data()), e.length()), withChecksum("$GPHDT,123.4,T")) << i;
        }
    }
    EXPECT_EQ(frames, (document.elementCount() - 1) / 2);
}
