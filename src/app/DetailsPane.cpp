#include "app/DetailsPane.h"

#include <QHeaderView>
#include <QSplitter>
#include <QVBoxLayout>

namespace ZrlApp {

DetailsPane::DetailsPane(QWidget* parent)
    : QWidget(parent), titles(new GridTableView(this)), fields(new GridTableView(this))
{
    setObjectName(QStringLiteral("Properties"));
    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->addWidget(titles);
    splitter->addWidget(fields);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 3);
    titles->horizontalHeader()->setVisible(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);
}

void DetailsPane::showGrid(std::shared_ptr<CommonLib::IGrid> shownGrid)
{
    grid = std::move(shownGrid);
    titles->bindTable(grid ? grid->findTable("title") : nullptr);
    fields->bindTable(grid ? grid->findTable("fields") : nullptr);
}

} // namespace ZrlApp
