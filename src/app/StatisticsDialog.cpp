#include "app/StatisticsDialog.h"

#include "app/AnalysisTableModel.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>

namespace ZrlApp {

StatisticsDialog::StatisticsDialog(std::shared_ptr<const ZrlAnalysis::NetworkTables> tables,
                                   std::optional<std::uint8_t> source, QWidget* parent)
    : QDialog(parent), view(new QTableView(this))
{
    setWindowTitle(source ? QStringLiteral("Statistics of address %1").arg(*source) : QStringLiteral("Statistics"));
    auto* model = new AnalysisTableModel<ZrlAnalysis::PgnSourceStatistics>(ZrlAnalysis::statisticsColumns(), this);
    std::vector<ZrlAnalysis::PgnSourceStatistics> rows;
    for (const auto& row : tables->statistics)
        if (!source || row.source == *source)
            rows.push_back(row);
    model->setRows(std::move(rows));

    auto* sorted = new QSortFilterProxyModel(this);
    sorted->setSourceModel(model);
    sorted->setSortRole(Qt::UserRole);
    view->setModel(sorted);
    view->setSortingEnabled(true);
    view->sortByColumn(-1, Qt::AscendingOrder);  // first-met order until a header is clicked
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->verticalHeader()->setVisible(false);
    view->resizeColumnsToContents();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* busLoad = buttons->addButton(QStringLiteral("Bus load..."), QDialogButtonBox::ActionRole);
    busLoad->setEnabled(!tables->busLoad.frames.empty());
    connect(busLoad, &QPushButton::clicked, this, &StatisticsDialog::busLoadRequested);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(view);
    layout->addWidget(buttons);
    resize(900, 480);
}

}  // namespace ZrlApp
