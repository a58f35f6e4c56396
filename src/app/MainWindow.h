#pragma once
// The main window: documents in a multiple-document area, the "Output", "Message Details"
// and "Grid View Filters" panes, the menus, the toolbar and the view switches.
#include "app/AppSettings.h"
#include "app/DetailsPane.h"
#include "app/DocumentWindow.h"
#include "app/GridTableView.h"
#include "filter/ViewSettings.h"
#include "log/ZRLDoc.h"

#include <QMainWindow>
#include <QPointer>

#include <memory>

class QAction;
class QActionGroup;
class QMdiArea;
class QMenu;
class QProgressBar;
class QTimer;
class QToolBar;

namespace CommonLib {
class Logger;
}

namespace ZrlApp {

class NetworkPane;

class HelpWindow;
class PlotFieldMenu;

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(std::unique_ptr<AppSettings> settings, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Opens one log in a new document window; loading continues in the background. A log the
    // document refuses is reported and its window closed.
    DocumentWindow* openFile(const QString& path);
    // Joins the files into a composite beside the first of them and opens it; null when
    // fewer than two files are given or the composite cannot be written.
    DocumentWindow* openMultipleFiles(const QStringList& paths);

    QList<DocumentWindow*> documents() const;
    DocumentWindow* activeDocument() const;

    const KelpLib::ViewSettings& viewSettings() const { return view; }
    QAction* hideFastCanAction() const { return hideFramesAction; }
    QAction* hideReassembledAction() const { return hideAssembledAction; }
    // The commands by their object names ("open", "export", "close", "help", ...).
    QAction* command(const QString& name) const;
    QToolBar* toolBar() const { return tools; }
    QMenu* recentFilesMenu() const { return recentMenu; }
    DetailsPane* detailsPane() const { return details; }
    PlotFieldMenu* plotFieldMenu() const { return plotMenu; }
    GridTableView* filterPane() const { return filterList; }
    NetworkPane* networkPane() const { return network; }
    GridTableView* outputPane() const { return outputList; }
    HelpWindow* helpWindow() const;
    std::shared_ptr<CommonLib::Logger> logger() const { return log; }
    AppSettings& settings() { return *appSettings; }

    // Writes the view switches, the style and the window layout to the settings.
    void saveSettings();
    // Moves the keyboard focus to the next (or previous) pane: the active document's list,
    // then each shown dock.
    void focusNextPane(bool forward);

signals:
    void documentLoaded(ZrlApp::DocumentWindow* window);

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QAction* makeAction(const QString& name, const QString& text, const QString& tip, std::function<void()> run,
                        const QKeySequence& key = {});
    void createActions();
    void createPanes();
    void createMenus();
    void createFileMenu();
    void createEditMenu();
    void createViewMenu();
    void createHelpMenu();
    void createToolBar();
    void restoreLayout();
    void refreshRecentMenu();
    void updateDocumentCommands();
    void chooseAndOpen();
    void chooseAndOpenMultiple();
    void onLoadFinished(DocumentWindow* window, DocumentWindow::LoadOutcome outcome);
    void reportOpenFailure(DocumentWindow* window, DocumentWindow::LoadOutcome outcome);
    void onActiveDocumentChanged();
    // Runs a document command on the active document once it has loaded.
    void withLoadedDocument(void (DocumentWindow::*command)());
    void onFilterEdited();
    void applyViewToDocuments();
    void selectLook(int command);
    void updateProgress();
    // Shows the element at line of the document in the details pane.
    void showElement(DocumentWindow* window, KelpLib::ElementLine line);
    void showHelp();
    void showAbout();
    // The list that has the keyboard focus, else the active document's list.
    QTableView* focusedList() const;

    std::unique_ptr<AppSettings> appSettings;
    KelpLib::ViewSettings view;
    std::shared_ptr<CommonLib::Logger> log;
    QMdiArea* mdi;
    GridTableView* outputList = nullptr;
    DetailsPane* details = nullptr;
    PlotFieldMenu* plotMenu = nullptr;
    // The document whose element the details pane shows.
    const KelpLib::ZRLDoc* detailsSource = nullptr;
    GridTableView* filterList = nullptr;
    NetworkPane* network = nullptr;
    QAction* hideFramesAction = nullptr;
    QAction* hideAssembledAction = nullptr;
    // The commands that need a loaded document.
    QList<QAction*> documentCommands;
    QActionGroup* lookGroup = nullptr;
    QMenu* recentMenu = nullptr;
    QToolBar* tools = nullptr;
    QPointer<HelpWindow> help;
    QProgressBar* progress;
    QTimer* progressTimer;
};

} // namespace ZrlApp
