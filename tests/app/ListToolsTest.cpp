// The filter bar, find, go to and field columns of a document's list, without a display.
#include "WindowFixture.h"

#include "app/FilterBar.h"
#include "app/FindBar.h"
#include "app/ListTools.h"

#include <QAction>
#include <QLineEdit>
#include <QSettings>
#include <QStatusBar>

using ZrlApp::DocumentWindow;
using ZrlTest::cell;
using ZrlTest::demoPath;
constexpr int timeout = ZrlTest::loadTimeout;

class ListToolsTest : public QObject, ZrlTest::WindowFixture {
    Q_OBJECT
private slots:
    void initTestCase() { QCoreApplication::setOrganizationName(QStringLiteral("zrl-list-tools-test")); }

    void init()
    {
        QSettings().clear();
        start();
        document = openLoaded();
        tools = document->listTools();
    }

    void cleanup() { finish(); }

    void filterBarAppliesKeepsTheSelectionAndRefusesErrors()
    {
        auto* model = document->list()->model();
        QCOMPARE(model->rowCount(), 8491);
        ZrlApp::FilterBar* bar = tools->filterBar();

        bar->setText(QStringLiteral("pgn =="));
        QTest::keyClick(bar->editor(), Qt::Key_Return);
        QCOMPARE(bar->errorText(), QStringLiteral("filter: expected a value after \"==\" at column 7"));
        QCOMPARE(bar->editor()->toolTip(), bar->errorText());
        QVERIFY(!bar->editor()->styleSheet().isEmpty());
        QCOMPARE(model->rowCount(), 8491);

        document->list()->setCurrentIndex(model->index(6, 0)); // a 130306 message, line 6
        QCOMPARE(cell(*document, 6, "PGN"), QStringLiteral("130306"));
        bar->setText(QStringLiteral("pgn == 130306 || pgn == 127250"));
        QTest::keyClick(bar->editor(), Qt::Key_Return);
        QVERIFY(bar->errorText().isEmpty());
        QVERIFY(bar->editor()->styleSheet().isEmpty());
        QTRY_COMPARE_WITH_TIMEOUT(model->rowCount(), 1800, timeout);
        const int kept = document->list()->currentIndex().row();
        QCOMPARE(cell(*document, kept, "Line"), QStringLiteral("6"));

        bar->setText(QStringLiteral("pgn == 127250"));
        QTest::keyClick(bar->editor(), Qt::Key_Return);
        QTRY_COMPARE_WITH_TIMEOUT(model->rowCount(), 1200, timeout);
        const int nearest = document->list()->currentIndex().row();
        QCOMPARE(cell(*document, nearest, "Line"), QStringLiteral("3")); // the nearest shown line, the earlier
        QCOMPARE(bar->history(), (QStringList{"pgn == 127250", "pgn == 130306 || pgn == 127250"}));

        bar->editor()->clear();
        QTRY_COMPARE_WITH_TIMEOUT(model->rowCount(), 8491, timeout);
    }

    void findGoesBothWaysWrapsAndSaysNotFound()
    {
        ZrlApp::FindBar* bar = tools->findBar();
        // Edit > Find... opens the active document's find bar and shows the key.
        QAction* find = window->command(QStringLiteral("find"));
        QVERIFY(find != nullptr && find->isEnabled());
        QCOMPARE(find->text(), QStringLiteral("&Find...\tCtrl+F"));
        find->trigger();
        QVERIFY(bar->isVisible());
        bar->editor()->setText(QStringLiteral("engine parameters"));
        QTest::keyClick(bar->editor(), Qt::Key_Return);
        QTRY_VERIFY_WITH_TIMEOUT(document->list()->currentIndex().isValid(), timeout);
        const int first = document->list()->currentIndex().row();
        QCOMPARE(cell(*document, first, "PGN"), QStringLiteral("127488"));
        tools->findNextAction()->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(document->list()->currentIndex().row() > first, timeout);
        tools->findPreviousAction()->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(document->list()->currentIndex().row(), first, timeout);
        tools->findPreviousAction()->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(document->list()->currentIndex().row() > first, timeout);
        // wrapped round to the last
        QCOMPARE(cell(*document, document->list()->currentIndex().row(), "PGN"), QStringLiteral("127488"));

        bar->editor()->setText(QStringLiteral("Magnetic")); // only in decoded values
        tools->findNextAction()->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(cell(*document, document->list()->currentIndex().row(), "PGN"),
                                  QStringLiteral("127250"), timeout);

        bar->editor()->setText(QStringLiteral("no such text"));
        tools->findNextAction()->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(bar->note(), QStringLiteral("\"no such text\" not found"), timeout);
        QCOMPARE(window->statusBar()->currentMessage(), bar->note());
    }

    void goToALineOrATime()
    {
        tools->goTo(QStringLiteral("102"));
        QTRY_COMPARE_WITH_TIMEOUT(cell(*document, document->list()->currentIndex().row(), "Line"),
                                  QStringLiteral("102"), timeout);
        tools->goTo(QStringLiteral("108")); // 104 to 110 are hidden fast-packet frames: 111 is nearest
        QTRY_COMPARE_WITH_TIMEOUT(cell(*document, document->list()->currentIndex().row(), "Line"),
                                  QStringLiteral("111"), timeout);
        tools->goTo(QStringLiteral("09:00:05"));
        QTRY_COMPARE_WITH_TIMEOUT(cell(*document, document->list()->currentIndex().row(), "Timestamp"),
                                  QStringLiteral("09:00:05.000"), timeout);
        tools->goTo(QStringLiteral("soon"));
        QTRY_VERIFY_WITH_TIMEOUT(tools->findBar()->note().startsWith(QStringLiteral("Go to a line number")), timeout);
    }

    void fieldColumnsAreAddedRemovedAndRemembered()
    {
        auto* model = document->list()->model();
        const int columns = model->columnCount();
        tools->addFieldColumn(QStringLiteral("Wind Speed"));
        QCOMPARE(model->columnCount(), columns + 1);
        QCOMPARE(cell(*document, 6, "Wind Speed").isEmpty(), false);
        QCOMPARE(cell(*document, 3, "Wind Speed"), QString()); // a heading has no wind speed
        QCOMPARE(ZrlApp::ListTools::rememberedFieldColumns(), QStringList{"Wind Speed"});

        DocumentWindow* second = openLoaded();
        QCOMPARE(second->list()->model()->columnCount(), columns + 1); // remembered for the next list

        tools->removeFieldColumn(QStringLiteral("Wind Speed"));
        QCOMPARE(model->columnCount(), columns);
        QVERIFY(ZrlApp::ListTools::rememberedFieldColumns().isEmpty());
    }

private:
    DocumentWindow* document = nullptr;
    ZrlApp::ListTools* tools = nullptr;
};

QTEST_MAIN(ListToolsTest)
#include "ListToolsTest.moc"
