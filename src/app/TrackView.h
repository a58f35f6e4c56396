#pragma once
// The vessel's track: positions as a line in longitude/latitude, drawn with the aspect that
// makes distances true at the track's mean latitude, coloured from blue (start) to red (end),
// start and end marked. Clicking the track activates the line of the nearest position.
#include "analysis/TrackExtraction.h"

#include <QWidget>

#include <optional>
#include <vector>

class QCustomPlot;
class QLabel;

namespace ZrlApp {

class TrackView : public QWidget {
    Q_OBJECT
public:
    explicit TrackView(QWidget* parent = nullptr);

    void setTrack(std::vector<ZrlAnalysis::TrackPoint> points);
    const std::vector<ZrlAnalysis::TrackPoint>& track() const { return points; }
    // The position nearest to a point of the plot widget, by screen distance.
    std::optional<std::size_t> nearest(const QPoint& position) const;
    QPoint pointPosition(std::size_t index) const;
    // The aspect: pixels per degree of latitude over pixels per degree of longitude.
    double aspect() const;
    bool exportImage(const QString& path);
    QCustomPlot* plotWidget() const { return plot; }

signals:
    void pointActivated(std::uint32_t line);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void keepAspect();
    void fitTrack();

    QCustomPlot* plot;
    QLabel* caption;
    std::vector<ZrlAnalysis::TrackPoint> points;
    double meanLatitude = 0;
};

} // namespace ZrlApp
