#include "app/MainWindow.h"

#include "app/AboutDialog.h"
#include "app/AnalysisTabs.h"
#include "app/PlotFieldMenu.h"
#include "app/UserMessages.h"
#include "app/VisualStyles.h"
#include "common/KorvErr.h"
#include "common/Logger.h"
#include "log/CompositeLog.h"
#include "messages/KorvBuf.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDockWidget>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QProgressBar>
#include <QStatusBar>
#include <QTimer>
#include <QUrl>

#include <ctime>

namespace ZrlApp {

namespace {

const QString caption = QStringLiteral("ZRL Reader 2");
const QString fileFilter = QStringLiteral("Korvane ZRL Files (*.zrl *.txt)");
const QString helpFileName = QStringLiteral("ZRL Reader 2.html");

QDockWidget* makeDock(QMainWindow* window, const QString& title, QWidget* content, Qt::DockWidgetArea area)
{
    auto* dock = new QDockWidget(title, window);
    dock->setObjectName(title);
    dock->setWidget(content);
    window->addDockWidget(area, dock);
    return dock;
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
    createPanes();
    createMenus();
    applyVisualStyle(appSettings->applicationLook());

    progress->setMaximumWidth(220);
    progress->setRange(0, 1000);
    progress->setVisible(false);
    statusBar()->addPermanentWidget(progress);
    statusBar()->showMessage(QStringLiteral("Ready"));
    progressTimer->setInterval(100);
    connect(progressTimer, &QTimer::timeout, this, [this] { updateProgress(); });
    resize(1280, 800);
}

MainWindow::~MainWindow()
{
    // Documents wait for their loading threads while the panes and the log still exist.
    for (QMdiSubWindow* window : mdi->subWindowList())
        delete window;
}

void MainWindow::createPanes()
{
    outputList = new GridTableView(this);
    outputList->setFont(QFont(QStringLiteral("Courier New"), 9));
    outputList->bindTable(log);
    makeDock(this, QStringLiteral("Output"), outputList, Qt::BottomDockWidgetArea);

    details = new DetailsPane(this);
    plotMenu = new PlotFieldMenu(*details->fieldsList());
    makeDock(this, QStringLiteral("Message Details"), details, Qt::RightDockWidgetArea);

    filterList = new GridTableView(this);
    connect(filterList, &GridTableView::tableEdited, this, [this] { onFilterEdited(); });
    makeDock(this, QStringLiteral("Grid View Filters"), filterList, Qt::LeftDockWidgetArea);
}

void MainWindow::createMenus()
{
    createFileMenu();
    createViewMenu();
    createHelpMenu();
}

void MainWindow::createFileMenu()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    QAction* open = file->addAction(QStringLiteral("&Open..."), this, [this] { chooseAndOpen(); });
    open->setShortcut(QKeySequence::Open);
    open->setStatusTip(QStringLiteral("Open an existing document"));
    file->addAction(QStringLiteral("Open Multiple..."), this, [this] { chooseAndOpenMultiple(); })
        ->setStatusTip(QStringLiteral("Open multiple existing documents"));
    file->addAction(QStringLiteral("Summary..."), this, [this] { withLoadedDocument(&DocumentWindow::showSummary); })
        ->setStatusTip(QStringLiteral("Open the summary window"));
    file->addAction(QStringLiteral("Export..."), this, [this] { withLoadedDocument(&DocumentWindow::exportDocument); })
        ->setStatusTip(QStringLiteral("Export the active document"));
    file->addAction(QStringLiteral("Save &As..."), this,
                    [this] { withLoadedDocument(&DocumentWindow::chooseAndSaveAs); })
        ->setStatusTip(QStringLiteral("Save the active document with a new name"));
    file->addAction(QStringLiteral("&Close"), this, [this] { mdi->closeActiveSubWindow(); })
        ->setStatusTip(QStringLiteral("Close the active document"));
    file->addSeparator();
    recentMenu = file->addMenu(QStringLiteral("Recent File"));
    refreshRecentMenu();
    file->addSeparator();
    file->addAction(QStringLiteral("E&xit"), this, &QWidget::close)
        ->setStatusTip(QStringLiteral("Quit the application; prompts to save documents"));
}

void MainWindow::createViewMenu()
{
    QMenu* menu = menuBar()->addMenu(QStringLiteral("&View"));
    QMenu* looks = menu->addMenu(QStringLiteral("&Application Look"));
    lookGroup = new QActionGroup(this);
    const int stored = appSettings->applicationLook();
    bool anyChecked = false;
    for (const VisualStyle& style : visualStyles()) {
        QAction* action = looks->addAction(style.text);
        action->setCheckable(true);
        action->setData(style.command);
        action->setChecked(style.command == stored);
        anyChecked = anyChecked || style.command == stored;
        lookGroup->addAction(action);
        connect(action, &QAction::triggered, this, [this, command = style.command] { selectLook(command); });
    }
    if (!anyChecked)
        for (QAction* action : lookGroup->actions())
            action->setChecked(action->data().toInt() == AppSettings::defaultLook);
    menu->addMenu(createPopupMenu())->setText(QStringLiteral("&Toolbars and Docking Windows"));
    QAction* statusBarAction = menu->addAction(QStringLiteral("&Status Bar"));
    statusBarAction->setCheckable(true);
    statusBarAction->setChecked(true);
    connect(statusBarAction, &QAction::toggled, statusBar(), &QWidget::setVisible);

    hideFramesAction = menu->addAction(QStringLiteral("Hide fast CAN packets"));
    hideFramesAction->setCheckable(true);
    hideFramesAction->setChecked(view.hideAssemblyFrames());
    hideFramesAction->setStatusTip(
        QStringLiteral("Check this to hide the separate CAN packets that make up a fast packet transfer"));
    connect(hideFramesAction, &QAction::triggered, this, [this] {
        view.toggleHideAssemblyFrames();
        applyViewToDocuments();
    });
    hideAssembledAction = menu->addAction(QStringLiteral("Hide reassembled fast packets"));
    hideAssembledAction->setCheckable(true);
    hideAssembledAction->setChecked(view.hideAssembled());
    hideAssembledAction->setStatusTip(QStringLiteral("Check this to hide reassembled fast packet messages"));
    connect(hideAssembledAction, &QAction::triggered, this, [this] {
        view.toggleHideAssembled();
        applyViewToDocuments();
    });
    menu->addSeparator();
    menu->addAction(QStringLiteral("Track"), this, [this] {
            if (DocumentWindow* document = activeDocument(); document != nullptr && document->isLoaded())
                document->analysisTabs()->showTrack();
        })->setStatusTip(QStringLiteral("Show the vessel's track from the positions of the active document"));
}

void MainWindow::createHelpMenu()
{
    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->addAction(QStringLiteral("Help"), this, [this] { showHelp(); });
    help->addAction(QStringLiteral("&About ZRL Reader ..."), this, [this] { showAbout(); });
}

void MainWindow::refreshRecentMenu()
{
    recentMenu->clear();
    const QStringList files = appSettings->recentFiles();
    for (int index = 0; index < files.size(); ++index) {
        const QString path = files[index];
        recentMenu->addAction(QStringLiteral("&%1 %2").arg(index + 1).arg(QFileInfo(path).fileName()), this,
                              [this, path] { openFile(path); });
    }
    recentMenu->setEnabled(!files.isEmpty());
}

DocumentWindow* MainWindow::openFile(const QString& path)
{
    auto* document = new DocumentWindow(path, log, view);
    connect(document, &DocumentWindow::loadFinished, this,
            [this](DocumentWindow* window, DocumentWindow::LoadOutcome outcome) { onLoadFinished(window, outcome); });
    QMdiSubWindow* sub = mdi->addSubWindow(document);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    connect(document, &QObject::destroyed, this, [this, source = &document->doc()] {
        if (detailsSource == source) {
            details->showGrid(nullptr);
            detailsSource = nullptr;
            plotMenu->setShown(nullptr, nullptr);
        }
    });
    sub->showMaximized();
    appSettings->addRecentFile(path);
    refreshRecentMenu();
    document->startLoad();
    progress->setValue(0);
    progress->setVisible(true);
    progressTimer->start();
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
    if (outcome == DocumentWindow::LoadOutcome::FileNotFound) {
        appSettings->removeRecentFile(window->path());
        refreshRecentMenu();
        showMessage(this, MessageKind::Warning, QStringLiteral("File Error"),
                    QStringLiteral("File Not Found - file will be removed from most recently used menu"));
    } else if (outcome == DocumentWindow::LoadOutcome::Failed) {
        showMessage(this, MessageKind::Warning, caption, QStringLiteral("Failed to load document"));
    }
    window->doc().addObserver(this);
    window->applyViewSettings(view);
    if (window == activeDocument())
        onActiveDocumentChanged();
    emit documentLoaded(window);
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
    appSettings->sync();
}

void MainWindow::onElementSelected(KelpLib::ZRLDocIterator element)
{
    // The element's adapter refers to the element: it is dropped when its document closes.
    details->showGrid(element->gridAdapter());
    detailsSource = element.document();
    DocumentWindow* owner = nullptr;
    for (DocumentWindow* document : documents())
        if (&document->doc() == element.document())
            owner = document;
    plotMenu->setShown(&*element, owner);
}

void MainWindow::showHelp()
{
    const QFileInfo help(helpFileName);
    if (!help.exists())
        showMessage(this, MessageKind::Information, caption,
                    QStringLiteral("Help file not found!\r\n\r\n\"") + helpFileName + QStringLiteral("\""));
    QDesktopServices::openUrl(QUrl::fromLocalFile(help.absoluteFilePath()));
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
