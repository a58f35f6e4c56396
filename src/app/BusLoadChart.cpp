#include "app/BusLoadChart.h"

#include <qcustomplot.h>

namespace ZrlApp {

namespace {

// Seconds from 1601-01-01 (FILETIME) to 1970-01-01, where the time axis counts from.
constexpr double unixEpochSeconds = 11644473600.0;

}  // namespace

QWidget* makeBusLoadWindow(const ZrlAnalysis::BusLoad& load, QWidget* parent)
{
    auto* plot = new QCustomPlot(parent);
    plot->setWindowFlag(Qt::Window);
    plot->setWindowTitle(QStringLiteral("Bus load"));
    plot->setAttribute(Qt::WA_DeleteOnClose);
    QVector<double> times, frames, share;
    const double start = double(load.start) / 1e7 - unixEpochSeconds;
    for (std::size_t second = 0; second < load.frames.size(); ++second) {
        times << start + double(second);
        frames << double(load.frames[second]);
        share << 100.0 * load.share(second);
    }
    QCPGraph* framesGraph = plot->addGraph(plot->xAxis, plot->yAxis);
    framesGraph->setName(QStringLiteral("Frames per second"));
    framesGraph->setData(times, frames, true);
    framesGraph->setPen(QPen(QColor(0x1F, 0x77, 0xB4)));
    QCPGraph* shareGraph = plot->addGraph(plot->xAxis, plot->yAxis2);
    shareGraph->setName(QStringLiteral("Share of a 250 kbit/s bus"));
    shareGraph->setData(times, share, true);
    shareGraph->setPen(QPen(QColor(0xD6, 0x27, 0x28)));

    auto ticker = QSharedPointer<QCPAxisTickerDateTime>::create();
    ticker->setDateTimeFormat(QStringLiteral("hh:mm:ss"));
    ticker->setDateTimeSpec(Qt::UTC);
    plot->xAxis->setTicker(ticker);
    plot->xAxis->setLabel(QStringLiteral("Time (UTC)"));
    plot->yAxis->setLabel(QStringLiteral("frames/s"));
    plot->yAxis2->setLabel(QStringLiteral("% of 250 kbit/s"));
    plot->yAxis2->setVisible(true);
    plot->legend->setVisible(true);
    plot->rescaleAxes();
    plot->yAxis->setRangeLower(0);
    plot->yAxis2->setRangeLower(0);
    plot->setInteractions(QCP::iRangeDrag | QCP::iRangeZoom);
    plot->axisRect()->setRangeZoom(Qt::Horizontal);
    plot->axisRect()->setRangeDrag(Qt::Horizontal);
    plot->resize(900, 500);
    return plot;
}

}  // namespace ZrlApp
