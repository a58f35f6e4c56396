#pragma once
// The "Network" pane: the devices on the bus of the active document, one row per source
// address and NAME claimed at it, built off the window thread with progress. A selected
// device offers "Show its messages" (the list keeps only messages from its address) and
// "Statistics" (its PGNs' rates and intervals); "All statistics" and "Bus load" cover the log.
#include "analysis/NetworkTables.h"

#include <QPointer>
#include <QWidget>

#include <memory>
#include <optional>

class QLabel;
class QProgressBar;
class QPushButton;
class QTableView;
class QTimer;

namespace ZrlApp {

class DocumentWindow;
class PlotWindow;
class StatisticsDialog;
template <typename Row>
class AnalysisTableModel;

class NetworkPane : public QWidget {
    Q_OBJECT
public:
    explicit NetworkPane(QWidget* parent = nullptr);
    ~NetworkPane() override;

    // The document whose network is shown: its tables are built on first showing. Null, or a
    // document still loading, empties the pane.
    void setDocument(DocumentWindow* document);

    QTableView* table() const { return view; }
    // The rows shown; empty while the tables are being built.
    const std::vector<ZrlAnalysis::DeviceRow>& rows() const;
    std::optional<std::uint8_t> selectedAddress() const;

    // "Show its messages": the list of the document keeps the messages of the selected
    // device's address only. "Show all messages" lifts that.
    void showMessagesOfSelected();
    void showAllMessages();
    // "Statistics" of the selected device, or of every source; the dialog stays open beside the
    // window and closes itself.
    StatisticsDialog* openStatistics(bool ofSelectedDevice);
    // "Bus load": frames per second and the estimated share of a 250 kbit/s bus, added to the
    // document's plot window; null without tables or traffic.
    PlotWindow* openBusLoad();

signals:
    // The tables of the current document are shown.
    void tablesShown();

private:
    void onTablesReady();
    void updateProgress();
    void updateActions();
    void showRowMenu(const QPoint& position);
    std::shared_ptr<const ZrlAnalysis::NetworkTables> currentTables() const;

    QPointer<DocumentWindow> document;
    QLabel* status;
    QProgressBar* progress;
    QTableView* view;
    AnalysisTableModel<ZrlAnalysis::DeviceRow>* model;
    QPushButton* showMessagesButton;
    QPushButton* showAllButton;
    QPushButton* statisticsButton;
    QPushButton* allStatisticsButton;
    QPushButton* busLoadButton;
    QTimer* poll;
};

}  // namespace ZrlApp
