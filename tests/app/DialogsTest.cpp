// The Summary and Export dialogs, the message list's export menu and Save As, on the demo
// log and on an empty file, with the file dialog and the message boxes observed.
#include "WindowFixture.h"

#include "app/CsvFileDialog.h"
#include "app/DocumentWindow.h"
#include "app/ExportDialog.h"
#include "app/SummaryDialog.h"
#include "applog/Logger.h"
#include "log/PgnSummary.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

using ZrlApp::DocumentWindow;
using ZrlTest::csvLines;
using ZrlTest::demoPath;

namespace {

// The demo log's NMEA 2000 messages, hidden ones included: 8 PGNs of 600 (127250 of 1200),
// 14 product informations, 5 address claims and one configuration information.
constexpr int demoMessages = 5420;

bool logHasRow(const CommonLib::Logger& log, const QString& text)
{
    for (std::uint32_t row = 0; row < log.getRowCount(); ++row)
        if (QString::fromStdString(log.getCellText(row, "Result")) == text)
            return true;
    return false;
}

} // namespace

class DialogsTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        messages.clear();
        proposed.clear();
        chooserCalls = 0;
        answer.clear();
        ZrlApp::setMessageSink([this](ZrlApp::MessageKind, const QString&, const QString& text) { messages << text; });
        ZrlApp::setCsvFileChooser([this](const QString& proposedPath) {
            ++chooserCalls;
            proposed = proposedPath;
            return answer;
        });
        folder = std::make_unique<QTemporaryDir>();
        log = std::make_shared<CommonLib::Logger>();
    }

    void cleanup()
    {
        document.reset();
        ZrlApp::setMessageSink({});
        ZrlApp::setCsvFileChooser({});
    }

    // Every PGN once, in the order of its first message, with the count of all its messages.
    void summaryListsEveryPgnInFirstMetOrder()
    {
        load(demoPath);
        ZrlApp::SummaryDialog dialog(KelpLib::pgnSummary(document->doc()));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Summary"));
        QTableWidget* table = dialog.table();
        QStringList rows;
        for (int row = -1; row < table->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < table->columnCount(); ++column)
                cells << (row < 0 ? table->horizontalHeaderItem(column) : table->item(row, column))->text();
            rows << cells.join('|');
        }
        QCOMPARE(rows, (QStringList{"PGN|Description|Count", "129025|Position, Rapid Update|600",
                                    "127250|Vessel Heading|1200", "129026|COG & SOG, Rapid Update|600",
                                    "128267|Water Depth|600", "130306|Wind Data|600",
                                    "127488|Engine Parameters, Rapid Update|600", "126992|System Time|600",
                                    "129029|GNSS Position Data|600", "126996|Product Information|14",
                                    "60928|ISO Address Claim|5", "126998|Configuration Information|1"}));
        // At least the usual widths, and the whole content readable.
        const int widths[] = {50, 240, 50};
        for (int column = 0; column < 3; ++column)
            QVERIFY(table->columnWidth(column) >= std::max(widths[column],
                                                           table->horizontalHeader()->sectionSizeHint(column)));

        // The document's command opens it as a modal dialog.
        int shownRows = -1;
        QTimer::singleShot(0, this, [&] {
            if (auto* open = qobject_cast<ZrlApp::SummaryDialog*>(QApplication::activeModalWidget())) {
                shownRows = open->table()->rowCount();
                open->reject();
            }
        });
        document->showSummary();
        QCOMPARE(shownRows, 11);
    }

    void decodedBoxNeedsEnabledPgns()
    {
        ZrlApp::ExportDialog none({});
        QCOMPARE(none.windowTitle(), QStringLiteral("Export"));
        QCOMPARE(none.decodedBox()->text(), QStringLiteral("Decoded"));
        QVERIFY(!none.decodedBox()->isEnabled());
        none.decodedBox()->setChecked(true);
        QVERIFY(!none.decodedChosen());
        QCOMPARE(none.findChild<QDialogButtonBox*>()->buttons().value(0)->text(), QStringLiteral("OK"));

        ZrlApp::ExportDialog some({127250u});
        QVERIFY(some.decodedBox()->isEnabled() && !some.decodedChosen());
        some.decodedBox()->setChecked(true);
        QVERIFY(some.decodedChosen());
    }

    void proposedNameReplacesAFinalZrl()
    {
        const std::pair<const char*, const char*> cases[] = {
            {"/logs/trip.zrl", "/logs/trip.csv"}, {"/logs/trip.zrl.zrl", "/logs/trip.zrl.csv"},
            {"/logs/trip.txt", "/logs/trip.txt.csv"}, {"/logs/trip.ZRL", "/logs/trip.ZRL.csv"},
            {"/logs/zrl", "/logs/zrl.csv"}, {"", ""}};
        for (const auto& [path, proposedName] : cases)
            QCOMPARE(ZrlApp::proposedCsvName(path), QString::fromLatin1(proposedName));
    }

    void exportingAnEmptyDocumentSaysThereIsNoData()
    {
        const QString empty = folder->filePath("empty.zrl");
        QFile file(empty);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        load(empty);
        const std::uint32_t logRows = log->getRowCount();
        document->exportChosen(false);
        QCOMPARE(messages, QStringList{"There is no data to export."});
        QCOMPARE(chooserCalls, 0);
        QCOMPARE(log->getRowCount(), logRows);
    }

    void exportWritesTheEnabledPgnsUnderTheChosenName()
    {
        const QString trip = folder->filePath("trip.zrl");
        QVERIFY(QFile::copy(demoPath, trip));
        load(trip);

        // Cancelling the file dialog ends the command silently.
        document->exportChosen(false);
        QCOMPARE(chooserCalls, 1);
        QCOMPARE(proposed, folder->filePath("trip.csv"));
        QVERIFY(messages.isEmpty());
        QVERIFY(!QFile::exists(folder->filePath("trip.n2k.csv")));

        answer = folder->filePath("out.csv");
        document->exportChosen(false);
        QVERIFY(messages.isEmpty());
        const QStringList lines = csvLines(folder->filePath("out.n2k.csv"));
        QCOMPARE(lines.value(0), QStringLiteral("Line,Time,Type,PGN,Name,Src,Dest,Pri,Size,Data"));
        QCOMPARE(lines.size() - 1, demoMessages);
        QVERIFY(logHasRow(*log, QStringLiteral("Exported to ") + folder->filePath("out.n2k.csv")));
    }

    void saveAsWritesTheRawExportOnlyForACsvName()
    {
        load(demoPath);
        QVERIFY(!document->saveAs(folder->filePath("copy.txt")));
        QVERIFY(!document->saveAs(folder->filePath("copy.CSV")));
        QVERIFY(QDir(folder->path()).entryList(QDir::Files).isEmpty());

        QVERIFY(document->saveAs(folder->filePath("copy.csv")));
        const QStringList lines = csvLines(folder->filePath("copy.n2k.csv"));
        QCOMPARE(lines.size() - 1, demoMessages);

        // Through the File menu's dialog.
        answer = folder->filePath("menu.csv");
        document->chooseAndSaveAs();
        QCOMPARE(proposed, QStringLiteral(ZRL_SOURCE_DIR "/samples/demo.csv"));
        QCOMPARE(csvLines(folder->filePath("menu.n2k.csv")), lines);
    }

    void listMenuExportsTheSelectedRowsPgns()
    {
        load(demoPath);
        QTableView* list = document->list();
        QVERIFY(document->makeListMenu(document.get()) == nullptr);
        // The file's first row is its file tag: no PGN, no menu.
        list->selectRow(0);
        QVERIFY(document->selectedPgns().empty());
        QVERIFY(document->makeListMenu(document.get()) == nullptr);

        // Rows 3 and 9 are headings (127250), row 4 a COG & SOG (129026); selected last row first,
        // the PGNs come in the list's order.
        list->clearSelection();
        for (int row : {9, 4, 3})
            list->selectionModel()->select(list->model()->index(row, 0),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QCOMPARE(document->selectedPgns(), (std::vector<std::uint32_t>{127250, 129026}));

        std::unique_ptr<QMenu> menu(document->makeListMenu(document.get()));
        QVERIFY(menu != nullptr);
        QStringList entries;
        for (const QAction* action : menu->actions())
            entries << QStringLiteral("%1=%2%3").arg(action->text()).arg(action->data().toInt()).arg(action->isEnabled() ? "on" : "off");
        QCOMPARE(entries, (QStringList{"Export this PGN to csv=1on", "Export this PGN to decoded csv=2on"}));

        answer = folder->filePath("selected.csv");
        document->exportSelectedPgns(DocumentWindow::exportPgnsCommand);
        QCOMPARE(proposed, QStringLiteral(ZRL_SOURCE_DIR "/samples/demo.csv"));
        const QStringList lines = csvLines(folder->filePath("selected.n2k.csv"));
        QCOMPARE(lines.size() - 1, 1800);
        for (int line = 1; line < lines.size(); ++line) {
            const QString pgn = lines[line].section(',', 3, 3).trimmed(); // padded to six places
            QVERIFY2(pgn == "127250" || pgn == "129026", qPrintable(lines[line]));
        }
    }

private:
    void load(const QString& path)
    {
        document = std::make_unique<DocumentWindow>(path, log, KelpLib::ViewSettings());
        document->startLoad();
        QTRY_VERIFY_WITH_TIMEOUT(document->isLoaded(), ZrlTest::loadTimeout);
    }

    QStringList messages;
    QString proposed;
    QString answer;
    int chooserCalls = 0;
    std::unique_ptr<QTemporaryDir> folder;
    std::shared_ptr<CommonLib::Logger> log;
    std::unique_ptr<DocumentWindow> document;
};

QTEST_MAIN(DialogsTest)
#include "DialogsTest.moc"
