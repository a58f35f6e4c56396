#include "app/TrackView.h"

#include "analysis/UtcTime.h"

#include <qcustomplot.h>

#include <QLabel>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace ZrlApp {

namespace {

constexpr int colourSteps = 64;

QColor colourAt(double fraction)
{
    // Blue at the start, through green, to red at the end.
    return QColor::fromHsvF(float((1.0 - fraction) * 240.0 / 360.0), 0.9f, 0.85f);
}

} // namespace

TrackView::TrackView(QWidget* parent) : QWidget(parent), plot(new QCustomPlot(this)), caption(new QLabel(this))
{
    setObjectName(QStringLiteral("TrackView"));
    plot->xAxis->setLabel(QStringLiteral("Longitude (\u00B0)"));
    plot->yAxis->setLabel(QStringLiteral("Latitude (\u00B0)"));
    plot->setInteractions(QCP::iRangeDrag | QCP::iRangeZoom);
    plot->setMinimumHeight(160);
    connect(plot, &QCustomPlot::mouseRelease, this, [this](QMouseEvent* event) {
        if (event->button() != Qt::LeftButton)
            return;
        if (const auto index = nearest(event->pos()))
            emit pointActivated(points[*index].line);
    });
    connect(plot, &QCustomPlot::afterLayout, this, [this] { keepAspect(); });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(plot, 1);
    layout->addWidget(caption);
}

void TrackView::setTrack(std::vector<ZrlAnalysis::TrackPoint> track)
{
    points = std::move(track);
    plot->clearPlottables();
    if (points.empty()) {
        caption->setText(QStringLiteral("No valid position fix in this log."));
        plot->replot();
        return;
    }
    double sum = 0;
    for (const auto& point : points)
        sum += point.latitude;
    meanLatitude = sum / double(points.size());

    // The line in short stretches, each coloured by its place in time.
    const double start = points.front().time, span = std::max(points.back().time - start, 1e-9);
    const std::size_t stretch = std::max<std::size_t>(1, points.size() / colourSteps);
    for (std::size_t first = 0; first + 1 < points.size(); first += stretch) {
        const std::size_t last = std::min(points.size() - 1, first + stretch);
        auto* curve = new QCPCurve(plot->xAxis, plot->yAxis);
        QVector<QCPCurveData> data;
        for (std::size_t i = first; i <= last; ++i)
            data.append(QCPCurveData(double(i), points[i].longitude, points[i].latitude));
        curve->data()->set(data, true);
        curve->setPen(QPen(colourAt((points[first].time - start) / span), 2));
    }
    const auto marker = [this](const ZrlAnalysis::TrackPoint& point, QCPScatterStyle::ScatterShape shape,
                               const QColor& colour, const QString& name) {
        auto* graph = plot->addGraph();
        graph->setLineStyle(QCPGraph::lsNone);
        graph->setScatterStyle(QCPScatterStyle(shape, QPen(Qt::black, 1), colour, 12));
        graph->addData(point.longitude, point.latitude);
        graph->setName(name);
    };
    marker(points.front(), QCPScatterStyle::ssCircle, colourAt(0), QStringLiteral("Start"));
    marker(points.back(), QCPScatterStyle::ssSquare, colourAt(1), QStringLiteral("End"));
    caption->setText(QStringLiteral("%1 positions \u00B7 start %2 \u00B7 end %3 \u00B7 blue to red with time")
                         .arg(points.size())
                         .arg(QString::fromStdString(ZrlAnalysis::isoUtcText(points.front().time)),
                              QString::fromStdString(ZrlAnalysis::isoUtcText(points.back().time))));
    fitTrack();
}

void TrackView::fitTrack()
{
    double west = points.front().longitude, east = west, south = points.front().latitude, north = south;
    for (const auto& point : points) {
        west = std::min(west, point.longitude), east = std::max(east, point.longitude);
        south = std::min(south, point.latitude), north = std::max(north, point.latitude);
    }
    const double margin = std::max({(east - west) * 0.05, (north - south) * 0.05, 1e-5});
    const double width = std::max(1, plot->axisRect()->width()), height = std::max(1, plot->axisRect()->height());
    // Pixels per degree of longitude that fit both extents with the true aspect.
    const double perDegree = std::min(width / (east - west + 2 * margin), height / ((north - south + 2 * margin) * aspect()));
    const double lon = (west + east) / 2, lat = (south + north) / 2;
    plot->xAxis->setRange(lon - width / perDegree / 2, lon + width / perDegree / 2);
    plot->yAxis->setRange(lat - height / (perDegree * aspect()) / 2, lat + height / (perDegree * aspect()) / 2);
    plot->replot();
}

double TrackView::aspect() const { return 1.0 / std::cos(meanLatitude * std::numbers::pi / 180.0); }

void TrackView::keepAspect()
{
    if (!points.empty() && plot->axisRect()->width() > 0 && plot->axisRect()->height() > 0)
        plot->yAxis->setScaleRatio(plot->xAxis, 1.0 / aspect()); // ratio: x pixels per unit over y pixels per unit
}

void TrackView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (!points.empty())
        fitTrack();
}

std::optional<std::size_t> TrackView::nearest(const QPoint& position) const
{
    std::optional<std::size_t> best;
    double bestDistance = 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const double dx = plot->xAxis->coordToPixel(points[i].longitude) - position.x();
        const double dy = plot->yAxis->coordToPixel(points[i].latitude) - position.y();
        const double distance = dx * dx + dy * dy;
        if (!best || distance < bestDistance)
            best = i, bestDistance = distance;
    }
    return best;
}

QPoint TrackView::pointPosition(std::size_t index) const
{
    return QPoint(int(std::lround(plot->xAxis->coordToPixel(points[index].longitude))),
                  int(std::lround(plot->yAxis->coordToPixel(points[index].latitude))));
}

bool TrackView::exportImage(const QString& path) { return plot->savePng(path); }

} // namespace ZrlApp
