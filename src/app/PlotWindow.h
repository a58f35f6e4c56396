#pragma once
// A plot of values over time on QCustomPlot: series share a UTC time axis, series of different
// units get value axes of their own, and each point remembers the log line it came from.
// Wheel zoom (time axis; over a value axis, that axis), Shift+drag rubber-band zoom, drag to pan,
// "Reset view", a hover readout, click a point to activate its line, export as PNG, SVG, PDF or
// CSV. It knows no document: its owner feeds it points and answers pointActivated.
#include "analysis/SeriesExtraction.h"

#include <QString>
#include <QWidget>

#include <cstdint>
#include <limits>
#include <optional>
#include <vector>

class QCPAxis;
class QCPGraph;
class QCPItemStraightLine;
class QCustomPlot;
class QLabel;
class QMouseEvent;

namespace ZrlApp {

class PlotWindow : public QWidget {
    Q_OBJECT
public:
    explicit PlotWindow(QWidget* parent = nullptr);

    // Adds a series of points (any order; shown sorted by time). Series of the same unit share
    // a value axis, labelled with the unit. Returns the series' index.
    int addSeries(const QString& name, const QString& unit, std::vector<ZrlAnalysis::SeriesPoint> points);
    int seriesCount() const { return int(series.size()); }
    QString seriesName(int index) const { return series[std::size_t(index)].name; }
    QString seriesUnit(int index) const { return series[std::size_t(index)].unit; }
    // The series' points, sorted by time.
    const std::vector<ZrlAnalysis::SeriesPoint>& seriesPoints(int index) const { return series[std::size_t(index)].points; }
    void clear();

    // Every axis back to the range of all series.
    void resetView();
    // Marks the list's selection: a vertical line at its time, a ring on each point of its line.
    void markLine(std::uint32_t line, std::optional<double> time);

    struct Hit {
        int series;
        std::size_t index;
    };
    // The point nearest to a position in the plot, within `radius` pixels.
    std::optional<Hit> pointNear(const QPoint& position, double radius = 8) const;
    // Where a point is drawn, in the plot widget's coordinates.
    QPoint pointPosition(int seriesIndex, std::size_t index) const;
    // The readout of a point: "time · value unit · name".
    QString readout(const Hit& hit) const;
    QString readoutText() const;

    // By the suffix: .png, .svg or .pdf; false when the file cannot be written.
    bool exportImage(const QString& path, int width = 0, int height = 0);
    // Time, then one column per series.
    bool exportCsv(const QString& path) const;

    QCustomPlot* plotWidget() const { return plot; }

signals:
    // A point was clicked: select its message.
    void pointActivated(std::uint32_t line);

private:
    struct Series {
        QString name;
        QString unit;
        std::vector<ZrlAnalysis::SeriesPoint> points;
        QCPGraph* graph = nullptr;
        QCPGraph* marks = nullptr;
    };
    QCPAxis* axisForUnit(const QString& unit);
    void onMousePress(QMouseEvent* event);
    void onMouseMove(QMouseEvent* event);
    void onMouseRelease(QMouseEvent* event);
    void chooseExportFile();
    void chooseCsvFile();
    void updateDragAxes();

    QCustomPlot* plot;
    QLabel* readoutLabel;
    std::vector<Series> series;
    std::vector<std::pair<QString, QCPAxis*>> unitAxes;
    QCPItemStraightLine* selectionLine;
    QPoint pressPosition;
};

} // namespace ZrlApp
