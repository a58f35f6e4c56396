#include "applog/Logger.h"
#include "log/ZRLDoc.h"
#include "generator/DemoLog.h"
#include "support/TestPaths.h"
#include "support/ZrlWriter.h"

#include <gtest/gtest.h>

#include <thread>

using namespace ZrlTest;

// Two documents load at once on two threads, sharing the logger, the variant tables and the
// boot cipher, as two files opened together in the desktop do.
TEST(ConcurrencyLoad, TwoDocumentsLoadAtOnce)
{
    const std::string demo = scratchDir() + "/demo.zrl";
    writeFile(demo, demoLog());

    Bytes enciphered = bstMessage(0xA7, {0x20, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11});
    ZrlWriter boot;
    for (int i = 0; i < 2000; ++i)
        boot.bstFrame(bstMessage(0xA5, {16, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0})).bstFrame(enciphered);
    const std::string bootLog = scratchDir() + "/boot.zrl";
    boot.save(bootLog);

    auto logger = std::make_shared<CommonLib::Logger>();
    std::size_t counts[2] = {0, 0};
    std::thread loaders[2];
    const std::string paths[2] = {demo, bootLog};
    for (int i = 0; i < 2; ++i)
        loaders[i] = std::thread([&, i] {
            KelpLib::ZRLDoc document;
            document.setLogger(logger);
            document.open(paths[i]);
            counts[i] = document.elementCount();
        });
    for (auto& loader : loaders)
        loader.join();

    KelpLib::ZRLDoc single;
    single.open(demo);
    EXPECT_EQ(counts[0], single.elementCount());
    EXPECT_EQ(counts[1], 4000u);
    EXPECT_EQ(logger->getRowCount(), 4u);
}
