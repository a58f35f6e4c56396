// Documents read by several threads at once: each result equals the one a single thread gets.
#include "analysis/NetworkTables.h"
#include "analysis/SeriesExtraction.h"
#include "analysis/TrackExtraction.h"
#include "applog/Logger.h"
#include "log/ZRLDoc.h"
#include "generator/DemoLog.h"
#include "support/TestPaths.h"
#include "support/ZrlWriter.h"

#include <gtest/gtest.h>

#include <atomic>
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

// The viewer's workers read one loaded document at once: a series, the track and the network
// pass run side by side (and a second series is cancelled meanwhile), and each result equals the
// one a single thread gets.
TEST(ConcurrencyAnalysis, SeriesTrackAndNetworkPassReadOneDocumentAtOnce)
{
    const std::string demo = scratchDir() + "/analysis-demo.zrl";
    writeFile(demo, demoLog());
    KelpLib::ZRLDoc document;
    document.open(demo);

    ZrlAnalysis::SeriesSpec spec;
    spec.pgn = 127250;
    spec.field = "Heading Sensor Reading";
    const auto extractor = std::get<ZrlAnalysis::SeriesExtractor>(ZrlAnalysis::SeriesExtractor::make(spec));

    std::vector<ZrlAnalysis::SeriesPoint> series;
    std::vector<ZrlAnalysis::TrackPoint> track;
    ZrlAnalysis::NetworkTables network;
    std::vector<ZrlAnalysis::SeriesPoint> cancelledSeries;
    std::atomic<bool> cancel{false};
    bool cancelledCompleted = true;
    {
        std::jthread a([&] { extractor.collect(document, series); });
        std::jthread b([&] { ZrlAnalysis::extractTrack(document, track); });
        std::jthread c([&] { network = ZrlAnalysis::analyseNetwork(document); });
        std::jthread d([&] {
            ZrlAnalysis::WalkControl control;
            control.cancel = &cancel;
            cancelledCompleted = extractor.collect(document, cancelledSeries, control);
        });
        cancel = true;
    }

    std::vector<ZrlAnalysis::SeriesPoint> singleSeries;
    std::vector<ZrlAnalysis::TrackPoint> singleTrack;
    extractor.collect(document, singleSeries);
    ZrlAnalysis::extractTrack(document, singleTrack);
    const ZrlAnalysis::NetworkTables singleNetwork = ZrlAnalysis::analyseNetwork(document);

    ASSERT_FALSE(singleSeries.empty());
    ASSERT_EQ(series.size(), singleSeries.size());
    EXPECT_EQ(series.back().value, singleSeries.back().value);
    EXPECT_EQ(track.size(), singleTrack.size());
    EXPECT_EQ(network.devices.size(), singleNetwork.devices.size());
    EXPECT_EQ(network.statistics.size(), singleNetwork.statistics.size());
    EXPECT_EQ(network.busLoad.frames, singleNetwork.busLoad.frames);
    EXPECT_LE(cancelledSeries.size(), singleSeries.size());
    if (cancelledCompleted) {
        EXPECT_EQ(cancelledSeries.size(), singleSeries.size());
    }
}
