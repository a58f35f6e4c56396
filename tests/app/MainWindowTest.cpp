// The main window without a display: loading the demo log, the view switches, the filter
// pane, the details pane, the log pane, Open Multiple and a missing file.
#include "app/AboutDialog.h"
#include "app/MainWindow.h"
#include "presentation/ElementPresentation.h"
#include "app/Screenshot.h"
#include "app/UserMessages.h"
#include "applog/Logger.h"
#include "common/Version.h"
#include "messages/KorvBuf.h"

#include <QAction>
#include <QDockWidget>
#include <QLabel>
#include <QMdiArea>
#include <QPointer>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

using ZrlApp::DocumentWindow;
using ZrlApp::MainWindow;

namespace {

const QString demoPath = QStringLiteral(ZRL_SOURCE_DIR "/samples/demo.zrl");
constexpr int loadTimeout = 60000;

struct ShownMessage {
    QString caption;
    QString text;
};

int columnNamed(const DocumentWindow& window, const std::string& name)
{
    const auto& columns = window.listModel()->columns();
    for (std::size_t column = 0; column < columns.size(); ++column)
        if (columns[column].name == name)
            return static_cast<int>(column);
    return -1;
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        messages.clear();
        ZrlApp::setMessageSink([this](ZrlApp::MessageKind, const QString& caption, const QString& text) {
            messages.push_back({caption, text});
        });
        folder = std::make_unique<QTemporaryDir>();
        window = std::make_unique<MainWindow>(std::make_unique<ZrlApp::AppSettings>(folder->filePath("zrl.ini")));
        window->show();
    }

    void cleanup()
    {
        window.reset();
        ZrlApp::setMessageSink({});
    }

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
        DocumentWindow* document = loadDemo();
        QCOMPARE(document->list()->model()->rowCount(), 8491);
        QCOMPARE(static_cast<std::size_t>(document->list()->model()->rowCount()), document->shown().size());
        auto* model = document->list()->model();
        QCOMPARE(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Line"));
        QCOMPARE(model->data(model->index(0, 0)).toString(), QStringLiteral("0"));
        QCOMPARE(model->data(model->index(0, columnNamed(*document, "Type"))).toString(), QStringLiteral("ZRL"));
        QCOMPARE(model->data(model->index(0, columnNamed(*document, "Data"))).toString(),
                 QStringLiteral("01 E8 03 00 00"));
        // The Timestamp cell takes the element's time colour.
        const QVariant timeColour = model->data(model->index(0, columnNamed(*document, "Timestamp")), Qt::ForegroundRole);
        QVERIFY(timeColour.isValid());
    }

    void viewSwitchesChangeTheShownRows()
    {
        DocumentWindow* document = loadDemo();
        auto* model = document->list()->model();
        window->hideFastCanAction()->trigger();
        QVERIFY(!window->hideFastCanAction()->isChecked());
        QCOMPARE(model->rowCount(), 12891);
        window->hideReassembledAction()->trigger();
        QCOMPARE(model->rowCount(), 12281);
        window->hideFastCanAction()->trigger();
        QCOMPARE(model->rowCount(), 7881);
        window->hideReassembledAction()->trigger();
        QCOMPARE(model->rowCount(), 8491);
        QCOMPARE(window->viewSettings().getFlags(), 1u);
    }

    void viewSwitchIsWrittenToTheSettings()
    {
        window->hideReassembledAction()->trigger();
        window->saveSettings();
        QSettings raw(folder->filePath("zrl.ini"), QSettings::IniFormat);
        QCOMPARE(raw.value("ZrlViewSettings/view_filter_flags").toUInt(), 3u);
    }

    void untickingAPgnHidesItsRows()
    {
        DocumentWindow* document = loadDemo();
        ZrlApp::GridTableModel* filter = window->filterPane()->gridModel();
        QCOMPARE(filter->rowCount(), 11);
        int enabledColumn = -1;
        int nameColumn = -1;
        for (int column = 0; column < filter->columnCount(); ++column) {
            if (filter->columnId(column) == "Enabled")
                enabledColumn = column;
            if (filter->columnId(column) == "Name")
                nameColumn = column;
        }
        QVERIFY(enabledColumn >= 0 && nameColumn >= 0);
        // One row per definition met, named as the definition is.
        const KelpLib::ZRLDocFilters& filters = document->shown().filters();
        QCOMPARE(static_cast<std::uint32_t>(filter->rowCount()), filters.knownDefinitionCount());
        for (int row = 0; row < filter->rowCount(); ++row) {
            KelpLib::ZRLDocFilters::DefinitionKey key;
            QCOMPARE(filters.knownDefinitionAt(static_cast<std::uint32_t>(row), key), 0);
            QCOMPARE(filter->data(filter->index(row, nameColumn)).toString().toStdString(),
                     StandardsLib::definitionName(key));
        }
        QCOMPARE(filter->data(filter->index(0, nameColumn)).toString(), QStringLiteral("ISO Address Claim"));
        const QModelIndex first = filter->index(0, enabledColumn);
        QCOMPARE(filter->data(first, Qt::CheckStateRole).toInt(), int(Qt::Checked));
        const int before = document->list()->model()->rowCount();
        QVERIFY(filter->setData(first, Qt::Unchecked, Qt::CheckStateRole));
        QCOMPARE(filter->data(first, Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
        const int after = document->list()->model()->rowCount();
        QVERIFY(after < before);
        QCOMPARE(static_cast<std::size_t>(after), document->shown().size());
        for (std::size_t row = 0; row < document->shown().size(); ++row)
            QVERIFY(document->shown().element(KelpLib::ShownRow(static_cast<std::uint32_t>(row))).pgn() != 60928u);
    }

    void selectingARowFillsTheDetails()
    {
        DocumentWindow* document = loadDemo();
        // A file tag, an NMEA 2000 message and an NMEA 0183 sentence each show their own adapter.
        int shown = 0;
        for (KelpLib::MsgVariant variant : {KelpLib::MsgVariant::Zrl, KelpLib::MsgVariant::N2k, KelpLib::MsgVariant::N183}) {
            int row = 0;
            while (static_cast<std::size_t>(row) < document->shown().size() &&
                   document->shown().element(KelpLib::ShownRow(static_cast<std::uint32_t>(row))).effectiveVariant() != variant)
                ++row;
            QVERIFY(static_cast<std::size_t>(row) < document->shown().size());
            document->list()->selectRow(row);
            const auto grid = KelpLib::elementGrid(document->shown().element(KelpLib::ShownRow(static_cast<std::uint32_t>(row))));
            const auto title = grid->findTable("title");
            const auto table = grid->findTable("fields");
            QVERIFY(title && table);
            ZrlApp::GridTableModel* titles = window->detailsPane()->titleList()->gridModel();
            ZrlApp::GridTableModel* fields = window->detailsPane()->fieldsList()->gridModel();
            QCOMPARE(static_cast<std::uint32_t>(titles->rowCount()), title->getRowCount());
            QVERIFY(titles->rowCount() > 0);
            QCOMPARE(titles->data(titles->index(0, 0)).toString(),
                     QString::fromStdString(title->getCellText(0, title->getColumnId(0))));
            QCOMPARE(static_cast<std::uint32_t>(fields->rowCount()), table->getRowCount());
            QCOMPARE(static_cast<std::uint32_t>(fields->columnCount()), table->getColumnCount());
            QVERIFY(fields->rowCount() > 0);
            const int last = fields->columnCount() - 1;
            QCOMPARE(fields->columnId(0), table->getColumnId(0));
            QCOMPARE(fields->data(fields->index(0, last)).toString(),
                     QString::fromStdString(table->getCellText(0, table->getColumnId(static_cast<std::uint32_t>(last)))));
            if (variant == KelpLib::MsgVariant::N2k) {
                // Decoded, not raw bytes: the title names the PGN.
                QString titleText;
                for (int line = 0; line < titles->rowCount(); ++line)
                    titleText += titles->data(titles->index(line, 0)).toString() + '\n';
                const auto pgn = document->shown().element(KelpLib::ShownRow(static_cast<std::uint32_t>(row))).pgn();
                QVERIFY2(titleText.contains(QString::number(pgn)), qPrintable(titleText));
            }
            ++shown;
        }
        QCOMPARE(shown, 3);
    }

    void closingTheDocumentEmptiesTheDetails()
    {
        DocumentWindow* document = loadDemo();
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

    void logPaneGrowsWithTheLoad()
    {
        const int before = window->outputPane()->gridModel()->rowCount();
        loadDemo();
        QTRY_VERIFY(window->outputPane()->gridModel()->rowCount() > before);
        QCOMPARE(static_cast<std::uint32_t>(window->outputPane()->gridModel()->rowCount()),
                 window->logger()->getRowCount());
    }

    void missingFileShowsTheFileError()
    {
        window->openFile(folder->filePath("gone.zrl"));
        QTRY_COMPARE_WITH_TIMEOUT(messages.size(), std::size_t(1), loadTimeout);
        QCOMPARE(messages[0].caption, QStringLiteral("File Error"));
        QCOMPARE(messages[0].text, QStringLiteral("File Not Found - file will be removed from most recently used menu"));
        QVERIFY(!window->settings().recentFiles().contains(folder->filePath("gone.zrl")));
        QTRY_VERIFY(window->documents().isEmpty());
    }

    void openMultipleNeedsTwoFiles()
    {
        QVERIFY(window->openMultipleFiles({demoPath}) == nullptr);
        QCOMPARE(messages.size(), std::size_t(1));
        QCOMPARE(messages[0].text, QStringLiteral("More than one file must be selected"));
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
        QTRY_VERIFY_WITH_TIMEOUT(document->isLoaded(), loadTimeout);
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
        DocumentWindow* document = loadDemo();
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(png), 10000);
        // The first NMEA 2000 message is selected and shown in the details pane.
        const int row = document->list()->currentIndex().row();
        QVERIFY(row > 0);
        QCOMPARE(document->shown().element(KelpLib::ShownRow(static_cast<std::uint32_t>(row))).effectiveVariant(), KelpLib::MsgVariant::N2k);
        for (int earlier = 0; earlier < row; ++earlier)
            QVERIFY(document->shown().element(KelpLib::ShownRow(static_cast<std::uint32_t>(earlier))).effectiveVariant() !=
                    KelpLib::MsgVariant::N2k);
        QVERIFY(window->detailsPane()->fieldsList()->gridModel()->rowCount() > 0);
        const QImage image(png);
        QCOMPARE(image.size(), window->size());
    }

private:
    DocumentWindow* loadDemo()
    {
        DocumentWindow* document = window->openFile(demoPath);
        [&] { QTRY_VERIFY_WITH_TIMEOUT(document->isLoaded(), loadTimeout); }();
        return document;
    }

    std::vector<ShownMessage> messages;
    std::unique_ptr<QTemporaryDir> folder;
    std::unique_ptr<MainWindow> window;
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
