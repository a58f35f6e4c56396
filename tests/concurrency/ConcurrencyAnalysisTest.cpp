#include "analysis/NetworkTables.h"
#include "analysis/SeriesExtraction.h"
#include "analysis/TrackExtraction.h"
#include "log/ZRLDoc.h"
#include "generator/DemoLog.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

using namespace ZrlTest;

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
