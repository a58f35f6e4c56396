#pragma once
// The plots of one document, below its message list: the "Plot" tab (values over time) and the
// "Track" tab. Series and the track are built on a worker; clicking a point selects its message
// in the list, and the list's selection is marked on the plot.
#include "analysis/SeriesExtraction.h"
#include "analysis/SeriesSpec.h"

#include <QTabWidget>

#include <cstdint>
#include <vector>

namespace ZrlApp {

class BackgroundWork;
class DocumentWindow;
class PlotWindow;
class TrackView;

class AnalysisTabs : public QTabWidget {
    Q_OBJECT
public:
    explicit AnalysisTabs(DocumentWindow& document, QWidget* parent = nullptr);
    ~AnalysisTabs() override;

    PlotWindow* plotWindow() const { return plot; }
    TrackView* trackView() const { return track; }
    BackgroundWork& work() const { return *worker; }

    // Builds the series on the worker, then adds it to the plot and shows the "Plot" tab. False
    // when the series names no numeric field.
    bool addSeries(const ZrlAnalysis::SeriesSpec& spec);
    // Adds a series computed elsewhere (the bus load) and shows the "Plot" tab.
    void addComputedSeries(const QString& name, const QString& unit, std::vector<ZrlAnalysis::SeriesPoint> points);
    // Builds the track on the worker, then shows the "Track" tab.
    void showTrack();
    // Selects the list row of the element at `line` (the nearest shown one), scrolled into view.
    void selectLine(std::uint32_t line);

private:
    void markSelection(int row);

    DocumentWindow& owner;
    PlotWindow* plot;
    TrackView* track;
    BackgroundWork* worker;
};

} // namespace ZrlApp
