// zrltool devices and stats: the framing of the two tables (their rows are worked out in
// tests/analysis) and JSON lines.
#include "cli/ToolRun.h"
#include "support/NetworkLog.h"
#include "support/TestPaths.h"
#include "support/ZrlWriter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

using namespace ZrlTest;

TEST(ZrlToolNetwork, DevicesAndStatsAsTextAndJson)
{
    const std::string path = scratchDir() + "/network.zrl";
    writeFile(path, networkLog());

    const ToolRun devices = zrltool("devices " + path);
    ASSERT_EQ(devices.status, 0) << devices.err;
    EXPECT_EQ(devices.out.substr(0, devices.out.find('\n')),
              "Address\tNAME\tManufacturer\tFunction\tClass\tInstance\tModel\tSoftware\tSerial\tFirst\tLast\tMessages\tPGNs");
    EXPECT_EQ(std::count(devices.out.begin(), devices.out.end(), '\n'), 7);
    EXPECT_NE(devices.out.find("\n20\t\t\t\t\t\t\t\t\t2024-01-01T12:00:00.250Z\t2024-01-01T12:00:01.450Z\t4\t128267\n"),
              std::string::npos);
    EXPECT_EQ(devices.err, "warning: Address 30 claimed by NAME C078820311201092 at 2024-01-01T12:00:01.000Z, held "
                           "before by NAME C2788C0110E00309: address change or conflict\n");

    const ToolRun json = zrltool("devices --json " + path);
    ASSERT_EQ(json.status, 0) << json.err;
    EXPECT_EQ(json.out.substr(0, json.out.find('\n')),
              "{\"Address\":10,\"NAME\":\"C07891001CA03039\",\"Manufacturer\":\"Garmin (229)\",\"Function\":\"Ownship "
              "Position (GNSS)\",\"Class\":\"Navigation\",\"Instance\":0,\"Model\":\"GPS 19x\",\"Software\":\"5.60\","
              "\"Serial\":\"1A2B3C\",\"First\":\"2024-01-01T12:00:00.000Z\",\"Last\":\"2024-01-01T12:00:00.600Z\","
              "\"Messages\":7,\"PGNs\":[60928,126996,129025]}");

    const ToolRun stats = zrltool("stats " + path);
    ASSERT_EQ(stats.status, 0) << stats.err;
    EXPECT_EQ(stats.out.substr(0, stats.out.find('\n')),
              "PGN\tSrc\tName\tCount\tRate\tMinInterval\tMeanInterval\tMaxInterval\tMaxGapEnd");
    const ToolRun statsJson = zrltool("stats " + path + " --json");
    ASSERT_EQ(statsJson.status, 0) << statsJson.err;
    EXPECT_EQ(statsJson.out.substr(0, statsJson.out.find('\n') + 1), "{\"PGN\":60928,\"Src\":10,\"Name\":\"ISO Address Claim\",\"Count\":1,\"Rate\":null,"
                     "\"MinInterval\":null,\"MeanInterval\":null,\"MaxInterval\":null,\"MaxGapEnd\":\"\"}\n");
    EXPECT_NE(statsJson.out.find("\n{\"PGN\":60928,\"Src\":30,\"Name\":\"ISO Address Claim\",\"Count\":2,\"Rate\":1.176,"
                     "\"MinInterval\":850.000,\"MeanInterval\":850.000,\"MaxInterval\":850.000,"
                     "\"MaxGapEnd\":\"2024-01-01T12:00:01.000Z\"}\n"), std::string::npos);
}
