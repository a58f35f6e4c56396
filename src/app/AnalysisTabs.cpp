#include "app/AnalysisTabs.h"

#include "analysis/SeriesExtraction.h"
#include "analysis/TrackExtraction.h"
#include "analysis/UtcTime.h"
#include "app/BackgroundWork.h"
#include "app/DisplayText.h"
#include "app/DocumentWindow.h"
#include "app/PlotWindow.h"
#include "app/TrackView.h"

#include <QItemSelectionModel>
#include <QTableView>

#include <memory>
#include <variant>

namespace ZrlApp {

AnalysisTabs::AnalysisTabs(DocumentWindow& document, QWidget* parent)
    : QTabWidget(parent), owner(document), plot(new PlotWindow(this)), track(new TrackView(this)),
      worker(new BackgroundWork(this))
{
    setObjectName(QStringLiteral("AnalysisTabs"));
    addTab(plot, QStringLiteral("Plot"));
    addTab(track, QStringLiteral("Track"));
    connect(plot, &PlotWindow::pointActivated, this, &AnalysisTabs::selectLine);
    connect(track, &TrackView::pointActivated, this, &AnalysisTabs::selectLine);
    connect(owner.list()->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current, const QModelIndex&) { markSelection(current.row()); });
}

// The worker reads the document: it stops before the document goes.
AnalysisTabs::~AnalysisTabs() { delete worker; }

bool AnalysisTabs::addSeries(const ZrlAnalysis::SeriesSpec& spec)
{
    auto made = ZrlAnalysis::SeriesExtractor::make(spec);
    if (std::holds_alternative<std::string>(made))
        return false;
    auto extractor = std::make_shared<ZrlAnalysis::SeriesExtractor>(std::get<ZrlAnalysis::SeriesExtractor>(made));
    auto points = std::make_shared<std::vector<ZrlAnalysis::SeriesPoint>>();
    auto unit = std::make_shared<std::string>();
    const KelpLib::ZRLDoc& document = owner.doc();
    const QString name = displayText(extractor->legend());
    worker->start(
        QStringLiteral("Plotting %1").arg(QString::fromStdString(spec.field)),
        [&document, extractor, points, unit](const ZrlAnalysis::WalkControl& control) {
            *unit = extractor->unit(document);
            return extractor->collect(document, *points, control);
        },
        [this, name, points, unit](bool completed) {
            if (!completed)
                return;
            plot->addSeries(name, displayText(*unit), std::move(*points));
            setCurrentWidget(plot);
            const QModelIndex current = owner.list()->currentIndex();
            if (current.isValid())
                markSelection(current.row());
        });
    return true;
}

void AnalysisTabs::addComputedSeries(const QString& name, const QString& unit,
                                     std::vector<ZrlAnalysis::SeriesPoint> points)
{
    plot->addSeries(name, unit, std::move(points));
    setCurrentWidget(plot);
}

void AnalysisTabs::showTrack()
{
    auto points = std::make_shared<std::vector<ZrlAnalysis::TrackPoint>>();
    const KelpLib::ZRLDoc& document = owner.doc();
    const std::uint32_t flags = owner.shown().filters().viewSettings().getFlags();
    setCurrentWidget(track);
    worker->start(
        QStringLiteral("Track"),
        [&document, points, flags](const ZrlAnalysis::WalkControl& control) {
            return ZrlAnalysis::extractTrack(document, *points, flags, control);
        },
        [this, points](bool completed) {
            if (!completed)
                return;
            track->setTrack(std::move(*points));
            setCurrentWidget(track);
        });
}

void AnalysisTabs::selectLine(std::uint32_t line) { owner.selectNearest(KelpLib::ElementLine(line)); }

void AnalysisTabs::markSelection(int row)
{
    const KelpLib::ShownList& shown = owner.shown();
    if (row < 0 || std::size_t(row) >= shown.size() || plot->seriesCount() == 0)
        return;
    const KelpLib::ElementLine line = shown.line(KelpLib::ShownRow(std::uint32_t(row)));
    plot->markLine(line.value, ZrlAnalysis::elementSeconds(owner.doc().element(line)));
}

} // namespace ZrlApp
