// The grid list's empty text: drawn while its table has no rows, gone once a row arrives
// through the table's own notification.
#include "app/GridTableView.h"
#include "grid/MockGrid.h"
#include "grid/MockGridTable.h"

#include <QImage>
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
};

QTEST_MAIN(GridTableViewTest)
#include "GridTableViewTest.moc"
