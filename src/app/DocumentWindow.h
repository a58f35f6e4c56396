#pragma once
// One opened log: the document, the thread that loads it, its message list and its PGN
// filter grid. The document is touched only by the loading thread until the load has
// ended, then only by the window thread.
#include "app/MessageListModel.h"
#include "filter/PGNFilterGridAdaptor.h"
#include "filter/ShownList.h"
#include "filter/ViewSettings.h"
#include "log/ZRLDoc.h"

#include <QTableView>
#include <QWidget>

#include <atomic>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

class QMenu;
class QSplitter;

namespace CommonLib {
class ILogger;
}

namespace ZrlApp {

class AnalysisTabs;
class NetworkJob;
class ListTools;

class DocumentWindow : public QWidget {
    Q_OBJECT
public:
    enum class LoadOutcome { Loaded, FileNotFound, Failed };

    DocumentWindow(const QString& path, std::shared_ptr<CommonLib::ILogger> logger,
                   const KelpLib::ViewSettings& view, QWidget* parent = nullptr);
    // Waits for the loading thread.
    ~DocumentWindow() override;

    // Starts the loading thread.
    void startLoad();
    bool isLoaded() const { return loaded; }
    // Why the load failed: the catalogue code and the reader's text (empty after a good load).
    std::int32_t loadErrorCode() const { return errorCode; }
    const QString& loadErrorText() const { return errorText; }
    const QString& path() const { return filePath; }
    qint64 fileSize() const { return bytesInFile; }
    // Bytes parsed so far; safe while loading.
    std::uint64_t bytesParsed() const { return document->bytesParsed(); }

    // Only after the load has ended.
    KelpLib::ZRLDoc& doc() { return *document; }
    KelpLib::ShownList& shown() { return *shownList; }
    const KelpLib::ShownList& shown() const { return *shownList; }
    std::shared_ptr<KelpLib::PGNFilterGridAdaptor> filterGrid() const { return filter; }
    QTableView* list() const { return listView; }
    MessageListModel* listModel() const { return model; }
    // The "Plot" and "Track" tabs below the list, made on first use; only after the load.
    AnalysisTabs* analysisTabs();
    // The filter bar, find, go to and field columns of the list.
    ListTools* listTools() const { return tools; }

    // Sets the column widths from the document's columns (characters times the font's
    // average character width).
    void sizeColumns();
    // Applies the view switches and shows what now passes the filter.
    void applyViewSettings(const KelpLib::ViewSettings& view);
    // Shows what passes the filter after the PGN filter or the predicate was edited. The
    // selected element stays selected when it is still shown, else the nearest shown one.
    void refreshShown();
    // The element of the list's current row, if any.
    std::optional<KelpLib::ElementLine> currentLine() const;
    // Makes the shown element nearest to line the current row and scrolls to it.
    void selectNearest(KelpLib::ElementLine line);

    // The network tables of the loaded document (Network pane), built on a worker when first
    // asked for; null until the load has ended.
    NetworkJob* network();
    // "Show its messages": the display filter becomes "src == A" (cleared for none) and is
    // applied in the background; the PGN filter and view switches stay as they are.
    void showOnlySource(std::optional<std::uint8_t> source);
    // The source of the last showOnlySource while the filter bar still holds its text.
    std::optional<std::uint8_t> shownSource() const;

    // File > Summary: the PGNs of every element with their counts.
    void showSummary();
    // File > Export: the Export dialog, then exportChosen with its "Decoded" state.
    void exportDocument();
    // After the Export dialog's OK: "There is no data to export." for an empty document,
    // otherwise the CSV file dialog and the export of the filter's enabled PGNs.
    void exportChosen(bool decoded);
    // File > Save As: the CSV file dialog, then saveAs.
    void chooseAndSaveAs();
    // Runs the raw export of everything when the name ends in ".csv"; any other name writes
    // nothing. True when the export ran.
    bool saveAs(const QString& path);

    // Commands of the message list's right-click menu.
    enum ListCommand { exportPgnsCommand = 1, exportPgnsDecodedCommand = 2 };
    // The PGNs of the selected rows' NMEA 2000 messages and CAN frames, each once, in row order.
    std::vector<std::uint32_t> selectedPgns() const;
    // The right-click menu for the selected PGNs; null when no selected row has a PGN.
    QMenu* makeListMenu(QWidget* parent);
    // The CSV file dialog, then the export of the selected PGNs, raw or decoded.
    void exportSelectedPgns(ListCommand command);

signals:
    void loadFinished(ZrlApp::DocumentWindow* window, ZrlApp::DocumentWindow::LoadOutcome outcome);
    // The list's current row changed to the element at line.
    void elementSelected(ZrlApp::DocumentWindow* window, KelpLib::ElementLine line);

private:
    void onLoadEnded(LoadOutcome outcome);
    void onRowSelected(int row);
    // Runs the raw or decoded export; a file it could not write is said in a message box (the
    // export itself logs it).
    void runExport(bool decoded, const QString& path, const std::vector<std::uint32_t>& pgns);
    void showListMenu(const QPoint& position);

    QString filePath;
    qint64 bytesInFile = 0;
    std::unique_ptr<KelpLib::ZRLDoc> document;
    std::unique_ptr<KelpLib::ShownList> shownList;
    std::shared_ptr<KelpLib::PGNFilterGridAdaptor> filter;
    std::thread loader;
    bool loaded = false;
    std::int32_t errorCode = 0;
    QString errorText;
    QTableView* listView;
    MessageListModel* model;
    QSplitter* splitter;
    AnalysisTabs* analysis = nullptr;
    std::optional<std::uint8_t> onlySource;
    // Declared after the document: its pass is stopped before the document goes.
    std::unique_ptr<NetworkJob> networkJob;
    ListTools* tools;
};

} // namespace ZrlApp
