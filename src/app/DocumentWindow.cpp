#include "app/DocumentWindow.h"

#include "common/KorvErr.h"

#include <QFileInfo>
#include <QHeaderView>
#include <QVBoxLayout>

namespace ZrlApp {

namespace {
constexpr std::int32_t fileNotFoundCode = -198;
}

DocumentWindow::DocumentWindow(const QString& path, std::shared_ptr<CommonLib::ILogger> logger,
                               const KelpLib::ViewSettings& view, QWidget* parent)
    : QWidget(parent), filePath(path), document(std::make_unique<KelpLib::ZRLDoc>()),
      listView(new QTableView(this)), model(new MessageListModel(*document, this))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QFileInfo(path).fileName());
    bytesInFile = QFileInfo(path).size();
    if (logger)
        document->setLogger(std::move(logger));
    document->setViewSettings(view);

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
    connect(listView->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current, const QModelIndex&) {
                if (current.isValid())
                    onRowSelected(current.row());
            });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(listView);
}

DocumentWindow::~DocumentWindow()
{
    if (loader.joinable())
        loader.join();
}

void DocumentWindow::startLoad()
{
    if (loader.joinable())
        return;
    const std::string path = filePath.toStdString();
    KelpLib::ZRLDoc* target = document.get();
    loader = std::thread([this, path, target] {
        LoadOutcome outcome = LoadOutcome::Loaded;
        try {
            target->open(path);
        } catch (const CommonLib::KorvErr& error) {
            // Other read failures leave the document as the failed load left it.
            if (error.getCode() == fileNotFoundCode)
                outcome = LoadOutcome::FileNotFound;
        } catch (...) {
            outcome = LoadOutcome::Failed;
        }
        QMetaObject::invokeMethod(this, [this, outcome] { onLoadEnded(outcome); }, Qt::QueuedConnection);
    });
}

void DocumentWindow::onLoadEnded(LoadOutcome outcome)
{
    if (loader.joinable())
        loader.join();
    loaded = true;
    filter = std::make_shared<KelpLib::PGNFilterGridAdaptor>(document->filters());
    model->reset();
    sizeColumns();
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
    document->setViewSettings(view);
    model->reset();
}

void DocumentWindow::refreshShown()
{
    if (!loaded)
        return;
    document->refreshShown();
    model->reset();
}

void DocumentWindow::onRowSelected(int row)
{
    if (!loaded || row < 0 || static_cast<std::size_t>(row) >= document->shownCount())
        return;
    const KelpLib::ZRLDocIterator element = document->begin(static_cast<std::size_t>(row));
    for (KelpLib::IZRLDocObs* observer : document->observers())
        observer->onElementSelected(element);
}

} // namespace ZrlApp
