// The Summary and Export dialogs, the message list's export menu and Save As, on the demo
// log and on an empty file, with the file dialog and the message boxes observed.
#include "app/CsvFileDialog.h"
#include "app/DocumentWindow.h"
#include "app/ExportDialog.h"
#include "app/SummaryDialog.h"
#include "app/UserMessages.h"
#include "applog/Logger.h"
#include "log/PgnSummary.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QTimer>

#include <map>
#include <set>

using ZrlApp::DocumentWindow;

namespace {

const QString demoPath = QStringLiteral(ZRL_SOURCE_DIR "/samples/demo.zrl");
constexpr int loadTimeout = 60000;

bool isN2kMessage(const KelpLib::ZRLElement& element)
{
    return element.effectiveVariant() == KelpLib::VariantN2k ||
        (element.effectiveVariant() == KelpLib::VariantCanFrame &&
         !(element.flags() & KelpLib::ZRLElement::canFrameOfAssembly));
}

// PGN -> number of NMEA 2000 messages in the whole document, shown or not.
std::map<std::uint32_t, std::uint64_t> messageCounts(const KelpLib::ZRLDoc& doc)
{
    std::map<std::uint32_t, std::uint64_t> counts;
    for (std::size_t index = 0; index < doc.elementCount(); ++index)
        if (isN2kMessage(doc.element(KelpLib::ElementLine(index))))
            ++counts[doc.element(KelpLib::ElementLine(index)).pgn()];
    return counts;
}

QStringList readLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast();
    return lines;
}

// The PGN column of the raw NMEA 2000 export (padded to six places).
std::uint32_t exportedPgn(const QString& line) { return line.section(',', 3, 3).trimmed().toUInt(); }

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
        ZrlApp::setMessageSink([this](ZrlApp::MessageKind, const QString&, const QString& text) {
            messages.push_back(text);
        });
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

    void summaryListsEveryPgnInFirstMetOrder()
    {
        load(demoPath);
        const KelpLib::ZRLDoc& doc = document->doc();
        ZrlApp::SummaryDialog dialog(KelpLib::pgnSummary(doc));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Summary"));
        QTableWidget* table = dialog.table();
        QCOMPARE(table->columnCount(), 3);
        const QStringList headers{"PGN", "Description", "Count"};
        const int widths[] = {50, 240, 50};
        for (int column = 0; column < 3; ++column) {
            QCOMPARE(table->horizontalHeaderItem(column)->text(), headers[column]);
            // At least the usual width, and the whole content readable.
            QVERIFY(table->columnWidth(column) >= widths[column]);
            QVERIFY(table->columnWidth(column) >= table->horizontalHeader()->sectionSizeHint(column));
        }

        // Every PGN once, with the count of all its messages, hidden ones included.
        const auto counts = messageCounts(doc);
        QCOMPARE(static_cast<std::size_t>(table->rowCount()), counts.size());
        QVERIFY(document->shown().size() < doc.elementCount());
        std::set<std::uint32_t> listed;
        for (int row = 0; row < table->rowCount(); ++row) {
            const std::uint32_t pgn = table->item(row, 0)->text().toUInt();
            QVERIFY(listed.insert(pgn).second);
            QCOMPARE(table->item(row, 2)->text(), QString::number(counts.at(pgn)));
            QVERIFY(!table->item(row, 1)->text().isEmpty());
        }
        // Rows follow the order of each PGN's first message in the file.
        std::vector<std::uint32_t> firstMet;
        for (std::size_t index = 0; index < doc.elementCount(); ++index) {
            const auto& element = doc.element(KelpLib::ElementLine(index));
            if (isN2kMessage(element) &&
                std::find(firstMet.begin(), firstMet.end(), element.pgn()) == firstMet.end())
                firstMet.push_back(element.pgn());
        }
        for (int row = 0; row < table->rowCount(); ++row)
            QCOMPARE(table->item(row, 0)->text(), QString::number(firstMet[static_cast<std::size_t>(row)]));
        // A well-known PGN carries the database's name.
        const auto heading = std::find(firstMet.begin(), firstMet.end(), 127250u);
        QVERIFY(heading != firstMet.end());
        QCOMPARE(table->item(static_cast<int>(heading - firstMet.begin()), 1)->text(), QStringLiteral("Vessel Heading"));
    }

    void summaryCommandOpensTheDialog()
    {
        load(demoPath);
        int rows = -1;
        QString title;
        QTimer::singleShot(0, this, [&] {
            if (auto* dialog = qobject_cast<ZrlApp::SummaryDialog*>(QApplication::activeModalWidget())) {
                rows = dialog->table()->rowCount();
                title = dialog->windowTitle();
                dialog->reject();
            }
        });
        document->showSummary();
        QCOMPARE(title, QStringLiteral("Summary"));
        QCOMPARE(static_cast<std::size_t>(rows), messageCounts(document->doc()).size());
    }

    void decodedBoxNeedsEnabledPgns()
    {
        ZrlApp::ExportDialog none({});
        QCOMPARE(none.windowTitle(), QStringLiteral("Export"));
        QCOMPARE(none.decodedBox()->text(), QStringLiteral("Decoded"));
        QVERIFY(!none.decodedBox()->isEnabled());
        none.decodedBox()->setChecked(true);
        QVERIFY(!none.decodedChosen());
        auto* ok = none.findChild<QDialogButtonBox*>()->buttons().value(0);
        QVERIFY(ok != nullptr);
        QCOMPARE(ok->text(), QStringLiteral("OK"));

        ZrlApp::ExportDialog some({127250u});
        QVERIFY(some.decodedBox()->isEnabled());
        QVERIFY(!some.decodedChosen());
        some.decodedBox()->setChecked(true);
        QVERIFY(some.decodedChosen());
    }

    void proposedNameReplacesAFinalZrl()
    {
        QCOMPARE(ZrlApp::proposedCsvName("/logs/trip.zrl"), QStringLiteral("/logs/trip.csv"));
        QCOMPARE(ZrlApp::proposedCsvName("/logs/trip.zrl.zrl"), QStringLiteral("/logs/trip.zrl.csv"));
        QCOMPARE(ZrlApp::proposedCsvName("/logs/trip.txt"), QStringLiteral("/logs/trip.txt.csv"));
        QCOMPARE(ZrlApp::proposedCsvName("/logs/trip.ZRL"), QStringLiteral("/logs/trip.ZRL.csv"));
        QCOMPARE(ZrlApp::proposedCsvName("/logs/zrl"), QStringLiteral("/logs/zrl.csv"));
        QCOMPARE(ZrlApp::proposedCsvName(""), QString());
    }

    void exportingAnEmptyDocumentSaysThereIsNoData()
    {
        const QString empty = folder->filePath("empty.zrl");
        QFile file(empty);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        load(empty);
        QCOMPARE(document->doc().elementCount(), std::size_t(0));
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
        const QStringList lines = readLines(folder->filePath("out.n2k.csv"));
        QVERIFY(!lines.isEmpty());
        QCOMPARE(lines[0], QStringLiteral("Line,Time,Type,PGN,Name,Src,Dest,Pri,Size,Data"));
        std::uint64_t total = 0;
        for (const auto& [pgn, count] : messageCounts(document->doc()))
            total += count;
        QCOMPARE(static_cast<std::uint64_t>(lines.size() - 1), total);
        QVERIFY(logHasRow(*log, QStringLiteral("Exported to ") + folder->filePath("out.n2k.csv")));
    }

    void saveAsWritesTheRawExportOnlyForACsvName()
    {
        load(demoPath);
        QVERIFY(!document->saveAs(folder->filePath("copy.txt")));
        QVERIFY(!document->saveAs(folder->filePath("copy.CSV")));
        QVERIFY(QDir(folder->path()).entryList(QDir::Files).isEmpty());

        QVERIFY(document->saveAs(folder->filePath("copy.csv")));
        const QStringList lines = readLines(folder->filePath("copy.n2k.csv"));
        std::uint64_t total = 0;
        for (const auto& [pgn, count] : messageCounts(document->doc()))
            total += count;
        QCOMPARE(static_cast<std::uint64_t>(lines.size() - 1), total);

        // Through the File menu's dialog.
        answer = folder->filePath("menu.csv");
        document->chooseAndSaveAs();
        QCOMPARE(proposed, QStringLiteral(ZRL_SOURCE_DIR "/samples/demo.csv"));
        QCOMPARE(readLines(folder->filePath("menu.n2k.csv")), lines);
    }

    void listMenuExportsTheSelectedRowsPgns()
    {
        load(demoPath);
        const KelpLib::ZRLDoc& doc = document->doc();
        QTableView* list = document->list();
        QVERIFY(document->selectedPgns().empty());
        QVERIFY(document->makeListMenu(document.get()) == nullptr);

        // The file's first row is its file tag: no PGN, no menu.
        QCOMPARE(document->shown().element(KelpLib::ShownRow(0)).effectiveVariant() == KelpLib::VariantN2k, false);
        list->selectRow(0);
        QVERIFY(document->selectedPgns().empty());
        QVERIFY(document->makeListMenu(document.get()) == nullptr);

        // Two rows of one PGN and one of another, selected last row first.
        std::vector<int> rows;
        std::vector<std::uint32_t> wanted;
        const KelpLib::ShownList& shown = document->shown();
        for (std::uint32_t row = 0; row < shown.size() && rows.size() < 3; ++row) {
            const auto& element = shown.element(KelpLib::ShownRow(row));
            if (element.effectiveVariant() != KelpLib::VariantN2k)
                continue;
            const bool known = std::find(wanted.begin(), wanted.end(), element.pgn()) != wanted.end();
            if ((rows.empty()) || (rows.size() == 1 && !known) || (rows.size() == 2 && element.pgn() == wanted[0])) {
                rows.push_back(static_cast<int>(row));
                if (!known)
                    wanted.push_back(element.pgn());
            }
        }
        QCOMPARE(rows.size(), std::size_t(3));
        list->clearSelection();
        for (auto row = rows.rbegin(); row != rows.rend(); ++row)
            list->selectionModel()->select(list->model()->index(*row, 0),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QCOMPARE(document->selectedPgns(), wanted);

        std::unique_ptr<QMenu> menu(document->makeListMenu(document.get()));
        QVERIFY(menu != nullptr);
        const auto actions = menu->actions();
        QCOMPARE(actions.size(), 2);
        QCOMPARE(actions[0]->text(), QStringLiteral("Export this PGN to csv"));
        QCOMPARE(actions[0]->data().toInt(), 1);
        QVERIFY(actions[0]->isEnabled());
        QCOMPARE(actions[1]->text(), QStringLiteral("Export this PGN to decoded csv"));
        QCOMPARE(actions[1]->data().toInt(), 2);
        QVERIFY(actions[1]->isEnabled());

        answer = folder->filePath("selected.csv");
        document->exportSelectedPgns(DocumentWindow::exportPgnsCommand);
        QCOMPARE(proposed, QStringLiteral(ZRL_SOURCE_DIR "/samples/demo.csv"));
        const QStringList lines = readLines(folder->filePath("selected.n2k.csv"));
        const auto counts = messageCounts(doc);
        QCOMPARE(static_cast<std::uint64_t>(lines.size() - 1), counts.at(wanted[0]) + counts.at(wanted[1]));
        for (int line = 1; line < lines.size(); ++line) {
            const std::uint32_t pgn = exportedPgn(lines[line]);
            QVERIFY2(pgn == wanted[0] || pgn == wanted[1], qPrintable(lines[line]));
        }
    }

private:
    void load(const QString& path)
    {
        document = std::make_unique<DocumentWindow>(path, log, KelpLib::ViewSettings());
        document->startLoad();
        QTRY_VERIFY_WITH_TIMEOUT(document->isLoaded(), loadTimeout);
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
