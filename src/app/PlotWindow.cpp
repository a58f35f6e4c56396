#include "app/PlotWindow.h"

#include "analysis/SeriesCsv.h"
#include "analysis/SeriesGaps.h"
#include "app/DisplayText.h"

#include <qcustomplot.h>

#include <QDateTime>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSvgGenerator>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <fstream>

namespace ZrlApp {

namespace {

// Distinct colours for successive series.
const QColor seriesColours[] = {QColor(31, 119, 180), QColor(214, 39, 40),  QColor(44, 160, 44),
                                QColor(148, 103, 189), QColor(255, 127, 14), QColor(23, 190, 207),
                                QColor(140, 86, 75),  QColor(227, 119, 194)};

QString timeText(double seconds)
{
    return QDateTime::fromMSecsSinceEpoch(qint64(std::llround(seconds * 1000)), Qt::UTC)
        .toString(QStringLiteral("yyyy-MM-dd hh:mm:ss.zzz 'UTC'"));
}

// The graph's data: the points, with a NaN value where a dropout breaks the line.
QVector<QCPGraphData> graphData(const std::vector<ZrlAnalysis::SeriesPoint>& points)
{
    std::vector<double> times(points.size());
    std::transform(points.begin(), points.end(), times.begin(), [](const auto& p) { return p.time; });
    const std::vector<std::size_t> gaps = ZrlAnalysis::gapsBefore(times);
    QVector<QCPGraphData> data;
    data.reserve(qsizetype(points.size() + gaps.size()));
    std::size_t nextGap = 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (nextGap < gaps.size() && gaps[nextGap] == i) {
            data.append(QCPGraphData((points[i - 1].time + points[i].time) / 2, std::nan("")));
            ++nextGap;
        }
        data.append(QCPGraphData(points[i].time, points[i].value));
    }
    return data;
}

} // namespace

PlotWindow::PlotWindow(QWidget* parent) : QWidget(parent), plot(new QCustomPlot(this)), readoutLabel(new QLabel(this))
{
    setObjectName(QStringLiteral("PlotWindow"));
    auto ticker = QSharedPointer<QCPAxisTickerDateTime>::create();
    ticker->setTimeZone(QTimeZone::utc());
    ticker->setDateTimeFormat(QStringLiteral("hh:mm:ss\nyyyy-MM-dd"));
    plot->xAxis->setTicker(ticker);
    plot->xAxis->setLabel(QStringLiteral("Time (UTC)"));
    plot->yAxis->setVisible(false);
    // The legend in a row of its own above the plot, so it never hides a series.
    plot->legend->setVisible(true);
    plot->legend->setBorderPen(Qt::NoPen);
    plot->legend->setFillOrder(QCPLayoutGrid::foColumnsFirst);
    plot->plotLayout()->insertRow(0);
    plot->plotLayout()->addElement(0, 0, plot->legend);
    plot->plotLayout()->setRowStretchFactor(0, 0.001);
    plot->setInteractions(QCP::iRangeDrag | QCP::iRangeZoom);
    plot->axisRect()->setRangeZoom(Qt::Horizontal);
    plot->setNoAntialiasingOnDrag(true);
    plot->setMinimumHeight(160);

    selectionLine = new QCPItemStraightLine(plot);
    selectionLine->setPen(QPen(QColor(255, 140, 0), 1, Qt::DashLine));
    selectionLine->setVisible(false);

    connect(plot, &QCustomPlot::mousePress, this, &PlotWindow::onMousePress);
    connect(plot, &QCustomPlot::mouseMove, this, &PlotWindow::onMouseMove);
    connect(plot, &QCustomPlot::mouseRelease, this, &PlotWindow::onMouseRelease);
    // Over a value axis the wheel zooms that axis; elsewhere the time axis.
    connect(plot, &QCustomPlot::mouseWheel, this, [this](QWheelEvent* event) {
        QCPAxis* over = nullptr;
        for (const auto& [unit, axis] : unitAxes)
            if (axis->selectTest(event->position(), false) >= 0)
                over = axis;
        plot->axisRect()->setRangeZoom(over ? Qt::Vertical : Qt::Horizontal);
        plot->axisRect()->setRangeZoomAxes(plot->xAxis, over);
    });

    auto* reset = new QPushButton(QStringLiteral("Reset view"), this);
    auto* exportPlot = new QPushButton(QStringLiteral("Export plot..."), this);
    auto* exportCsvButton = new QPushButton(QStringLiteral("Export CSV..."), this);
    auto* clearButton = new QPushButton(QStringLiteral("Clear"), this);
    connect(reset, &QPushButton::clicked, this, &PlotWindow::resetView);
    connect(exportPlot, &QPushButton::clicked, this, &PlotWindow::chooseExportFile);
    connect(exportCsvButton, &QPushButton::clicked, this, &PlotWindow::chooseCsvFile);
    connect(clearButton, &QPushButton::clicked, this, &PlotWindow::clear);
    readoutLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* bar = new QHBoxLayout;
    bar->addWidget(reset);
    bar->addWidget(exportPlot);
    bar->addWidget(exportCsvButton);
    bar->addWidget(clearButton);
    bar->addWidget(readoutLabel, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(plot, 1);
    layout->addLayout(bar);
}

QCPAxis* PlotWindow::axisForUnit(const QString& unit)
{
    for (const auto& [name, axis] : unitAxes)
        if (name == unit)
            return axis;
    QCPAxis* axis = unitAxes.empty() ? plot->yAxis : plot->axisRect()->addAxis(QCPAxis::atLeft);
    axis->setVisible(true);
    axis->setLabel(unit.isEmpty() ? QStringLiteral("(no unit)") : unit);
    unitAxes.emplace_back(unit, axis);
    updateDragAxes();
    return axis;
}

void PlotWindow::updateDragAxes()
{
    QList<QCPAxis*> vertical;
    for (const auto& [unit, axis] : unitAxes)
        vertical.append(axis);
    plot->axisRect()->setRangeDragAxes({plot->xAxis}, vertical);
}

int PlotWindow::addSeries(const QString& name, const QString& unit, std::vector<ZrlAnalysis::SeriesPoint> points)
{
    std::stable_sort(points.begin(), points.end(), [](const auto& a, const auto& b) { return a.time < b.time; });
    Series added;
    added.name = name;
    added.unit = unit;
    added.points = std::move(points);
    const QColor colour = seriesColours[series.size() % std::size(seriesColours)];
    QCPAxis* axis = axisForUnit(unit);
    added.graph = plot->addGraph(plot->xAxis, axis);
    added.graph->setName(name);
    added.graph->setPen(QPen(colour, 1.5));
    added.graph->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssDisc, 3));
    added.graph->setAdaptiveSampling(true);
    added.graph->data()->set(graphData(added.points), true);
    added.marks = plot->addGraph(plot->xAxis, axis);
    added.marks->setLineStyle(QCPGraph::lsNone);
    added.marks->setScatterStyle(QCPScatterStyle(QCPScatterStyle::ssCircle, QPen(QColor(255, 140, 0), 2), Qt::NoBrush, 11));
    added.marks->removeFromLegend();
    series.push_back(std::move(added));
    resetView();
    return int(series.size()) - 1;
}

void PlotWindow::clear()
{
    plot->clearGraphs();
    series.clear();
    for (const auto& [unit, axis] : unitAxes)
        if (axis != plot->yAxis)
            plot->axisRect()->removeAxis(axis);
    unitAxes.clear();
    plot->yAxis->setVisible(false);
    selectionLine->setVisible(false);
    readoutLabel->clear();
    plot->replot();
}

void PlotWindow::resetView()
{
    bool first = true;
    QCPRange times;
    for (const Series& s : series) {
        bool found = false;
        const QCPRange range = s.graph->getKeyRange(found);
        if (found)
            times = first ? range : QCPRange(std::min(times.lower, range.lower), std::max(times.upper, range.upper));
        first = first && !found;
    }
    if (!first)
        plot->xAxis->setRange(times.lower - 0.5, times.upper + 0.5);
    for (const auto& [unit, axis] : unitAxes) {
        bool any = false;
        QCPRange values;
        for (const Series& s : series) {
            bool found = false;
            const QCPRange range = s.graph->getValueRange(found);
            if (s.graph->valueAxis() == axis && found) {
                values = any ? QCPRange(std::min(values.lower, range.lower), std::max(values.upper, range.upper)) : range;
                any = true;
            }
        }
        if (any) {
            const double margin = std::max(values.size() * 0.05, 1e-9);
            axis->setRange(values.lower - margin, values.upper + margin);
        }
    }
    plot->replot();
}

void PlotWindow::markLine(std::uint32_t line, std::optional<double> time)
{
    selectionLine->setVisible(time.has_value());
    if (time) {
        selectionLine->point1->setCoords(*time, 0);
        selectionLine->point2->setCoords(*time, 1);
    }
    for (Series& s : series) {
        QVector<QCPGraphData> marked;
        for (const auto& point : s.points)
            if (point.line == line)
                marked.append(QCPGraphData(point.time, point.value));
        s.marks->data()->set(marked, true);
    }
    plot->replot();
}

QPoint PlotWindow::pointPosition(int seriesIndex, std::size_t index) const
{
    const Series& s = series[std::size_t(seriesIndex)];
    const auto& point = s.points[index];
    return QPoint(int(std::lround(plot->xAxis->coordToPixel(point.time))),
                  int(std::lround(s.graph->valueAxis()->coordToPixel(point.value))));
}

std::optional<PlotWindow::Hit> PlotWindow::pointNear(const QPoint& position, double radius) const
{
    std::optional<Hit> best;
    double bestDistance = radius;
    const double lowTime = plot->xAxis->pixelToCoord(position.x() - radius);
    const double highTime = plot->xAxis->pixelToCoord(position.x() + radius);
    for (std::size_t s = 0; s < series.size(); ++s) {
        const auto& points = series[s].points;
        auto it = std::lower_bound(points.begin(), points.end(), lowTime,
                                   [](const auto& p, double t) { return p.time < t; });
        // Within the radius in time; cap the walk so a dense series stays quick.
        for (int steps = 0; it != points.end() && it->time <= highTime && steps < 20000; ++it, ++steps) {
            const QPointF at(plot->xAxis->coordToPixel(it->time), series[s].graph->valueAxis()->coordToPixel(it->value));
            const double distance = std::hypot(at.x() - position.x(), at.y() - position.y());
            if (distance <= bestDistance) {
                bestDistance = distance;
                best = Hit{int(s), std::size_t(it - points.begin())};
            }
        }
    }
    return best;
}

QString PlotWindow::readout(const Hit& hit) const
{
    const Series& s = series[std::size_t(hit.series)];
    const auto& point = s.points[hit.index];
    return timeText(point.time) + QStringLiteral(" \u00B7 ") + QString::number(point.value, 'g', 10) +
           (s.unit.isEmpty() ? QString() : QStringLiteral(" ") + s.unit) + QStringLiteral(" \u00B7 ") + s.name;
}

QString PlotWindow::readoutText() const { return readoutLabel->text(); }

void PlotWindow::onMousePress(QMouseEvent* event)
{
    pressPosition = event->pos();
    // Shift+drag draws a rubber band to zoom into; a plain drag pans.
    plot->setSelectionRectMode((event->modifiers() & Qt::ShiftModifier) ? QCP::srmZoom : QCP::srmNone);
}

void PlotWindow::onMouseMove(QMouseEvent* event)
{
    if (event->buttons() != Qt::NoButton)
        return;
    const auto hit = pointNear(event->pos());
    readoutLabel->setText(hit ? readout(*hit) : QString());
}

void PlotWindow::onMouseRelease(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || (event->pos() - pressPosition).manhattanLength() > 3)
        return;
    if (const auto hit = pointNear(event->pos())) {
        readoutLabel->setText(readout(*hit));
        const std::uint32_t line = series[std::size_t(hit->series)].points[hit->index].line;
        if (line != ZrlAnalysis::SeriesPoint::noLine)
            emit pointActivated(line);
    }
}

bool PlotWindow::exportImage(const QString& path, int width, int height)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QStringLiteral("png"))
        return plot->savePng(path, width, height);
    if (suffix == QStringLiteral("pdf"))
        return plot->savePdf(path, width, height);
    if (suffix != QStringLiteral("svg"))
        return false;
    QSvgGenerator generator;
    generator.setFileName(path);
    const QSize size(width > 0 ? width : plot->width(), height > 0 ? height : plot->height());
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setTitle(QStringLiteral("ZRL Reader plot"));
    QCPPainter painter;
    if (!painter.begin(&generator))
        return false;
    plot->toPainter(&painter, size.width(), size.height());
    return painter.end();
}

bool PlotWindow::exportCsv(const QString& path) const
{
    std::vector<ZrlAnalysis::CsvSeries> columns;
    for (const Series& s : series) {
        ZrlAnalysis::CsvSeries column;
        column.name = (s.unit.isEmpty() ? s.name : s.name + QStringLiteral(" (") + s.unit + QStringLiteral(")")).toStdString();
        for (const auto& point : s.points)
            column.points.emplace_back(point.time, point.value);
        columns.push_back(std::move(column));
    }
    std::ofstream out(path.toStdString(), std::ios::binary);
    ZrlAnalysis::writeSeriesCsv(out, columns);
    out.close();
    return bool(out);
}

void PlotWindow::chooseExportFile()
{
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Export plot"), QString(),
                                                      QStringLiteral("PNG image (*.png);;SVG drawing (*.svg);;PDF document (*.pdf)"));
    if (!path.isEmpty() && !exportImage(path))
        readoutLabel->setText(QStringLiteral("Cannot write ") + path);
}

void PlotWindow::chooseCsvFile()
{
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Export series"), QString(),
                                                      QStringLiteral("CSV file (*.csv)"));
    if (!path.isEmpty() && !exportCsv(path))
        readoutLabel->setText(QStringLiteral("Cannot write ") + path);
}

} // namespace ZrlApp
