// The Network pane without a display: its rows for a generated network, "Show its messages",
// "Show all messages", the statistics of one device and of all, the bus-load chart.
#include "WindowFixture.h"

#include "app/AnalysisTabs.h"
#include "app/PlotWindow.h"
#include "app/FilterBar.h"
#include "app/ListTools.h"
#include "app/NetworkPane.h"
#include "app/StatisticsDialog.h"
#include "applog/Logger.h"
#include "support/NetworkLog.h"

#include <QDockWidget>
#include <QSignalSpy>
#include <QTableView>

#include <sstream>

using ZrlApp::DocumentWindow;
using ZrlApp::NetworkPane;
using ZrlTest::loadTimeout;

class NetworkPaneTest : public QObject, ZrlTest::WindowFixture {
    Q_OBJECT
private slots:
    void init() { start(); }
    void cleanup() { finish(); }

    void paneListsTheDevicesAndShowsTheMessagesOfOne()
    {
        NetworkPane* pane = window->networkPane();
        QVERIFY(pane != nullptr);
        QCOMPARE(qobject_cast<QDockWidget*>(pane->parentWidget())->windowTitle(), QStringLiteral("Network"));

        DocumentWindow* document = openNetworkLog();
        QTRY_VERIFY_WITH_TIMEOUT(document->isLoaded(), loadTimeout);
        QTRY_COMPARE_WITH_TIMEOUT(pane->rows().size(), std::size_t(6), loadTimeout);
        QTableView* table = pane->table();
        QCOMPARE(table->model()->rowCount(), 6);
        QCOMPARE(table->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("NAME"));
        QCOMPARE(table->model()->data(table->model()->index(3, 2)).toString(), QStringLiteral("Maretron (137)"));
        // The address change is a warning in the Output pane.
        std::ostringstream output;
        window->logger()->writeLog(output, false);
        QVERIFY(output.str().find("Warning: Address 30 claimed by NAME C078820311201092 at 2024-01-01T12:00:01.000Z")
                != std::string::npos);

        // Row 1: address 20, four Water Depth messages, never claimed.
        table->selectRow(1);
        QCOMPARE(pane->selectedAddress(), std::optional<std::uint8_t>(20));
        const int allRows = document->list()->model()->rowCount();
        pane->showMessagesOfSelected();
        QCOMPARE(document->listTools()->filterBar()->text(), QStringLiteral("src == 20"));
        QTRY_COMPARE_WITH_TIMEOUT(document->list()->model()->rowCount(), 4, loadTimeout);
        for (std::size_t row = 0; row < 4; ++row)
            QCOMPARE(ZrlTest::shownElement(*document, int(row)).pgn(), 128267u);
        pane->showAllMessages();
        QTRY_COMPARE_WITH_TIMEOUT(document->list()->model()->rowCount(), allRows, loadTimeout);

        ZrlApp::StatisticsDialog* own = pane->openStatistics(true);
        QVERIFY(own != nullptr);
        QCOMPARE(own->table()->model()->rowCount(), 1);
        QCOMPARE(own->table()->model()->data(own->table()->model()->index(0, 6)).toString(),
                 QStringLiteral("400.000"));  // MeanInterval
        ZrlApp::StatisticsDialog* all = pane->openStatistics(false);
        QCOMPARE(all->table()->model()->rowCount(), 11);
        ZrlApp::PlotWindow* busLoad = pane->openBusLoad();
        QVERIFY(busLoad != nullptr);
        QCOMPARE(busLoad->seriesCount(), 2);
        QCOMPARE(busLoad->seriesName(0), QStringLiteral("Bus load \u00B7 frames per second"));
        QCOMPARE(busLoad->seriesUnit(1), QStringLiteral("%"));
        QCOMPARE(document->analysisTabs()->currentWidget(), busLoad);
    }

private:
    DocumentWindow* openNetworkLog()
    {
        const QString path = folder->filePath("network.zrl");
        const ZrlTest::Bytes bytes = ZrlTest::networkLog();
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size()));
        file.close();
        return window->openFile(path);
    }
};

QTEST_MAIN(NetworkPaneTest)
#include "NetworkPaneTest.moc"
