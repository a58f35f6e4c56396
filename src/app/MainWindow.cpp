#include "app/MainWindow.h"

#include "app/ListTools.h"

#include "app/AboutDialog.h"
#include "app/AnalysisTabs.h"
#include "app/NetworkPane.h"
#include "app/ColumnLayout.h"
#include "app/HelpWindow.h"
#include "app/ListHelpers.h"
#include "app/PlotFieldMenu.h"
#include "app/UserMessages.h"
#include "app/VisualStyles.h"
#include "common/ErrorCatalogue.h"
#include "common/KorvErr.h"
#include "applog/Logger.h"
#include "log/CompositeLog.h"
#include "messages/KorvBuf.h"
#include "presentation/ElementPresentation.h"

#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QDockWidget>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QProgressBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QUrl>

#include <ctime>

namespace ZrlApp {

namespace {

const QString caption = QStringLiteral("ZRL Reader 2");
const QString fileFilter = QStringLiteral("Korvane ZRL Files (*.zrl *.txt)");

QDockWidget* makeDock(QMainWindow* window, const QString& title, QWidget* content, Qt::DockWidgetArea area)
{
    auto* dock = new QDockWidget(title, window);
    dock->setObjectName(title);
    dock->setWidget(content);
    window->addDockWidget(area, dock);
    return dock;
}

// The widget of a pane that takes the keyboard focus: the pane itself or its first list.
QWidget* focusTarget(QWidget* pane)
{
    if (!pane)
        return nullptr;
    if (pane->focusPolicy() != Qt::NoFocus)
        return pane;
    for (QWidget* child : pane->findChildren<QWidget*>())
        if (child->focusPolicy() & Qt::TabFocus && child->isVisible())
            return child;
    return nullptr;
}

} // namespace

MainWindow::MainWindow(std::unique_ptr<AppSettings> settings, QWidget* parent)
    : QMainWindow(parent), appSettings(std::move(settings)), view(appSettings->loadViewSettings()),
      log(std::make_shared<CommonLib::Logger>()), mdi(new QMdiArea(this)), progress(new QProgressBar(this)),
      progressTimer(new QTimer(this))
{
    setWindowTitle(caption);
    setAcceptDrops(true);
    mdi->setViewMode(QMdiArea::SubWindowView);
    setCentralWidget(mdi);
    connect(mdi, &QMdiArea::subWindowActivated, this, [this] { onActiveDocumentChanged(); });
    createActions();
    createPanes();
    createMenus();
    createToolBar();
    applyVisualStyle(appSettings->applicationLook());

    progress->setMaximumWidth(220);
    progress->setRange(0, 1000);
    progress->setVisible(false);
    statusBar()->addPermanentWidget(progress);
    statusBar()->showMessage(QStringLiteral("Ready"));
    progressTimer->setInterval(100);
    connect(progressTimer, &QTimer::timeout, this, [this] { updateProgress(); });
    resize(1280, 800);
    restoreLayout();
    updateDocumentCommands();
}

MainWindow::~MainWindow()
{
    // Documents wait for their loading threads while the panes and the log still exist.
    for (QMdiSubWindow* window : mdi->subWindowList())
        delete window;
}

QAction* MainWindow::makeAction(const QString& name, const QString& text, const QString& tip,
                                std::function<void()> run, const QKeySequence& key)
{
    auto* action = new QAction(text, this);
    action->setObjectName(name);
    action->setStatusTip(tip);
    action->setToolTip(tip);
    if (!key.isEmpty())
        action->setShortcut(key);
    connect(action, &QAction::triggered, this, [run = std::move(run)] { run(); });
    addAction(action); // shortcuts work while the menu bar is hidden too
    return action;
}

QAction* MainWindow::command(const QString& name) const { return findChild<QAction*>(name); }

HelpWindow* MainWindow::helpWindow() const { return help; }

void MainWindow::createActions()
{
    makeAction(QStringLiteral("open"), QStringLiteral("&Open..."), QStringLiteral("Open an existing document"),
               [this] { chooseAndOpen(); }, QKeySequence::Open);
    makeAction(QStringLiteral("openMultiple"), QStringLiteral("Open &Multiple..."),
               QStringLiteral("Open multiple existing documents"), [this] { chooseAndOpenMultiple(); });
    documentCommands = {
        makeAction(QStringLiteral("summary"), QStringLiteral("S&ummary..."), QStringLiteral("Open the summary window"),
                   [this] { withLoadedDocument(&DocumentWindow::showSummary); }),
        makeAction(QStringLiteral("export"), QStringLiteral("&Export..."), QStringLiteral("Export the active document"),
                   [this] { withLoadedDocument(&DocumentWindow::exportDocument); }, QKeySequence(QStringLiteral("Ctrl+E"))),
        makeAction(QStringLiteral("saveAs"), QStringLiteral("Save &As..."),
                   QStringLiteral("Save the active document with a new name"),
                   [this] { withLoadedDocument(&DocumentWindow::chooseAndSaveAs); }, QKeySequence::SaveAs),
        makeAction(QStringLiteral("close"), QStringLiteral("&Close"), QStringLiteral("Close the active document"),
                   [this] { mdi->closeActiveSubWindow(); }, QKeySequence(QStringLiteral("Ctrl+W"))),
    };
    makeAction(QStringLiteral("exit"), QStringLiteral("E&xit"), QStringLiteral("Quit the application"),
               [this] { close(); }, QKeySequence(QStringLiteral("Ctrl+Q")));
    makeAction(QStringLiteral("copy"), QStringLiteral("&Copy"),
               QStringLiteral("Copy the selected rows as tab-separated text"), [this] {
                   if (QTableView* list = focusedList())
                       QApplication::clipboard()->setText(selectedRowsAsText(*list));
               }, QKeySequence::Copy);
    makeAction(QStringLiteral("selectAll"), QStringLiteral("Select &All"), QStringLiteral("Select every row of the list"),
               [this] {
                   if (QTableView* list = focusedList())
                       list->selectAll();
               }, QKeySequence::SelectAll);
    makeAction(QStringLiteral("nextPane"), QStringLiteral("Next &Pane"), QStringLiteral("Move to the next pane"),
               [this] { focusNextPane(true); }, QKeySequence(Qt::Key_F6));
    makeAction(QStringLiteral("previousPane"), QStringLiteral("Pre&vious Pane"),
               QStringLiteral("Move to the previous pane"), [this] { focusNextPane(false); },
               QKeySequence(Qt::SHIFT | Qt::Key_F6));
    makeAction(QStringLiteral("help"), QStringLiteral("&Help"), QStringLiteral("Open the user manual"),
               [this] { showHelp(); }, QKeySequence::HelpContents);
    makeAction(QStringLiteral("about"), QStringLiteral("&About ZRL Reader ..."),
               QStringLiteral("Show the program's version"), [this] { showAbout(); });

    hideFramesAction = makeAction(QStringLiteral("hideFastCan"), QStringLiteral("Hide fast CAN packets"),
                                  QStringLiteral("Check this to hide the separate CAN packets that make up a fast packet transfer"),
                                  [this] {
                                      view.toggleHideAssemblyFrames();
                                      applyViewToDocuments();
                                  });
    hideFramesAction->setCheckable(true);
    hideFramesAction->setChecked(view.hideAssemblyFrames());
    hideAssembledAction = makeAction(QStringLiteral("hideReassembled"), QStringLiteral("Hide reassembled fast packets"),
                                     QStringLiteral("Check this to hide reassembled fast packet messages"), [this] {
                                         view.toggleHideAssembled();
                                         applyViewToDocuments();
                                     });
    hideAssembledAction->setCheckable(true);
    hideAssembledAction->setChecked(view.hideAssembled());
}

void MainWindow::createPanes()
{
    outputList = new GridTableView(this);
    outputList->setFont(QFont(QStringLiteral("Courier New"), 9));
    outputList->bindTable(log);
    outputList->setSupportMail({appSettings->supportAddress(), appSettings->mailProgram()});
    new ColumnLayout(outputList, *appSettings, QStringLiteral("output"));
    makeDock(this, QStringLiteral("Output"), outputList, Qt::BottomDockWidgetArea);

    details = new DetailsPane(this);
    details->fieldsList()->setCellEditing(true);
    new ColumnLayout(details->titleList(), *appSettings, QStringLiteral("details-title"));
    new ColumnLayout(details->fieldsList(), *appSettings, QStringLiteral("details-fields"));
    plotMenu = new PlotFieldMenu(*details->fieldsList());
    // "Add as column" on a decoded field, for the active document's list.
    connect(details->fieldsList(), &GridTableView::menuRequested, this, [this](QMenu* menu, const QModelIndex& index) {
        if (DocumentWindow* document = activeDocument(); document && document->isLoaded())
            document->listTools()->offerFieldColumn(*menu, *details->fieldsList(), index);
    });
    makeDock(this, QStringLiteral("Message Details"), details, Qt::RightDockWidgetArea);

    filterList = new GridTableView(this);
    filterList->setCellEditing(true);
    new ColumnLayout(filterList, *appSettings, QStringLiteral("filter"));
    connect(filterList, &GridTableView::tableEdited, this, [this] { onFilterEdited(); });
    QDockWidget* filterDock = makeDock(this, QStringLiteral("Grid View Filters"), filterList, Qt::LeftDockWidgetArea);

    network = new NetworkPane(this);
    tabifyDockWidget(filterDock, makeDock(this, QStringLiteral("Network"), network, Qt::LeftDockWidgetArea));
    filterDock->raise();
}

void MainWindow::createMenus()
{
    createFileMenu();
    createEditMenu();
    createViewMenu();
    createHelpMenu();
}

void MainWindow::createFileMenu()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->addActions({command(QStringLiteral("open")), command(QStringLiteral("openMultiple"))});
    file->addActions(documentCommands);
    file->addSeparator();
    recentMenu = file->addMenu(QStringLiteral("Recent File"));
    recentMenu->setToolTipsVisible(true);
    refreshRecentMenu();
    file->addSeparator();
    file->addAction(command(QStringLiteral("exit")));
}

void MainWindow::createEditMenu()
{
    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    edit->addActions({command(QStringLiteral("copy")), command(QStringLiteral("selectAll"))});
    edit->addSeparator();
    // Find and go to belong to each document's list, whose own keys run them; the menu entries
    // run the active document's and only show the keys.
    const auto listCommand = [this](const QString& name, const QString& text, const QString& tip,
                                    QAction* (ListTools::*which)() const, const QKeySequence& key) {
        QAction* action = makeAction(name, text + QLatin1Char('\t') + key.toString(QKeySequence::NativeText), tip, [this, which] {
            if (DocumentWindow* document = activeDocument(); document && document->isLoaded())
                (document->listTools()->*which)()->trigger();
        });
        documentCommands.push_back(action);
        return action;
    };
    edit->addActions({
        listCommand(QStringLiteral("find"), QStringLiteral("&Find..."),
                    QStringLiteral("Find text in the shown rows and their decoded values"), &ListTools::findAction,
                    QKeySequence::Find),
        listCommand(QStringLiteral("findNext"), QStringLiteral("Find &Next"), QStringLiteral("Find the next match"),
                    &ListTools::findNextAction, QKeySequence(Qt::Key_F3)),
        listCommand(QStringLiteral("findPrevious"), QStringLiteral("Find P&revious"),
                    QStringLiteral("Find the previous match"), &ListTools::findPreviousAction,
                    QKeySequence(Qt::SHIFT | Qt::Key_F3)),
        listCommand(QStringLiteral("goTo"), QStringLiteral("&Go to..."), QStringLiteral("Go to a line number or a time"),
                    &ListTools::goToAction, QKeySequence(Qt::CTRL | Qt::Key_G)),
    });
    edit->addSeparator();
    edit->addActions({command(QStringLiteral("nextPane")), command(QStringLiteral("previousPane"))});
}

void MainWindow::createViewMenu()
{
    QMenu* menu = menuBar()->addMenu(QStringLiteral("&View"));
    QMenu* looks = menu->addMenu(QStringLiteral("&Application Look"));
    lookGroup = new QActionGroup(this);
    const int stored = appSettings->applicationLook();
    for (const VisualStyle& style : visualStyles()) {
        QAction* action = looks->addAction(style.label);
        action->setCheckable(true);
        action->setData(style.command);
        action->setChecked(style.command == stored);
        lookGroup->addAction(action);
        connect(action, &QAction::triggered, this, [this, command = style.command] { selectLook(command); });
    }
    // Filled when shown: the docks of every pane, including those added later.
    QMenu* docking = menu->addMenu(QStringLiteral("&Toolbars and Docking Windows"));
    connect(docking, &QMenu::aboutToShow, this, [this, docking] {
        docking->clear();
        if (QMenu* list = createPopupMenu()) {
            docking->addActions(list->actions());
            list->setParent(docking);
        }
    });
    QAction* statusBarAction = menu->addAction(QStringLiteral("&Status Bar"));
    statusBarAction->setCheckable(true);
    statusBarAction->setChecked(true);
    connect(statusBarAction, &QAction::toggled, statusBar(), &QWidget::setVisible);
    menu->addSeparator();
    menu->addActions({hideFramesAction, hideAssembledAction});
    QAction* track = makeAction(QStringLiteral("track"), QStringLiteral("Track"),
                                QStringLiteral("Show the vessel's track from the positions of the active document"),
                                [this] {
                                    if (DocumentWindow* document = activeDocument(); document && document->isLoaded())
                                        document->analysisTabs()->showTrack();
                                });
    documentCommands.push_back(track);
    menu->addSeparator();
    menu->addAction(track);
}

void MainWindow::createHelpMenu()
{
    QMenu* menu = menuBar()->addMenu(QStringLiteral("&Help"));
    menu->addActions({command(QStringLiteral("help")), command(QStringLiteral("about"))});
}

void MainWindow::createToolBar()
{
    tools = addToolBar(QStringLiteral("Toolbar"));
    tools->setObjectName(QStringLiteral("Toolbar"));
    tools->setToolButtonStyle(Qt::ToolButtonTextOnly);
    tools->addActions({command(QStringLiteral("open")), command(QStringLiteral("openMultiple"))});
    tools->addSeparator();
    tools->addActions({command(QStringLiteral("export")), command(QStringLiteral("summary"))});
    tools->addSeparator();
    tools->addActions({hideFramesAction, hideAssembledAction});
    tools->addSeparator();
    tools->addAction(command(QStringLiteral("help")));
    // View > Toolbar, just below the docking list.
    QMenu* viewMenu = menuBar()->actions().at(2)->menu();
    QAction* toggle = tools->toggleViewAction();
    toggle->setText(QStringLiteral("&Toolbar"));
    toggle->setObjectName(QStringLiteral("showToolbar"));
    viewMenu->insertAction(viewMenu->actions().at(2), toggle);
}

void MainWindow::restoreLayout()
{
    const QByteArray geometry = appSettings->windowGeometry();
    if (!geometry.isEmpty())
        restoreGeometry(geometry);
    const QByteArray state = appSettings->windowState();
    if (!state.isEmpty() && restoreState(state))
        return;
    // First start: side panes wide enough for a PGN with its name and for a field's name and value.
    QList<QDockWidget*> sides;
    for (QDockWidget* dock : findChildren<QDockWidget*>())
        if (dockWidgetArea(dock) == Qt::LeftDockWidgetArea || dockWidgetArea(dock) == Qt::RightDockWidgetArea)
            sides << dock;
    resizeDocks(sides, QList<int>(sides.size(), 390), Qt::Horizontal);
}

void MainWindow::refreshRecentMenu()
{
    recentMenu->clear();
    const QStringList files = appSettings->recentFiles();
    for (int index = 0; index < files.size(); ++index) {
        const QString path = files[index];
        QAction* entry = recentMenu->addAction(QStringLiteral("&%1 %2").arg(index + 1).arg(QDir::toNativeSeparators(path)),
                                               this, [this, path] { openFile(path); });
        entry->setToolTip(path);
        entry->setStatusTip(path);
    }
    recentMenu->setEnabled(!files.isEmpty());
}

void MainWindow::updateDocumentCommands()
{
    DocumentWindow* document = activeDocument();
    const bool loaded = document && document->isLoaded();
    for (QAction* action : documentCommands)
        action->setEnabled(loaded);
    command(QStringLiteral("close"))->setEnabled(document != nullptr);
    const QString hint = documents().isEmpty() ? GridTableView::noDocumentText()
                                               : QStringLiteral("Select a message to see its fields");
    details->titleList()->setPlaceholder(hint);
    details->fieldsList()->setPlaceholder(hint);
}

DocumentWindow* MainWindow::openFile(const QString& path)
{
    auto* document = new DocumentWindow(path, log, view);
    auto* columns = new ColumnLayout(document->list(), *appSettings, QStringLiteral("messages"));
    columns->setFirstLayout([document] {
        // The document's widths in characters, widened where the content needs it.
        document->sizeColumns();
        ColumnLayout::fitColumnsToContent(*document->list(), true);
    });
    connect(document, &DocumentWindow::loadFinished, this,
            [this](DocumentWindow* window, DocumentWindow::LoadOutcome outcome) { onLoadFinished(window, outcome); });
    connect(document, &DocumentWindow::elementSelected, this, &MainWindow::showElement);
    QMdiSubWindow* sub = mdi->addSubWindow(document);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    connect(document, &QObject::destroyed, this, [this, source = &document->doc()] {
        if (detailsSource == source) {
            details->showGrid(nullptr);
            detailsSource = nullptr;
            plotMenu->setShown(nullptr, nullptr);
        }
        // After the sub-window has left the area.
        QTimer::singleShot(0, this, [this] { updateDocumentCommands(); });
    });
    sub->showMaximized();
    appSettings->addRecentFile(path);
    refreshRecentMenu();
    document->startLoad();
    progress->setValue(0);
    progress->setVisible(true);
    progressTimer->start();
    updateDocumentCommands();
    return document;
}

DocumentWindow* MainWindow::openMultipleFiles(const QStringList& paths)
{
    if (paths.size() < 2) {
        showMessage(this, MessageKind::Information, caption, QStringLiteral("More than one file must be selected"));
        return nullptr;
    }
    const std::string folder = QFileInfo(paths.constFirst()).absolutePath().toStdString();
    const std::string composite = KelpLib::compositeFileName(folder, std::time(nullptr));
    std::vector<std::string> inputs;
    for (const QString& path : paths)
        inputs.push_back(path.toStdString());
    try {
        KelpLib::writeCompositeLog(composite, inputs);
    } catch (const CommonLib::KorvErr& error) {
        showMessage(this, MessageKind::Information, caption,
                    QStringLiteral("Failed to load multiple files. ") + QString::fromStdString(error.what()));
        return nullptr;
    }
    return openFile(QString::fromStdString(composite));
}

void MainWindow::chooseAndOpen()
{
    const QStringList paths = QFileDialog::getOpenFileNames(this, QStringLiteral("Open"), QString(), fileFilter);
    for (const QString& path : paths)
        openFile(path);
}

void MainWindow::chooseAndOpenMultiple()
{
    const QStringList paths =
        QFileDialog::getOpenFileNames(this, QStringLiteral("Open Multiple"), QString(), fileFilter);
    if (!paths.isEmpty())
        openMultipleFiles(paths);
}

QList<DocumentWindow*> MainWindow::documents() const
{
    QList<DocumentWindow*> result;
    for (QMdiSubWindow* sub : mdi->subWindowList())
        if (auto* document = qobject_cast<DocumentWindow*>(sub->widget()))
            result.push_back(document);
    return result;
}

DocumentWindow* MainWindow::activeDocument() const
{
    QMdiSubWindow* sub = mdi->activeSubWindow();
    if (!sub && !mdi->subWindowList().isEmpty())
        sub = mdi->subWindowList().constLast();
    return sub ? qobject_cast<DocumentWindow*>(sub->widget()) : nullptr;
}

void MainWindow::onLoadFinished(DocumentWindow* window, DocumentWindow::LoadOutcome outcome)
{
    if (outcome != DocumentWindow::LoadOutcome::Loaded) {
        reportOpenFailure(window, outcome);
        return;
    }
    if (auto* columns = window->list()->findChild<ColumnLayout*>())
        columns->setKind(QStringLiteral("messages-%1").arg(window->doc().kind()));
    window->applyViewSettings(view);
    if (window == activeDocument())
        onActiveDocumentChanged();
    updateDocumentCommands();
    emit documentLoaded(window);
}

void MainWindow::reportOpenFailure(DocumentWindow* window, DocumentWindow::LoadOutcome outcome)
{
    const std::string path = window->path().toStdString();
    const std::int32_t code = window->loadErrorCode() != 0 ? window->loadErrorCode() : -186;
    log->logCode(code, "Cannot open \"%s\": %s", path.c_str(), window->loadErrorText().toStdString().c_str());
    // No empty document window stays behind.
    if (auto* sub = qobject_cast<QMdiSubWindow*>(window->parentWidget()))
        sub->close();
    if (outcome == DocumentWindow::LoadOutcome::FileNotFound) {
        appSettings->removeRecentFile(window->path());
        refreshRecentMenu();
        showMessage(this, MessageKind::Warning, QStringLiteral("File Error"),
                    QStringLiteral("File Not Found - file will be removed from most recently used menu"));
        return;
    }
    showMessage(this, MessageKind::Warning, QStringLiteral("File Error"),
                QString::fromUtf8(CommonLib::errorMessage(code)) + QStringLiteral("\n\n") + window->path() +
                    QStringLiteral("\n") + window->loadErrorText());
}

void MainWindow::withLoadedDocument(void (DocumentWindow::*command)())
{
    DocumentWindow* document = activeDocument();
    if (document && document->isLoaded())
        (document->*command)();
}

void MainWindow::onActiveDocumentChanged()
{
    DocumentWindow* document = activeDocument();
    if (document && document->isLoaded())
        filterList->bindTable(document->filterGrid()->findTable("fields"));
    else
        filterList->bindTable(nullptr);
    network->setDocument(document);
    updateDocumentCommands();
}

void MainWindow::onFilterEdited()
{
    if (DocumentWindow* document = activeDocument())
        document->refreshShown();
}

void MainWindow::applyViewToDocuments()
{
    for (DocumentWindow* document : documents())
        document->applyViewSettings(view);
}

void MainWindow::selectLook(int command)
{
    appSettings->setApplicationLook(command);
    applyVisualStyle(command);
}

void MainWindow::updateProgress()
{
    qint64 total = 0;
    qint64 done = 0;
    for (DocumentWindow* document : documents()) {
        if (document->isLoaded())
            continue;
        total += document->fileSize();
        done += static_cast<qint64>(document->bytesParsed());
    }
    if (total <= 0) {
        progress->setVisible(false);
        progressTimer->stop();
        return;
    }
    progress->setValue(static_cast<int>(std::min<qint64>(1000, done * 1000 / total)));
}

void MainWindow::saveSettings()
{
    appSettings->saveViewSettings(view);
    appSettings->setWindowLayout(saveGeometry(), saveState());
    appSettings->sync();
}

QTableView* MainWindow::focusedList() const
{
    for (QWidget* widget = QApplication::focusWidget(); widget; widget = widget->parentWidget())
        if (auto* list = qobject_cast<QTableView*>(widget))
            return list;
    DocumentWindow* document = activeDocument();
    return document ? document->list() : nullptr;
}

void MainWindow::focusNextPane(bool forward)
{
    QList<QWidget*> panes;
    if (DocumentWindow* document = activeDocument())
        panes << document->list();
    for (QDockWidget* dock : findChildren<QDockWidget*>())
        if (dock->isVisible())
            if (QWidget* target = focusTarget(dock->widget()))
                panes << target;
    if (panes.isEmpty())
        return;
    const QWidget* focused = QApplication::focusWidget();
    qsizetype current = -1;
    for (qsizetype index = 0; index < panes.size(); ++index)
        if (focused && (panes[index] == focused || panes[index]->isAncestorOf(focused) ||
                        (panes[index]->parentWidget() && panes[index]->parentWidget()->isAncestorOf(focused) &&
                         qobject_cast<QDockWidget*>(panes[index]->parentWidget()))))
            current = index;
    const qsizetype count = panes.size();
    const qsizetype next = current < 0 ? (forward ? 0 : count - 1) : (current + (forward ? 1 : count - 1)) % count;
    panes[next]->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
}

void MainWindow::showElement(DocumentWindow* window, KelpLib::ElementLine line)
{
    // The element's adapter refers to the element: it is dropped when its document closes.
    details->showGrid(KelpLib::elementGrid(window->doc().element(line)));
    detailsSource = &window->doc();
    plotMenu->setShown(&window->doc().element(line), window);
}

void MainWindow::showHelp()
{
    if (!QFile::exists(HelpWindow::manualPath())) {
        showMessage(this, MessageKind::Information, caption,
                    QStringLiteral("Help file not found!\r\n\r\n\"") + HelpWindow::manualPath() + QStringLiteral("\""));
        return;
    }
    if (!help) {
        help = new HelpWindow(this);
        help->setAttribute(Qt::WA_DeleteOnClose);
        help->loadManual();
    }
    help->show();
    help->raise();
    help->activateWindow();
}

void MainWindow::showAbout()
{
    AboutDialog dialog(this);
    dialog.exec();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    saveSettings();
    event->accept();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile())
            openFile(url.toLocalFile());
    event->acceptProposedAction();
}

} // namespace ZrlApp
