#include "support/N2kPayloads.h"
#include "support/TestPaths.h"
#include "support/ZrlWriter.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

using namespace ZrlTest;

namespace {

struct ToolRun {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs zrltool with the arguments (already quoted for the shell).
ToolRun zrltool(const std::string& arguments)
{
    const std::string errFile = scratchDir() + "/stderr.txt";
    const std::string command = std::string(ZRLTOOL_PATH) + " " + arguments + " 2>" + errFile;
    ToolRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return run;
    char chunk[4096];
    std::size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, pipe)) > 0)
        run.out.append(chunk, got);
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ifstream in(errFile);
    std::ostringstream text;
    text << in.rdbuf();
    run.err = text.str();
    return run;
}

std::string smallLog()
{
    const std::string path = scratchDir() + "/small.zrl";
    ZrlWriter log;
    log.timestamp(fileTimeUtc(2024, 1, 1, 12, 0, 0))
        .bstFrame(bst93(2, 129025, 255, 3, 0, pgn129025(50.5, -1.25)))
        .embeddedBst(bst93(2, 127250, 255, 35, 0, pgn127250(1, 1.5, 0, 0, 1)))
        .sentenceWithChecksum("$GPGGA,120000,5030.0,N,00115.0,W,1,08,0.9,12.0,M,47.0,M,,")
        .raw("free text");
    log.save(path);
    return path;
}

std::string withoutTimings(std::string text)
{
    const auto at = text.find("completed in ");
    if (at != std::string::npos) {
        const auto end = text.find(" ms.", at);
        text.replace(at, end - at, "completed in T");
    }
    return text;
}

} // namespace

TEST(ZrlTool, SummaryOfASmallLog)
{
    const ToolRun run = zrltool(smallLog());
    EXPECT_EQ(run.status, 2) << "a file without a command is a usage error";

    const ToolRun summary = zrltool("summary " + smallLog());
    ASSERT_EQ(summary.status, 0) << summary.err;
    EXPECT_EQ(withoutTimings(summary.out),
              "File\tsmall.zrl\nElements\t4\nShown\t4\nKind\t0\nN2K\t2\nN183\t1\nBST\t0\nCAN\t0\nMDT\t0\nOther\t1\n"
              "KnownPGNs\t127250 129025\n\n"
              "ZRL file \"small.zrl\": reading started\r\n"
              "ZRL file \"small.zrl\": reading completed in T ms.  Number elements = 4\r\n");
}

TEST(ZrlTool, ListShowsTheDocumentColumns)
{
    const ToolRun list = zrltool("list " + smallLog());
    ASSERT_EQ(list.status, 0) << list.err;
    std::istringstream lines(list.out);
    std::string header, first;
    std::getline(lines, header);
    std::getline(lines, first);
    EXPECT_EQ(header, "Line\tTimestamp\tType\tData") << "a mixed log";
    EXPECT_EQ(first, "0\t12:00:00.000\tN2K\t40 B0 19 1E E0 43 41 FF") << "an NMEA 2000 message lists its payload";
    std::vector<std::string> rest;
    for (std::string line; std::getline(lines, line);)
        rest.push_back(line);
    ASSERT_EQ(rest.size(), 3u);
    EXPECT_EQ(rest[0], "1\t12:00:00.000\tN2K\t01 98 3A 00 00 00 00 FD") << "the embedded message too";
    EXPECT_EQ(rest[2], "3\t12:00:00.000\tASCII\t66 72 65 65 20 74 65 78 74");

    const ToolRun filtered = zrltool("list --view-flags 3 " + smallLog());
    EXPECT_EQ(filtered.status, 0);
}

TEST(ZrlTool, ListOfAnNmea2000LogFillsTheHeaderColumns)
{
    const std::string path = scratchDir() + "/n2k.zrl";
    ZrlWriter log;
    log.timestamp(fileTimeUtc(2024, 1, 1, 12, 0, 0))
        .bstFrame(bst93(2, 127250, 255, 35, 0, pgn127250(1, 1.5, 0, 0, 1)))
        .bstFrame(bst93(6, 59904, 17, 4, 0, {0x00, 0xEE, 0x00}))
        .bstFrame(bst94(3, 126989, 255, {0xAA}))
        .bstFrame(bstMessage(0x91, {0x02, 0x12}));
    log.save(path);

    const ToolRun list = zrltool("list " + path);
    ASSERT_EQ(list.status, 0) << list.err;
    EXPECT_EQ(list.out,
              "Line\tTimestamp\tType\tMsgSrc\tPGN\tName\tSrc\tDest\tPri\tSize\tData\n"
              "0\t12:00:00.000\tN2K\t\t127250\tPGN 127250 (1F112)\t35\t255\t2\t8\t01 98 3A 00 00 00 00 FD\n"
              "1\t12:00:00.000\tN2K\t\t 59904\tPGN 59904 (0EA00)\t4\t17\t6\t3\t00 EE 00\n"
              "2\t12:00:00.000\tN2K\t\t126989\tPGN 126989 (1F00D)\t255\t255\t3\t1\tAA\n"
              "3\t12:00:00.000\tN2K\t\t     0\tPGN 0 (00000)\t0\t255\t0\t0\t<Zero size array>\n")
        << "MsgSrc is left empty; a message that does not decode shows an empty header";
}

TEST(ZrlTool, LoadFailuresAndUsage)
{
    const ToolRun missing = zrltool("summary /nonexistent/x.zrl");
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "File \"/nonexistent/x.zrl\" Not found\n");

    const std::string empty = scratchDir() + "/empty.zrl";
    writeFile(empty, {});
    const ToolRun emptyRun = zrltool("summary " + empty);
    EXPECT_EQ(emptyRun.status, 1);
    EXPECT_EQ(emptyRun.err, "Cannot open file - file size is zero\n");

    const std::string big = scratchDir() + "/big.zrl";
    { std::ofstream(big, std::ios::binary).put('x'); }
    std::filesystem::resize_file(big, 500000000);
    const ToolRun bigRun = zrltool("list " + big);
    EXPECT_EQ(bigRun.status, 1);
    EXPECT_EQ(bigRun.err, "Cannot open file - bigger than MaxFileSize\n");
    std::filesystem::remove(big);

    EXPECT_EQ(zrltool("").status, 2);
    EXPECT_EQ(zrltool("frobnicate x").status, 2);
    EXPECT_EQ(zrltool("summary").status, 2);
    EXPECT_EQ(zrltool("summary a b").status, 2);
    EXPECT_EQ(zrltool("summary --view-flags x a").status, 2);
    const ToolRun help = zrltool("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("summary FILE"), std::string::npos);
}

TEST(ZrlTool, JoinWritesTheCompositeByteForByte)
{
    const std::string a = scratchDir() + "/a.zrl";
    const std::string b = scratchDir() + "/b.zrl";
    writeFile(a, {1, 2, 3});
    writeFile(b, {0x1B, 0x0A});
    const std::string out = scratchDir() + "/joined.zrl";
    const ToolRun join = zrltool("join " + out + " " + a + " " + b + " " + a);
    ASSERT_EQ(join.status, 0) << join.err;
    std::ifstream in(out, std::ios::binary);
    const Bytes joined((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(joined, (Bytes{1, 2, 3, 0x1B, 0x0A, 1, 2, 3}));

    const std::string failed = scratchDir() + "/failed.zrl";
    const ToolRun missing = zrltool("join " + failed + " " + a + " /nonexistent/c.zrl");
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "File \"/nonexistent/c.zrl\" Not found\n");
    EXPECT_FALSE(std::filesystem::exists(failed)) << "no partial composite is left behind";
    EXPECT_EQ(zrltool("join " + out).status, 2);
}
