#include "app/DocumentWindow.h"

#include "app/AnalysisTabs.h"
#include "app/CsvFileDialog.h"
#include "app/ExportDialog.h"
#include "app/FilterBar.h"
#include "app/NetworkJob.h"
#include "app/ListHelpers.h"
#include "app/ListTools.h"
#include "app/SummaryDialog.h"
#include "app/UserMessages.h"
#include "app/WriteFailure.h"
#include "common/KorvErr.h"
#include "export/DocumentExport.h"
#include "log/PgnSummary.h"

#include <QFileInfo>
#include <QHeaderView>
#include <QMenu>
#include <QSplitter>
#include <QVBoxLayout>

#include <algorithm>

namespace ZrlApp {

namespace {

QString sourceFilterText(std::uint8_t source) { return QStringLiteral("src == %1").arg(source); }
constexpr std::int32_t fileNotFoundCode = -198;
const QString caption = QStringLiteral("ZRL Reader 2");
} // namespace

DocumentWindow::DocumentWindow(const QString& path, std::shared_ptr<CommonLib::ILogger> logger,
                               const KelpLib::ViewSettings& view, QWidget* parent)
    : QWidget(parent), filePath(path), document(std::make_unique<KelpLib::ZRLDoc>()),
      shownList(std::make_unique<KelpLib::ShownList>(*document)), listView(new QTableView(this)),
      model(new MessageListModel(*shownList, this)),
      splitter(new QSplitter(Qt::Vertical, this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QFileInfo(path).fileName());
    bytesInFile = QFileInfo(path).size();
    if (logger)
        document->setLogger(std::move(logger));
    shownList->setViewSettings(view);

    listView->setModel(model);
    listView->setSelectionBehavior(QAbstractItemView::SelectRows);
    listView->setSelectionMode(QAbstractItemView::ExtendedSelection);
    listView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    listView->setShowGrid(true);
    listView->setWordWrap(false);
    listView->verticalHeader()->setVisible(false);
    listView->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    listView->verticalHeader()->setDefaultSectionSize(listView->fontMetrics().height() + 4);
    listView->horizontalHeader()->setStretchLastSection(true);
    listView->horizontalHeader()->setSectionsMovable(true);
    installListHelpers(listView);
    listView->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(listView, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& position) { showListMenu(position); });
    connect(listView->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current, const QModelIndex&) {
                if (current.isValid())
                    onRowSelected(current.row());
            });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    splitter->addWidget(listView);
    layout->addWidget(splitter);
    tools = new ListTools(*this);
}

DocumentWindow::~DocumentWindow()
{
    delete tools; // its searches read the document: they end first
    // The analysis worker reads the document too.
    delete analysis;
    if (loader.joinable())
        loader.join();
}

void DocumentWindow::startLoad()
{
    if (loader.joinable())
        return;
    const std::string path = filePath.toStdString();
    KelpLib::ZRLDoc* target = document.get();
    KelpLib::ShownList* shown = shownList.get();
    loader = std::thread([this, path, target, shown] {
        LoadOutcome outcome = LoadOutcome::Loaded;
        std::int32_t code = 0;
        std::string text;
        try {
            target->open(path);
            shown->rebuild();
        } catch (const CommonLib::KorvErr& error) {
            outcome = error.getCode() == fileNotFoundCode ? LoadOutcome::FileNotFound : LoadOutcome::Failed;
            code = error.getCode();
            text = error.what();
        } catch (const std::exception& error) {
            outcome = LoadOutcome::Failed;
            text = error.what();
        }
        QMetaObject::invokeMethod(
            this,
            [this, outcome, code, text] {
                errorCode = code;
                errorText = QString::fromStdString(text);
                onLoadEnded(outcome);
            },
            Qt::QueuedConnection);
    });
}

void DocumentWindow::onLoadEnded(LoadOutcome outcome)
{
    if (loader.joinable())
        loader.join();
    loaded = true;
    filter = std::make_shared<KelpLib::PGNFilterGridAdaptor>(shownList->sharedFilters());
    model->reset();
    emit loadFinished(this, outcome);
}

void DocumentWindow::sizeColumns()
{
    static const QString sample = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789");
    const int advance = listView->fontMetrics().horizontalAdvance(sample);
    const double average = advance > 0 ? advance / 62.0 + 0.5 : 10.0;
    const auto& columns = model->columns();
    for (std::size_t column = 0; column < columns.size(); ++column)
        listView->setColumnWidth(static_cast<int>(column), static_cast<int>(columns[column].width * average));
}

void DocumentWindow::applyViewSettings(const KelpLib::ViewSettings& view)
{
    if (!loaded)
        return;
    shownList->setViewSettings(view);
    refreshShown();
}

void DocumentWindow::refreshShown()
{
    if (!loaded)
        return;
    const std::optional<KelpLib::ElementLine> selected = currentLine();
    if (!shownList->refresh())
        return;
    model->reset();
    if (selected)
        selectNearest(*selected);
}

std::optional<KelpLib::ElementLine> DocumentWindow::currentLine() const
{
    const QModelIndex current = listView->currentIndex();
    if (!loaded || !current.isValid() || static_cast<std::size_t>(current.row()) >= shownList->size())
        return std::nullopt;
    return shownList->line(KelpLib::ShownRow(static_cast<std::uint32_t>(current.row())));
}

void DocumentWindow::selectNearest(KelpLib::ElementLine line)
{
    const std::optional<KelpLib::ShownRow> row = shownList->nearestRow(line);
    if (!row)
        return;
    const QModelIndex index = model->index(static_cast<int>(row->value), 0);
    listView->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    listView->scrollTo(index);
}

AnalysisTabs* DocumentWindow::analysisTabs()
{
    if (analysis == nullptr) {
        analysis = new AnalysisTabs(*this, splitter);
        splitter->addWidget(analysis);
        splitter->setSizes({height() / 2, height() / 2});
    }
    return analysis;
}

NetworkJob* DocumentWindow::network()
{
    if (!loaded)
        return nullptr;
    if (!networkJob) {
        networkJob = std::make_unique<NetworkJob>(*document);
        networkJob->start();
    }
    return networkJob.get();
}

void DocumentWindow::showOnlySource(std::optional<std::uint8_t> source)
{
    if (!loaded)
        return;
    onlySource = source;
    tools->filterBar()->setText(source ? sourceFilterText(*source) : QString());
    tools->filterBar()->apply();
}

std::optional<std::uint8_t> DocumentWindow::shownSource() const
{
    if (onlySource && tools->filterBar()->text() == sourceFilterText(*onlySource))
        return onlySource;
    return std::nullopt;
}

void DocumentWindow::onRowSelected(int row)
{
    if (!loaded || row < 0 || static_cast<std::size_t>(row) >= shownList->size())
        return;
    emit elementSelected(this, shownList->line(KelpLib::ShownRow(static_cast<std::uint32_t>(row))));
}

void DocumentWindow::showSummary()
{
    if (!loaded)
        return;
    SummaryDialog dialog(KelpLib::pgnSummary(*document), this);
    dialog.exec();
}

void DocumentWindow::exportDocument()
{
    if (!loaded)
        return;
    ExportDialog dialog(shownList->filters().enabledPgnList(), this);
    if (dialog.exec() == QDialog::Accepted)
        exportChosen(dialog.decodedChosen());
}

void DocumentWindow::exportChosen(bool decoded)
{
    if (!loaded)
        return;
    if (document->elementCount() == 0) {
        showMessage(this, MessageKind::Information, caption, QStringLiteral("There is no data to export."));
        return;
    }
    const QString path = chooseCsvFile(this, filePath);
    if (path.isEmpty())
        return;
    // The filter may have changed while the file dialog was open.
    runExport(decoded, path, shownList->filters().enabledPgnList());
}

void DocumentWindow::runExport(bool decoded, const QString& path, const std::vector<std::uint32_t>& pgns)
{
    // A PGN with one maker's definition unticked keeps only its other definitions' messages.
    KelpLib::ExportCondition keeps;
    if (shownList->filters().anyPgnSplit())
        keeps = [list = shownList.get(), definitions = std::make_shared<StandardsLib::DefinitionKeyCache>()](
                    std::size_t line) { return list->definitionKept(KelpLib::ElementLine(static_cast<std::uint32_t>(line)), *definitions); };
    const KelpLib::ExportOutcome outcome =
        decoded ? KelpLib::exportDecodedCsv(*document, *document->logger(), path.toStdString(), pgns, keeps)
                : KelpLib::exportCsv(*document, *document->logger(), path.toStdString(), pgns, keeps);
    reportExportFailures(this, outcome);
}

void DocumentWindow::chooseAndSaveAs()
{
    if (!loaded)
        return;
    const QString path = chooseCsvFile(this, filePath);
    if (!path.isEmpty())
        saveAs(path);
}

bool DocumentWindow::saveAs(const QString& path)
{
    if (!loaded || !path.endsWith(QStringLiteral(".csv")))
        return false;
    runExport(false, path, {});
    return true;
}

std::vector<std::uint32_t> DocumentWindow::selectedPgns() const
{
    std::vector<std::uint32_t> pgns;
    if (!loaded)
        return pgns;
    QModelIndexList rows = listView->selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end(), [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    for (const QModelIndex& index : rows) {
        if (index.row() < 0 || static_cast<std::size_t>(index.row()) >= shownList->size())
            continue;
        const KelpLib::ZRLElement& element = shownList->element(KelpLib::ShownRow(static_cast<std::uint32_t>(index.row())));
        const KelpLib::MsgVariant variant = element.effectiveVariant();
        if (variant != KelpLib::MsgVariant::N2k && variant != KelpLib::MsgVariant::CanFrame)
            continue;
        if (std::find(pgns.begin(), pgns.end(), element.pgn()) == pgns.end())
            pgns.push_back(element.pgn());
    }
    return pgns;
}

QMenu* DocumentWindow::makeListMenu(QWidget* parent)
{
    if (selectedPgns().empty())
        return nullptr;
    auto* menu = new QMenu(parent);
    menu->setToolTipsVisible(true);
    menu->addAction(QStringLiteral("Export this PGN to csv"))->setData(int(exportPgnsCommand));
    menu->addAction(QStringLiteral("Export this PGN to decoded csv"))->setData(int(exportPgnsDecodedCommand));
    return menu;
}

void DocumentWindow::showListMenu(const QPoint& position)
{
    std::unique_ptr<QMenu> menu(makeListMenu(this));
    if (!menu)
        return;
    if (QAction* chosen = menu->exec(listView->viewport()->mapToGlobal(position)))
        exportSelectedPgns(static_cast<ListCommand>(chosen->data().toInt()));
}

void DocumentWindow::exportSelectedPgns(ListCommand command)
{
    const std::vector<std::uint32_t> pgns = selectedPgns();
    if (pgns.empty())
        return;
    const QString path = chooseCsvFile(this, filePath);
    if (path.isEmpty())
        return;
    runExport(command == exportPgnsDecodedCommand, path, pgns);
}

} // namespace ZrlApp
