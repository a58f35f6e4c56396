// Documents read by several threads at once: each result equals the one a single thread gets.
#include "analysis/NetworkTables.h"
#include "analysis/SeriesExtraction.h"
#include "analysis/TrackExtraction.h"
#include "applog/Logger.h"
#include "log/ZRLDoc.h"
#include "generator/DemoLog.h"
#include "support/LoadedLog.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <tuple>

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
    const auto load = [&](int i, const std::string& path) {
        KelpLib::ZRLDoc document;
        document.setLogger(logger);
        document.open(path);
        counts[i] = document.elementCount();
    };
    {
        std::jthread first(load, 0, demo), second(load, 1, bootLog);
    }

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
    const LoadedLog demo(demoLog());
    const KelpLib::ZRLDoc& document = demo.document;

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
    EXPECT_EQ(std::tuple(track.size(), network.devices.size(), network.statistics.size(), network.busLoad.frames),
              std::tuple(singleTrack.size(), singleNetwork.devices.size(), singleNetwork.statistics.size(),
                         singleNetwork.busLoad.frames));
    // The cancelled series has no more points than the whole one, and as many when its walk finished.
    EXPECT_TRUE(cancelledCompleted ? cancelledSeries.size() == singleSeries.size()
                                   : cancelledSeries.size() <= singleSeries.size());
}
