// Plots linked to the list, without a display: a series added from the details pane's
// right-click menu, a clicked point selecting its message, the track, the exports.
#include "WindowFixture.h"

#include "app/AnalysisTabs.h"
#include "app/BackgroundWork.h"
#include "app/PlotWindow.h"
#include "app/TrackView.h"

#include <qcustomplot.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTimer>

#include <cmath>
#include <numbers>

using ZrlApp::DocumentWindow;
constexpr int timeout = ZrlTest::loadTimeout;

namespace {

// The line of the list's current row.
std::uint32_t currentLine(const DocumentWindow& document)
{
    return document.shown().line(KelpLib::ShownRow(std::uint32_t(document.list()->currentIndex().row()))).value;
}

// The details row whose "Name" is `name`.
int fieldRow(ZrlApp::GridTableView& fields, const std::string& name)
{
    for (int row = 0; row < fields.model()->rowCount(); ++row)
        if (fields.gridModel()->table()->getCellText(std::uint32_t(row), "Name") == name)
            return row;
    return -1;
}

} // namespace

class PlotWindowTest : public QObject, ZrlTest::WindowFixture {
    Q_OBJECT
private slots:
    void init()
    {
        start();
        window->resize(1200, 900);
        document = openLoaded();
    }

    void cleanup() { finish(); }

    void seriesFromTheDetailsPaneSelectsTheClickedMessage()
    {
        document->list()->selectRow(3); // the first Vessel Heading
        ZrlApp::GridTableView& fields = *window->detailsPane()->fieldsList();
        const int row = fieldRow(fields, "Heading Sensor Reading");
        QVERIFY(row >= 0);

        // Right-click the field's "Data" cell and choose the plot entry of the menu.
        QString offered;
        QTimer::singleShot(200, this, [&offered] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu != nullptr);
            offered = menu->actions().value(0)->text();
            menu->actions().value(0)->trigger();
            menu->close();
        });
        const QRect cell = fields.visualRect(fields.model()->index(row, 2));
        QContextMenuEvent event(QContextMenuEvent::Mouse, cell.center(), fields.viewport()->mapToGlobal(cell.center()));
        QApplication::sendEvent(fields.viewport(), &event);
        QCOMPARE(offered, QStringLiteral("Plot Heading Sensor Reading over time"));

        ZrlApp::PlotWindow* plot = document->analysisTabs()->plotWindow();
        QTRY_COMPARE_WITH_TIMEOUT(plot->seriesCount(), 1, timeout);
        QCOMPARE(plot->seriesName(0), QStringLiteral("Vessel Heading \u00B7 Heading Sensor Reading \u00B7 source 35"));
        QCOMPARE(plot->seriesUnit(0), QStringLiteral("Radian"));
        QCOMPARE(plot->seriesPoints(0).size(), std::size_t(1200)); // two a second for ten minutes

        // Click the 300th point: its message becomes the list's current row.
        document->analysisTabs()->setCurrentWidget(plot);
        const auto& target = plot->seriesPoints(0)[300];
        // Zoomed to a few seconds, so neighbouring points are pixels apart.
        plot->plotWidget()->xAxis->setRange(target.time - 5, target.time + 5);
        plot->plotWidget()->replot();
        const QPoint at = plot->pointPosition(0, 300);
        const auto hit = plot->pointNear(at);
        QVERIFY(hit.has_value());
        const std::uint32_t line = plot->seriesPoints(0)[hit->index].line;
        QCOMPARE(plot->seriesPoints(0)[hit->index].time, target.time);
        QTest::mouseClick(plot->plotWidget(), Qt::LeftButton, Qt::NoModifier, at);
        QTRY_COMPARE(currentLine(*document), line);
        QVERIFY(plot->readoutText().contains(QStringLiteral(" Radian \u00B7 Vessel Heading")));

        // The list's selection is ringed on the plot.
        auto* marks = plot->plotWidget()->graph(1);
        QCOMPARE(marks->dataCount(), 1);
        QCOMPARE(marks->data()->begin()->key, target.time);

        // Exports: CSV (Time, then the series), PNG, SVG, PDF.
        QVERIFY(plot->exportCsv(folder->filePath("plot.csv")));
        QFile csv(folder->filePath("plot.csv"));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        QCOMPARE(csv.readLine(),
                 QStringLiteral("Time,\"Vessel Heading \u00B7 Heading Sensor Reading \u00B7 source 35 (Radian)\"\r\n").toUtf8());
        QCOMPARE(csv.readLine(), QByteArray("2024-06-15T09:00:00.000Z,2.3562\r\n"));
        for (const char* name : {"plot.png", "plot.svg", "plot.pdf"}) {
            QVERIFY2(plot->exportImage(folder->filePath(name), 800, 500), name);
            QVERIFY2(QFileInfo(folder->filePath(name)).size() > 1000, name);
        }
    }

    void trackKeepsTrueDistancesAndSelectsTheNearestFix()
    {
        QAction* command = window->command("track"); // View > Track
        QCOMPARE(command->text(), QStringLiteral("Track"));
        command->trigger();
        ZrlApp::TrackView* track = document->analysisTabs()->trackView();
        QTRY_COMPARE_WITH_TIMEOUT(track->track().size(), std::size_t(2400), timeout);
        const auto* plot = track->plotWidget();
        // Once drawn: a degree of latitude takes 1 / cos(mean latitude) times the pixels of one of longitude.
        const auto aspectShown = [plot] {
            return (plot->yAxis->axisRect()->height() / plot->yAxis->range().size()) /
                   (plot->xAxis->axisRect()->width() / plot->xAxis->range().size());
        };
        QTRY_VERIFY(std::fabs(aspectShown() - track->aspect()) < 1e-3 * track->aspect());
        QVERIFY(std::fabs(track->aspect() - 1 / std::cos(50.79 * std::numbers::pi / 180)) < 0.01);

        const std::size_t last = track->track().size() - 1;
        QTest::mouseClick(track->plotWidget(), Qt::LeftButton, Qt::NoModifier, track->pointPosition(last));
        const std::uint32_t line = currentLine(*document);
        const auto nearest = track->nearest(track->pointPosition(last));
        QCOMPARE(line, track->track()[*nearest].line);
    }

    void cancelledWorkAddsNothing()
    {
        ZrlAnalysis::SeriesSpec spec;
        spec.pgn = 127250;
        spec.field = "Heading Sensor Reading";
        ZrlApp::AnalysisTabs* tabs = document->analysisTabs();
        QVERIFY(tabs->addSeries(spec));
        tabs->work().cancel();
        QTRY_VERIFY_WITH_TIMEOUT(!tabs->work().busy(), timeout);
        spec.field = "No such field";
        QVERIFY(!tabs->addSeries(spec));
        QCOMPARE(tabs->plotWindow()->seriesCount(), 0);
    }

private:
    DocumentWindow* document = nullptr;
};

QTEST_MAIN(PlotWindowTest)
#include "PlotWindowTest.moc"
