#include "app/NetworkPane.h"

#include "analysis/BusLoadSeries.h"
#include "app/AnalysisTabs.h"

#include "app/AnalysisTableModel.h"
#include "app/DocumentWindow.h"
#include "app/NetworkJob.h"
#include "app/StatisticsDialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace ZrlApp {

namespace {

const std::vector<ZrlAnalysis::DeviceRow> noRows;

QPushButton* button(const QString& text, const QString& tip, QWidget* parent)
{
    auto* b = new QPushButton(text, parent);
    b->setToolTip(tip);
    return b;
}

}  // namespace

NetworkPane::NetworkPane(QWidget* parent)
    : QWidget(parent), status(new QLabel(this)), progress(new QProgressBar(this)), view(new QTableView(this)),
      model(new AnalysisTableModel<ZrlAnalysis::DeviceRow>(ZrlAnalysis::deviceColumns(), this)),
      showMessagesButton(button(QStringLiteral("Show its messages"),
                                QStringLiteral("Keep only the messages of the selected device's address in the list"), this)),
      showAllButton(button(QStringLiteral("Show all messages"), QStringLiteral("Show the messages of every source"), this)),
      statisticsButton(button(QStringLiteral("Statistics"),
                              QStringLiteral("Rates and intervals of the selected device's PGNs"), this)),
      allStatisticsButton(button(QStringLiteral("All statistics"),
                                 QStringLiteral("Rates and intervals of every PGN from every source"), this)),
      busLoadButton(button(QStringLiteral("Bus load"),
                           QStringLiteral("Frames per second and the estimated share of a 250 kbit/s bus"), this)),
      poll(new QTimer(this))
{
    progress->setRange(0, 1000);
    progress->setVisible(false);
    view->setModel(model);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->verticalHeader()->setVisible(false);
    view->setWordWrap(false);
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(view, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) { showRowMenu(at); });
    connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { updateActions(); });

    connect(showMessagesButton, &QPushButton::clicked, this, [this] { showMessagesOfSelected(); });
    connect(showAllButton, &QPushButton::clicked, this, [this] { showAllMessages(); });
    connect(statisticsButton, &QPushButton::clicked, this, [this] { openStatistics(true); });
    connect(allStatisticsButton, &QPushButton::clicked, this, [this] { openStatistics(false); });
    connect(busLoadButton, &QPushButton::clicked, this, [this] { openBusLoad(); });
    poll->setInterval(100);
    connect(poll, &QTimer::timeout, this, [this] { updateProgress(); });

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {showMessagesButton, showAllButton, statisticsButton, allStatisticsButton, busLoadButton})
        buttons->addWidget(b);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addLayout(buttons);
    layout->addWidget(status);
    layout->addWidget(progress);
    layout->addWidget(view);
    setDocument(nullptr);
}

NetworkPane::~NetworkPane() = default;

const std::vector<ZrlAnalysis::DeviceRow>& NetworkPane::rows() const { return model->rows(); }

void NetworkPane::setDocument(DocumentWindow* window)
{
    if (document && document->isLoaded())
        disconnect(document->network(), nullptr, this, nullptr);
    document = window;
    model->setRows({});
    poll->stop();
    progress->setVisible(false);
    NetworkJob* job = document && document->isLoaded() ? document->network() : nullptr;
    if (!job) {
        status->setText(document ? QStringLiteral("Loading...") : QStringLiteral("No document"));
        updateActions();
        return;
    }
    if (job->isFinished()) {
        onTablesReady();
        return;
    }
    disconnect(job, nullptr, this, nullptr);
    connect(job, &NetworkJob::finished, this, [this] { onTablesReady(); });
    status->setText(QStringLiteral("Reading the network..."));
    progress->setValue(0);
    progress->setVisible(true);
    poll->start();
    updateActions();
}

std::shared_ptr<const ZrlAnalysis::NetworkTables> NetworkPane::currentTables() const
{
    if (!document || !document->isLoaded())
        return nullptr;
    NetworkJob* job = document->network();
    return job ? job->tables() : nullptr;
}

void NetworkPane::onTablesReady()
{
    poll->stop();
    progress->setVisible(false);
    const auto tables = currentTables();
    if (!tables)
        return;
    model->setRows(tables->devices);
    view->resizeColumnsToContents();
    const std::size_t conflicts = tables->addressChanges.size();
    status->setText(QStringLiteral("%1 devices, %2 PGN and source pairs%3")
                        .arg(tables->devices.size())
                        .arg(tables->statistics.size())
                        .arg(conflicts ? QStringLiteral(", %1 address changes (see Output)").arg(conflicts) : QString()));
    updateActions();
    emit tablesShown();
}

void NetworkPane::updateProgress()
{
    if (!document || !document->isLoaded() || !document->network())
        return;
    progress->setValue(int(document->network()->progress() * 1000));
}

void NetworkPane::updateActions()
{
    const bool ready = currentTables() != nullptr;
    const bool selected = ready && selectedAddress().has_value();
    showMessagesButton->setEnabled(selected);
    statisticsButton->setEnabled(selected);
    showAllButton->setEnabled(ready && document->shownSource().has_value());
    allStatisticsButton->setEnabled(ready);
    busLoadButton->setEnabled(ready && !currentTables()->busLoad.frames.empty());
}

std::optional<std::uint8_t> NetworkPane::selectedAddress() const
{
    const QModelIndexList selected = view->selectionModel()->selectedRows();
    if (selected.isEmpty() || selected.front().row() >= int(model->rows().size()))
        return std::nullopt;
    return model->row(selected.front().row()).address;
}

void NetworkPane::showMessagesOfSelected()
{
    const auto address = selectedAddress();
    if (!address || !document || !document->isLoaded())
        return;
    document->showOnlySource(address);
    updateActions();
}

void NetworkPane::showAllMessages()
{
    if (!document || !document->isLoaded())
        return;
    document->showOnlySource(std::nullopt);
    updateActions();
}

StatisticsDialog* NetworkPane::openStatistics(bool ofSelectedDevice)
{
    const auto tables = currentTables();
    const auto address = selectedAddress();
    if (!tables || (ofSelectedDevice && !address))
        return nullptr;
    auto* dialog = new StatisticsDialog(tables, ofSelectedDevice ? address : std::nullopt, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(dialog, &StatisticsDialog::busLoadRequested, this, [this] { openBusLoad(); });
    dialog->show();
    return dialog;
}

PlotWindow* NetworkPane::openBusLoad()
{
    const auto tables = currentTables();
    if (!tables || !document || tables->busLoad.frames.empty())
        return nullptr;
    ZrlAnalysis::BusLoadSeries series = ZrlAnalysis::busLoadSeries(tables->busLoad);
    AnalysisTabs* tabs = document->analysisTabs();
    tabs->addComputedSeries(QStringLiteral("Bus load \u00B7 frames per second"), QStringLiteral("frames/s"),
                            std::move(series.frames));
    tabs->addComputedSeries(QStringLiteral("Bus load \u00B7 share of a 250 kbit/s bus"), QStringLiteral("%"),
                            std::move(series.share));
    return tabs->plotWindow();
}

void NetworkPane::showRowMenu(const QPoint& position)
{
    if (!selectedAddress())
        return;
    QMenu menu(this);
    menu.addAction(QStringLiteral("Show its messages"), this, [this] { showMessagesOfSelected(); });
    menu.addAction(QStringLiteral("Statistics"), this, [this] { openStatistics(true); });
    menu.exec(view->viewport()->mapToGlobal(position));
}

}  // namespace ZrlApp
