// The main window without a display: loading the demo log, the view switches, the filter
// pane, the details pane, the log pane, Open Multiple and a missing file.
#include "WindowFixture.h"

#include "app/AboutDialog.h"
#include "app/DisplayText.h"
#include "presentation/ElementPresentation.h"
#include "app/Screenshot.h"
#include "applog/Logger.h"
#include "common/Version.h"

#include <QAction>
#include <QDockWidget>
#include <QLabel>
#include <QMdiArea>
#include <QPointer>
#include <QFileInfo>
#include <QImage>

using ZrlApp::DocumentWindow;
using ZrlTest::demoPath;
using ZrlTest::shownElement;

namespace {

int columnOf(const ZrlApp::GridTableModel& model, const std::string& id)
{
    for (int column = 0; column < model.columnCount(); ++column)
        if (model.columnId(column) == id)
            return column;
    return -1;
}

// A grid table as the details pane should show it: column ids, then one line of cells per row.
QString tableText(const CommonLib::IGridTable& table)
{
    QString text;
    for (std::uint32_t row = 0; row <= table.getRowCount(); ++row) {
        for (std::uint32_t column = 0; column < table.getColumnCount(); ++column) {
            const std::string id = table.getColumnId(column);
            text += ZrlApp::displayText(row == 0 ? id : table.getCellText(row - 1, id)) + '|';
        }
        text += '\n';
    }
    return text;
}

// What the pane's model shows, in the same form.
QString paneText(const ZrlApp::GridTableModel& model)
{
    QString text;
    for (int row = -1; row < model.rowCount(); ++row) {
        for (int column = 0; column < model.columnCount(); ++column)
            text += (row < 0 ? QString::fromStdString(model.columnId(column)) : model.index(row, column).data().toString()) + '|';
        text += '\n';
    }
    return text;
}

} // namespace

class MainWindowTest : public QObject, ZrlTest::WindowFixture {
    Q_OBJECT
private slots:
    void init() { start(); }
    void cleanup() { finish(); }

    void windowHasItsTitleAndPanes()
    {
        QCOMPARE(window->windowTitle(), QStringLiteral("ZRL Reader 2"));
        QStringList docks;
        for (auto* dock : window->findChildren<QDockWidget*>())
            docks << dock->windowTitle();
        docks.sort();
        QCOMPARE(docks, (QStringList{"Grid View Filters", "Message Details", "Network", "Output"}));
        QVERIFY(window->hideFastCanAction()->isChecked());
        QVERIFY(!window->hideReassembledAction()->isChecked());
    }

    void demoLogFillsTheList()
    {
        DocumentWindow* document = openLoaded();
        auto* model = document->list()->model();
        QCOMPARE(model->rowCount(), 8491);
        QCOMPARE(std::size_t(model->rowCount()), document->shown().size());
        QCOMPARE(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Line"));
        QCOMPARE(ZrlTest::cell(*document, 0, "Line") + "|" + ZrlTest::cell(*document, 0, "Type") + "|" +
                     ZrlTest::cell(*document, 0, "Data"),
                 QStringLiteral("0|ZRL|01 E8 03 00 00"));
        // The Timestamp cell takes the element's time colour; the load wrote its rows to the log pane.
        QVERIFY(model->index(0, 1).data(Qt::ForegroundRole).isValid());
        QVERIFY(window->logger()->getRowCount() > 0);
        QTRY_COMPARE(std::uint32_t(window->outputPane()->gridModel()->rowCount()), window->logger()->getRowCount());
    }

    // The shown rows follow both switches; the switches are written to the settings file.
    void viewSwitchesChangeTheShownRows()
    {
        DocumentWindow* document = openLoaded();
        QStringList counts;
        for (QAction* action : {window->hideFastCanAction(), window->hideReassembledAction(), window->hideFastCanAction(),
                                window->hideReassembledAction()}) {
            action->trigger();
            counts << QString::number(document->list()->model()->rowCount());
        }
        QCOMPARE(counts, (QStringList{"12891", "12281", "7881", "8491"}));
        QCOMPARE(window->viewSettings().getFlags(), 1u);
        window->hideReassembledAction()->trigger();
        window->saveSettings();
        QCOMPARE(QSettings(folder->filePath("zrl.ini"), QSettings::IniFormat).value("ZrlViewSettings/view_filter_flags").toUInt(),
                 3u);
    }

    void untickingAPgnHidesItsRows()
    {
        DocumentWindow* document = openLoaded();
        ZrlApp::GridTableModel* filter = window->filterPane()->gridModel();
        // One row per definition met, named as the definition is, by PGN.
        QStringList names;
        for (int row = 0; row < filter->rowCount(); ++row)
            names << filter->index(row, columnOf(*filter, "Name")).data().toString();
        QCOMPARE(names, (QStringList{"ISO Address Claim", "System Time", "Product Information",
                                     "Configuration Information", "Vessel Heading", "Engine Parameters, Rapid Update",
                                     "Water Depth", "Position, Rapid Update", "COG & SOG, Rapid Update",
                                     "GNSS Position Data", "Wind Data"}));
        const QModelIndex first = filter->index(0, columnOf(*filter, "Enabled"));
        QCOMPARE(first.data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
        QVERIFY(filter->setData(first, Qt::Unchecked, Qt::CheckStateRole));
        QCOMPARE(first.data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
        // A PGN filter shows NMEA 2000 messages only: 5420 less the 5 address claims.
        QCOMPARE(document->list()->model()->rowCount(), 5415);
        for (std::size_t row = 0; row < document->shown().size(); ++row)
            QVERIFY(shownElement(*document, int(row)).pgn() != 60928u);
    }

    // A file tag, an NMEA 2000 message and an NMEA 0183 sentence each show their own adapter's
    // tables, decoded.
    void selectingARowFillsTheDetails()
    {
        DocumentWindow* document = openLoaded();
        const std::pair<std::uint32_t, const char*> cases[] = {
            {0, "ZRL"}, {3, "PGN 127250 / 1F112"}, {39, "GGA"}};
        for (const auto& [line, titleWord] : cases) {
            const int row = int(document->shown().rowOf(KelpLib::ElementLine(line))->value);
            document->list()->selectRow(row);
            const auto grid = KelpLib::elementGrid(shownElement(*document, row));
            const QString title = paneText(*window->detailsPane()->titleList()->gridModel());
            QCOMPARE(title, tableText(*grid->findTable("title")));
            QVERIFY2(title.contains(titleWord), qPrintable(title));
            const QString fields = paneText(*window->detailsPane()->fieldsList()->gridModel());
            QCOMPARE(fields, tableText(*grid->findTable("fields")));
            QVERIFY2(fields.count('\n') > 1, qPrintable(fields));
        }
    }

    void closingTheDocumentEmptiesTheDetails()
    {
        DocumentWindow* document = openLoaded();
        document->list()->selectRow(3);
        ZrlApp::GridTableModel* fields = window->detailsPane()->fieldsList()->gridModel();
        const std::string shownId = fields->columnId(0);
        QVERIFY(shownId != "COL_00");
        QPointer<DocumentWindow> watch(document);
        window->findChild<QMdiArea*>()->closeAllSubWindows();
        QTRY_VERIFY(watch.isNull());
        // Nothing refers to the closed document's elements: the pane is empty, with its hint.
        QCOMPARE(fields->columnCount(), 0);
        QCOMPARE(window->detailsPane()->fieldsList()->placeholder(), ZrlApp::GridTableView::noDocumentText());
    }

    void missingFileShowsTheFileError()
    {
        window->openFile(folder->filePath("gone.zrl"));
        QTRY_COMPARE_WITH_TIMEOUT(messages.size(), qsizetype(1), ZrlTest::loadTimeout);
        QCOMPARE(captions[0], QStringLiteral("File Error"));
        QCOMPARE(messages[0], QStringLiteral("File Not Found - file will be removed from most recently used menu"));
        QVERIFY(!window->settings().recentFiles().contains(folder->filePath("gone.zrl")));
        QTRY_VERIFY(window->documents().isEmpty());
    }

    void openMultipleNeedsTwoFiles()
    {
        QVERIFY(window->openMultipleFiles({demoPath}) == nullptr);
        QCOMPARE(messages, QStringList{"More than one file must be selected"});
        QVERIFY(window->documents().isEmpty());
    }

    void openMultipleOpensTheComposite()
    {
        const QString copy = folder->filePath("second.zrl");
        QVERIFY(QFile::copy(demoPath, copy));
        const QString first = folder->filePath("first.zrl");
        QVERIFY(QFile::copy(demoPath, first));
        DocumentWindow* document = window->openMultipleFiles({first, copy});
        QVERIFY(document != nullptr);
        QVERIFY(QFileInfo(document->path()).fileName().startsWith("composite_"));
        QCOMPARE(QFileInfo(document->path()).absolutePath(), QFileInfo(first).absolutePath());
        QCOMPARE(QFileInfo(document->path()).size(), 2 * QFileInfo(demoPath).size());
        QTRY_VERIFY_WITH_TIMEOUT(document->isLoaded(), ZrlTest::loadTimeout);
        QCOMPARE(document->doc().elementCount(), std::size_t(2 * 12891));
    }

    void aboutShowsTheVersion()
    {
        QCOMPARE(ZrlApp::aboutVersionText(), QStringLiteral("Version ") + CommonLib::versionText());
        ZrlApp::AboutDialog dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("About ZRL Reader"));
        auto* version = dialog.findChild<QLabel*>("version");
        QVERIFY(version != nullptr);
        QCOMPARE(version->text(), ZrlApp::aboutVersionText());
    }

    void screenshotArgumentsAreTakenOut()
    {
        QStringList arguments{"zrlreader", "--screenshot", "out.png", "a.zrl", "--select-row", "7", "--bus-load", "b.zrl"};
        ZrlApp::ScreenshotRequest request;
        QVERIFY(ZrlApp::takeScreenshotArguments(arguments, request));
        QCOMPARE(arguments, (QStringList{"zrlreader", "a.zrl", "b.zrl"}));
        QCOMPARE(request.file, QStringLiteral("out.png"));
        QCOMPARE(request.row, 7);
        QVERIFY(request.busLoad && !request.track);

        // A trailing option without its value is left as a file name; no picture is asked for.
        QStringList plain{"zrlreader", "a.zrl", "--screenshot"};
        ZrlApp::ScreenshotRequest none;
        QVERIFY(!ZrlApp::takeScreenshotArguments(plain, none));
        QCOMPARE(plain, (QStringList{"zrlreader", "a.zrl", "--screenshot"}));
        QCOMPARE(none.row, -1);
    }

    void screenshotSelectsAMessageAndWritesTheWindow()
    {
        const QString png = folder->filePath("shot.png");
        ZrlApp::screenshotAfterLoad(*window, {png, -1, {}, false});
        DocumentWindow* document = openLoaded();
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(png), 10000);
        // The first NMEA 2000 message (row 3) is selected and shown in the details pane.
        QCOMPARE(document->list()->currentIndex().row(), 3);
        QVERIFY(window->detailsPane()->fieldsList()->gridModel()->rowCount() > 0);
        const QImage image(png);
        QCOMPARE(image.size(), window->size());
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
