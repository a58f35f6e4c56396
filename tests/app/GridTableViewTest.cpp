// The grid list's empty text: drawn while its table has no rows, gone once a row arrives
// through the table's own notification.
#include "app/CsvFileDialog.h"
#include "app/GridTableView.h"
#include "applog/Logger.h"
#include "grid/MockGrid.h"
#include "grid/MockGridTable.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <thread>

namespace {

class GrowingTable : public CommonLib::MockGridTable {
public:
    GrowingTable() : MockGridTable(0, 1, "grow", "Grow") {}
    std::uint32_t getRowCount() const override { return rows; }
    std::uint32_t rows = 0;
};

// Dark pixels in the middle of the band under the top of the viewport: the centred empty
// text passes through it, a short left-aligned cell text does not.
int inkInTheMiddle(ZrlApp::GridTableView& view)
{
    const QImage image = view.viewport()->grab().toImage();
    int ink = 0;
    const int band = std::min(image.height(), view.fontMetrics().height() * 2 + 8);
    for (int y = 0; y < band; ++y)
        for (int x = image.width() / 2 - 40; x < image.width() / 2 + 40; ++x)
            if (x >= 0 && x < image.width() && qGray(image.pixel(x, y)) < 128)
                ++ink;
    return ink;
}

} // namespace

class GridTableViewTest : public QObject {
    Q_OBJECT
private slots:
    void emptyTableShowsTheEmptyText()
    {
        QCOMPARE(ZrlApp::GridTableView::emptyText(), QStringLiteral("There are no items to show in this view."));
        ZrlApp::GridTableView view;
        view.setStyleSheet(QStringLiteral("QTableView { background: white; color: black; }"));
        view.resize(480, 200);
        view.setShowGrid(false);
        auto table = std::make_shared<GrowingTable>();
        view.bindTable(table);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QCOMPARE(view.model()->rowCount(), 0);
        QVERIFY(inkInTheMiddle(view) > 0);

        // A row added by the table appears on its notification alone; the text goes.
        table->rows = 1;
        auto grid = std::make_shared<CommonLib::MockGrid>("grow");
        std::thread([&table, grid] { table->notifyTableChanged(grid); }).join();
        QTRY_COMPARE(view.model()->rowCount(), 1);
        QCOMPARE(view.model()->data(view.model()->index(0, 0)).toString(), QStringLiteral("R 00 C COL_00"));
        view.setColumnWidth(0, view.viewport()->width());
        QCOMPARE(inkInTheMiddle(view), 0);
    }

    void exportLogToFileWritesTheHeaderAndEveryRowAndClearEmptiesIt()
    {
        auto log = std::make_shared<CommonLib::Logger>();
        log->logText("first line");
        log->logCode(-1097, "second line");
        ZrlApp::GridTableView view;
        view.bindTable(log);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("log.csv"));
        ZrlApp::setCsvFileChooser([&](const QString&) { return path; });
        view.runCommand(CommonLib::Logger::exportCommand);
        ZrlApp::setCsvFileChooser({});
        QFile written(path);
        QVERIFY(written.open(QIODevice::ReadOnly | QIODevice::Text));
        const QStringList lines = QString::fromUtf8(written.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines[0], QStringLiteral("Line, Time, Result, Error"));
        QVERIFY(lines[1].contains(QStringLiteral("first line")));
        QVERIFY(lines[2].contains(QStringLiteral("second line")));

        view.runCommand(CommonLib::Logger::clearCommand); // "Clear log"
        QCOMPARE(log->getRowCount(), 0u);
        QCOMPARE(view.model()->rowCount(), 0);
    }
};

QTEST_MAIN(GridTableViewTest)
#include "GridTableViewTest.moc"
