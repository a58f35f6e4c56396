// zrltool list of a log in which BEM messages predominate: the BST columns, with the name,
// size and hex dump of each BEM message.
#include "support/MdtMessages.h"
#include "support/TestPaths.h"
#include "support/ZrlWriter.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

using namespace ZrlTest;

namespace {

std::string listOutput(const std::string& path)
{
    const std::string command = std::string(ZRLTOOL_PATH) + " list " + path + " 2>/dev/null";
    std::string out;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return out;
    char chunk[4096];
    std::size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, pipe)) > 0)
        out.append(chunk, got);
    pclose(pipe);
    return out;
}

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        out.push_back(line);
    return out;
}

} // namespace

TEST(ZrlToolBemList, NameSizeAndDataOfBemMessages)
{
    const std::string path = scratchDir() + "/bem.zrl";
    // The BEM message inside PGN 126720: the maker's code 273, industry group 4 (0x11 0x99).
    Bytes carried = {0x11, 0x99, 0xA1, 0x02, 0x17, 0x01};
    ZrlWriter log;
    log.timestamp(fileTimeUtc(2024, 1, 1, 12, 0, 0))
        .bstFrame({0xA1, 0x01, 0x10})
        .bstFrame(bemMessage(0xA0, 0x10, 1, 20240042, 0, {0x7D, 0x00}))
        .bstFrame(bemMessage(0xA0, 0x77, 1, 20240042, 0, {}))
        .bstFrame(bst93(3, 126720, 0x23, 0x01, 0, carried));
    log.save(path);

    const std::vector<std::string> got = lines(listOutput(path));
    ASSERT_EQ(got.size(), 5u);
    EXPECT_EQ(got[0], "Line\tTimestamp\tType\tMsgSrc\tPGN\tSrc\tDest\tPri\tName\tSize\tData");
    EXPECT_EQ(got[1], "0\t12:00:00.000\tBEMCMD\t\t\t\t\t\tddHardwareInfoPG\t3\tA1 01 10");
    EXPECT_EQ(got[2], "1\t12:00:00.000\tBEMCMD\t\t\t\t\t\tddHardwareInfo\t16\t"
                      "A0 0E 10 01 01 00 AA D6 34 01 00 00 00 00 7D 00");
    EXPECT_EQ(got[3], "2\t12:00:00.000\tBEMCMD\t\t\t\t\t\tBST/BEM Unknown\t14\t"
                      "A0 0C 77 01 01 00 AA D6 34 01 00 00 00 00");
    EXPECT_EQ(got[4], "3\t12:00:00.000\tBEMCMD\t\t\t\t\t\tddPortBaudratePG\t4\tA1 02 17 01")
        << "the BEM message carried in the PGN, not the NMEA 2000 message";
}
