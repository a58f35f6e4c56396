// The desktop shell around the documents: readable colours on every style, the manual, the
// remembered layout, sorting, cell editors, keyboard and clipboard, failures said as failures,
// the commands that need a document, the toolbar and the mail fallback.
#include "WindowFixture.h"

#include "app/ColumnLayout.h"
#include "app/GridCellEditors.h"
#include "app/GridTableCsv.h"
#include "app/HelpWindow.h"
#include "app/ReadableColour.h"
#include "app/SupportMail.h"
#include "app/CsvFileDialog.h"
#include "app/VisualStyles.h"
#include "applog/Logger.h"
#include "grid/MockGridTable.h"
#include "log/ElementTime.h"
#include "log/MsgVariant.h"

#include <QAction>
#include <QActionGroup>
#include <QClipboard>
#include <QComboBox>
#include <QDesktopServices>
#include <QDockWidget>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTextBrowser>
#include <QToolBar>
#include <QToolTip>
#include <QTreeWidget>

#include <map>

using ZrlTest::demoPath;

namespace {

// One column of each editor kind; remembers every setCellText.
class EditedTable : public CommonLib::MockGridTable {
public:
    EditedTable() : MockGridTable(2, 4, "edited", "Edited") { columnIds = {"Choice", "Number", "Text", "On"}; }
    bool getColumnTraits(const std::string& id, CommonLib::GridCellTraits& traits) const override
    {
        const std::map<std::string, int> kinds{{"Choice", CommonLib::GridEditorDropDown},
                                               {"Number", CommonLib::GridEditorNumeric},
                                               {"Text", CommonLib::GridEditorText},
                                               {"On", CommonLib::GridEditorCheckBox}};
        traits.editorKind = kinds.at(id);
        return true;
    }
    std::string getColumnMetaData(std::uint32_t column) const override
    {
        return column == 1 ? R"({"text_limit": 6, "allow_negative_values": true, "num_of_digits_before_decimal": 3,
                                "num_of_digits_after_decimal": 1})"
                           : "";
    }
    CommonLib::GridOptionList getColumnOptions(std::uint32_t) const override { return {"low", "high"}; }
    CommonLib::GridOptionList getCellOptions(std::uint32_t row, std::uint32_t) const override
    {
        return row == 1 ? CommonLib::GridOptionList{"only"} : CommonLib::GridOptionList{};
    }
    void setCellText(std::uint32_t row, const std::string& id, const std::string& text) override
    {
        edits.push_back(std::to_string(row) + " " + id + "=" + text);
    }
    std::vector<std::string> edits;
};

class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls << url; }
};

} // namespace

class ShellTest : public QObject, ZrlTest::WindowFixture {
    Q_OBJECT
private slots:
    void init() { start(); }

    void cleanup()
    {
        finish();
        ZrlApp::setCsvFileChooser({});
    }

    void everyTextColourReadsOnEveryStyle()
    {
        std::vector<std::uint32_t> colours{0x0000FF, 0x008000, 0x00C0C0}; // the timestamp's three
        for (KelpLib::MsgVariant variant : KelpLib::allMsgVariants)
            if (variant != KelpLib::MsgVariant::Hidden)
                colours.push_back(KelpLib::MsgVariantToColour(variant));
        for (std::int32_t code : {-1, 0, 10, 11, 12, 13, 14, 15, 99})
            colours.push_back(CommonLib::logRowColour(code));
        for (const ZrlApp::VisualStyle& style : ZrlApp::visualStyles()) {
            const QPalette palette = ZrlApp::paletteOf(style.command);
            const std::pair<QPalette::ColorRole, QPalette::ColorRole> pairs[] = {
                {QPalette::Text, QPalette::Base},          {QPalette::WindowText, QPalette::Window},
                {QPalette::ButtonText, QPalette::Button},  {QPalette::HighlightedText, QPalette::Highlight},
                {QPalette::ToolTipText, QPalette::ToolTipBase}, {QPalette::PlaceholderText, QPalette::Base}};
            for (const auto& [text, back] : pairs)
                QVERIFY2(ZrlApp::contrastRatio(palette.color(text), palette.color(back)) >= 4.5,
                         qPrintable(style.label + QString::number(text)));
            for (std::uint32_t colour : colours) {
                const QColor wanted(int(colour & 0xFF), int(colour >> 8 & 0xFF), int(colour >> 16 & 0xFF));
                QVERIFY(ZrlApp::contrastRatio(ZrlApp::readableOn(wanted, palette.color(QPalette::Base)),
                                              palette.color(QPalette::Base)) >= 4.5);
                QVERIFY(ZrlApp::contrastRatio(ZrlApp::readableOn(palette.color(QPalette::Text), wanted), wanted) >= 4.5);
            }
        }
        // The older styles map to the nearest of the four; unknown values to silver.
        for (auto [stored, look] : {std::pair{210, 217}, {212, 215}, {213, 215}, {214, 217}, {216, 216}, {5, 217}})
            QCOMPARE(ZrlApp::nearestLook(stored), look);
        // The menu bar follows the chosen style.
        window->findChild<QActionGroup*>()->actions().at(1)->trigger();
        QCOMPARE(window->menuBar()->palette().color(QPalette::Window), ZrlApp::visualStyles()[1].window);
        QCOMPARE(window->settings().applicationLook(), 216);
    }

    void f1OpensTheManualWhichFindsAWord()
    {
        QTest::keyClick(window.get(), Qt::Key_F1);
        ZrlApp::HelpWindow* help = window->helpWindow();
        QVERIFY(help && help->isVisible());
        QVERIFY(help->contents()->topLevelItemCount() >= 1);
        QVERIFY(help->contents()->topLevelItem(0)->childCount() >= 8);
        QVERIFY(help->find(QStringLiteral("zrltool join")));
        QCOMPARE(help->text()->textCursor().selectedText(), QStringLiteral("zrltool join"));
        QVERIFY(!help->find(QStringLiteral("no such words anywhere")));
        QVERIFY(messages.isEmpty());
        QVERIFY(!help->loadManual(QStringLiteral(":/help/missing.md")));
        for (const char* shortcut : {"F1", "Ctrl+W", "Ctrl+Q", "F6", "Ctrl+C", "Ctrl+A"})
            QVERIFY2(shownIn(QString::fromLatin1(shortcut)), shortcut);
    }

    void layoutIsSavedAndRestored()
    {
        window->resize(900, 640);
        window->toolBar()->hide();
        window->logger()->logText("a row");
        QTest::qWait(20);
        QHeaderView* header = window->outputPane()->horizontalHeader();
        header->moveSection(2, 0); // Result first
        header->resizeSection(2, 321);
        window->saveSettings();
        window.reset();

        window = makeWindow();
        QTRY_COMPARE(window->outputPane()->horizontalHeader()->sectionSize(2), 321);
        QCOMPARE(window->outputPane()->horizontalHeader()->logicalIndex(0), 2);
        QCOMPARE(window->size(), QSize(900, 640));
        QVERIFY(!window->toolBar()->isVisible());
    }

    void firstStartFitsColumnsToContent()
    {
        window->logger()->logText(QString(80, QLatin1Char('x')).toStdString());
        QHeaderView* header = window->outputPane()->horizontalHeader();
        QTRY_VERIFY(header->sectionSize(2) >= window->outputPane()->fontMetrics().horizontalAdvance(QString(80, 'x')));
    }

    void clickingAHeaderSortsWithItsIndicator()
    {
        for (const char* text : {"b", "c", "a"})
            window->logger()->logText(text);
        ZrlApp::GridTableView* output = window->outputPane();
        QTRY_COMPARE(output->model()->rowCount(), 3);
        QHeaderView* header = output->horizontalHeader();
        const auto click = [&] {
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                              QPoint(header->sectionViewportPosition(2) + 5, header->height() / 2));
        };
        QStringList orders;
        for (int round = 0; round < 2; ++round) {
            click();
            QCOMPARE(header->sortIndicatorSection(), 2);
            QString order;
            for (int row = 0; row < 3; ++row)
                order += output->model()->index(row, 2).data().toString();
            orders << order + (header->sortIndicatorOrder() == Qt::AscendingOrder ? "+" : "-");
        }
        orders.sort();
        QCOMPARE(orders, (QStringList{"abc+", "cba-"}));
    }

    void everyEditorKindReachesSetCellText()
    {
        auto table = std::make_shared<EditedTable>();
        ZrlApp::GridTableView view;
        view.bindTable(table);
        view.setCellEditing(true);
        QAbstractItemDelegate* editors = view.itemDelegate();
        QStyleOptionViewItem option;
        const auto edit = [&](int row, int column, auto&& change) {
            const QModelIndex index = view.model()->index(row, column);
            std::unique_ptr<QWidget> editor(editors->createEditor(&view, option, index));
            QVERIFY(editor);
            editors->setEditorData(editor.get(), index);
            change(editor.get());
            editors->setModelData(editor.get(), view.model(), index);
        };
        edit(0, 0, [](QWidget* editor) {
            auto* box = qobject_cast<QComboBox*>(editor);
            QCOMPARE(box->count(), 2);
            box->setCurrentIndex(1);
        });
        edit(1, 0, [](QWidget* editor) { QCOMPARE(qobject_cast<QComboBox*>(editor)->itemText(0), QStringLiteral("only")); });
        edit(0, 1, [](QWidget* editor) {
            auto* line = qobject_cast<QLineEdit*>(editor);
            QCOMPARE(line->maxLength(), 6);
            line->clear();
            QTest::keyClicks(line, QStringLiteral("-1234.56")); // the fourth digit and the second decimal refused
            QCOMPARE(line->text(), QStringLiteral("-123.5"));
        });
        edit(0, 2, [](QWidget* editor) { qobject_cast<QLineEdit*>(editor)->setText(QStringLiteral("words")); });
        QVERIFY(!editors->createEditor(&view, option, view.model()->index(0, 3)));
        QVERIFY(view.model()->setData(view.model()->index(1, 3), Qt::Checked, Qt::CheckStateRole));
        QCOMPARE(table->edits, (std::vector<std::string>{"0 Choice=high", "1 Choice=only", "0 Number=-123.5",
                                                         "0 Text=words", "1 On=1"}));
        QCOMPARE(ZrlApp::NumericLimits{}.pattern(), QStringLiteral("\\d*"));
    }

    void ctrlCCopiesTheSelectedRowsAsTabSeparatedText()
    {
        for (const char* text : {"one", "two", "three"})
            window->logger()->logText(text);
        ZrlApp::GridTableView* output = window->outputPane();
        QTRY_COMPARE(output->model()->rowCount(), 3);
        output->setFocus();
        QTest::keyClick(output, Qt::Key_A, Qt::ControlModifier);
        output->selectionModel()->select(output->model()->index(1, 0),
                                         QItemSelectionModel::Deselect | QItemSelectionModel::Rows);
        QTest::keyClick(output, Qt::Key_C, Qt::ControlModifier);
        const QStringList lines = QApplication::clipboard()->text().split('\n');
        QCOMPARE(lines.size(), 4); // header, two rows, the empty end
        QCOMPARE(lines[0], QStringLiteral("Line\tTime\tResult\tError"));
        QVERIFY(lines[1].startsWith("0\t") && lines[1].contains("\tone\t"));
        QVERIFY(lines[2].startsWith("2\t") && lines[2].contains("\tthree\t"));
    }

    void cutOffCellsShowTheirTextAsATooltip()
    {
        const std::string longText(120, 'w');
        window->logger()->logText(longText);
        window->logger()->logText("short");
        ZrlApp::GridTableView* output = window->outputPane();
        QTRY_COMPARE(output->model()->rowCount(), 2);
        output->setColumnWidth(2, 60);
        const auto tipAt = [&](int row) {
            const QPoint at = output->visualRect(output->model()->index(row, 2)).center();
            QHelpEvent help(QEvent::ToolTip, at, output->viewport()->mapToGlobal(at));
            QApplication::sendEvent(output->viewport(), &help);
            return help.isAccepted() && QToolTip::isVisible() ? QToolTip::text() : QString();
        };
        QCOMPARE(tipAt(0), QString::fromStdString(longText));
        QCOMPARE(tipAt(1), QString());
    }

    void f6MovesBetweenPanes()
    {
        window->activateWindow();
        QTest::keyClick(window.get(), Qt::Key_F6);
        QWidget* first = QApplication::focusWidget();
        QVERIFY(first);
        QTest::keyClick(window.get(), Qt::Key_F6);
        QVERIFY(QApplication::focusWidget() != first);
        QTest::keyClick(window.get(), Qt::Key_F6, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), first);
    }

    void refusedLogsLeaveNoWindow_data()
    {
        QTest::addColumn<qint64>("size");
        QTest::addColumn<QString>("message");
        QTest::newRow("empty") << qint64(0) << QStringLiteral("ReadFile Function Error!");
        QTest::newRow("500000000 bytes") << qint64(500000000) << QStringLiteral("File Too Large");
    }

    void refusedLogsLeaveNoWindow()
    {
        QFETCH(qint64, size);
        QFETCH(QString, message);
        QFile file(folder->filePath("refused.zrl"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(size));
        file.close();
        window->openFile(file.fileName());
        QTRY_COMPARE_WITH_TIMEOUT(messages.size(), qsizetype(1), 20000);
        QVERIFY2(messages[0].startsWith(message) && messages[0].contains(file.fileName()), qPrintable(messages[0]));
        QTRY_VERIFY(window->documents().isEmpty());
        const auto log = window->logger();
        const std::uint32_t last = log->getRowCount() - 1;
        QCOMPARE(log->getRowBackColour(last), CommonLib::logRowColour(-1)); // red
        QVERIFY(log->getCellText(last, "Result").find(file.fileName().toStdString()) != std::string::npos);
    }

    void documentCommandsNeedADocumentAndRecentFilesShowTheirPath()
    {
        for (const char* name : {"export", "summary", "saveAs", "close"})
            QVERIFY2(!window->command(name)->isEnabled(), name);
        QCOMPARE(window->detailsPane()->fieldsList()->model()->columnCount(), 0);
        QCOMPARE(window->filterPane()->placeholder(), QStringLiteral("Open a log to see its messages"));
        ZrlApp::DocumentWindow* document = openLoaded();
        for (const char* name : {"export", "summary", "saveAs", "close"})
            QVERIFY2(window->command(name)->isEnabled(), name);
        const QColor base = QApplication::palette().color(QPalette::Base);
        for (int row = 0; row < 60; ++row)
            for (int column = 0; column < 3; ++column) {
                const QVariant colour = document->listModel()->index(row, column).data(Qt::ForegroundRole);
                QVERIFY(!colour.isValid() || ZrlApp::contrastRatio(colour.value<QColor>(), base) >= 4.5);
            }
        QCOMPARE(window->recentFilesMenu()->actions().at(0)->text(), QStringLiteral("&1 ") + demoPath);
        QCOMPARE(window->command("exit")->statusTip(), QStringLiteral("Quit the application"));
        QStringList tools;
        for (QAction* action : window->toolBar()->actions())
            if (!action->isSeparator())
                tools << action->objectName();
        QCOMPARE(tools, (QStringList{"open", "openMultiple", "export", "summary", "hideFastCan", "hideReassembled", "help"}));
        window->command("close")->trigger();
        QTRY_VERIFY(!window->command("export")->isEnabled());
    }

    void logExportFailuresAreReported_data()
    {
        QTest::addColumn<QString>("target");
        QTest::newRow("missing folder") << QStringLiteral("missing/log.csv");
        QTest::newRow("disk full") << QStringLiteral("full.csv");
    }

    void logExportFailuresAreReported()
    {
        QFETCH(QString, target);
        QVERIFY(QFile::link(QStringLiteral("/dev/full"), folder->filePath("full.csv")));
        const QString path = folder->filePath(target);
        ZrlApp::setCsvFileChooser([&](const QString&) { return path; });
        window->outputPane()->runCommand(CommonLib::Logger::exportCommand);
        QCOMPARE(messages.size(), qsizetype(1));
        QVERIFY2(messages[0].contains(path), qPrintable(messages[0]));
        const auto log = window->logger();
        const std::string last = log->getCellText(log->getRowCount() - 1, "Result");
        QVERIFY(last.find(path.toStdString()) != std::string::npos);
        QVERIFY(last.find(target.startsWith("missing") ? "No such file or directory" : "No space left on device") !=
                std::string::npos);
        QVERIFY(!QFileInfo(path).isFile());
    }

    void documentExportFailuresAreReported()
    {
        ZrlApp::DocumentWindow* document = openLoaded();
        QVERIFY(QFile::link(QStringLiteral("/dev/full"), folder->filePath("full.n2k.csv")));
        const std::pair<QString, QString> cases[] = {{folder->filePath("missing/x.csv"), "No such file or directory"},
                                                     {folder->filePath("full.csv"), "No space left on device"}};
        for (const auto& [path, reason] : cases)
            for (bool saveAs : {false, true}) {
                messages.clear();
                const std::uint32_t before = window->logger()->getRowCount();
                ZrlApp::setCsvFileChooser([&](const QString&) { return path; });
                saveAs ? void(document->saveAs(path)) : document->exportChosen(false);
                const QString n2k = QString(path).replace(".csv", ".n2k.csv");
                QCOMPARE(messages.size(), qsizetype(1));
                QCOMPARE(messages[0].split('\n').first(), QStringLiteral("Cannot write \"%1\": %2").arg(n2k, reason));
                QVERIFY(!QFileInfo(n2k).isFile() && !QFileInfo(n2k).isSymLink());
                bool redRow = false;
                for (std::uint32_t row = before; row < window->logger()->getRowCount(); ++row) {
                    const std::string text = window->logger()->getCellText(row, "Result");
                    QVERIFY(text != "Exported to " + n2k.toStdString());
                    redRow = redRow || (text.find(n2k.toStdString()) != std::string::npos &&
                                        window->logger()->getRowBackColour(row) == CommonLib::logRowColour(-1));
                }
                QVERIFY(redRow);
                // The symlink is gone after the first failure: the disk-full case needs it back.
                QFile::link(QStringLiteral("/dev/full"), folder->filePath("full.n2k.csv"));
            }
    }

    void mailWithoutAMailProgramKeepsTheFileAndOpensAMailtoLink()
    {
        {
            QSettings raw(folder->filePath("zrl.ini"), QSettings::IniFormat);
            raw.setValue("SupportAddress", "help@example.com");
            raw.setValue("MailProgram", folder->filePath("no-mailer"));
        }
        window = makeWindow();
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &catcher, "open");
        window->logger()->logText("mailed row");
        window->outputPane()->runCommand(CommonLib::Logger::emailCommand);
        QTRY_COMPARE(catcher.urls.size(), 1);
        QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
        QCOMPARE(catcher.urls[0].scheme(), QStringLiteral("mailto"));
        QCOMPARE(catcher.urls[0].path(), QStringLiteral("help@example.com"));
        QCOMPARE(messages, QStringList{ZrlApp::mailFallbackText(ZrlApp::supportMailFile(), "help@example.com")});
        QFile kept(ZrlApp::supportMailFile());
        QVERIFY(kept.open(QIODevice::ReadOnly));
        const QByteArray text = kept.readAll();
        QVERIFY(text.startsWith("Line, Time, Result, Error\r\n") && text.contains(", mailed row, "));
    }

private:
    // Whether a menu entry shows this shortcut.
    bool shownIn(const QString& shortcut) const
    {
        for (QAction* menu : window->menuBar()->actions())
            for (QAction* action : menu->menu()->actions())
                if (action->shortcut() == QKeySequence(shortcut))
                    return true;
        return false;
    }
};

QTEST_MAIN(ShellTest)
#include "ShellTest.moc"
