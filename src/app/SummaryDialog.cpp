#include "app/SummaryDialog.h"

#include "app/ListHelpers.h"

#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace ZrlApp {

namespace {

struct SummaryColumn {
    const char* name;
    int width;
};

constexpr SummaryColumn summaryColumns[] = {{"PGN", 50}, {"Description", 240}, {"Count", 50}};

QTableWidgetItem* readOnlyItem(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    return item;
}

} // namespace

SummaryDialog::SummaryDialog(const std::vector<KelpLib::PgnSummaryEntry>& entries, QWidget* parent)
    : QDialog(parent), list(new QTableWidget(static_cast<int>(entries.size()), 3, this))
{
    setWindowTitle(QStringLiteral("Summary"));
    list->setObjectName(QStringLiteral("Table"));
    list->verticalHeader()->setVisible(false);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setWordWrap(false);
    for (int column = 0; column < 3; ++column) {
        list->setHorizontalHeaderItem(column, new QTableWidgetItem(QString::fromLatin1(summaryColumns[column].name)));
        list->setColumnWidth(column, summaryColumns[column].width);
    }
    for (std::size_t row = 0; row < entries.size(); ++row) {
        const auto& entry = entries[row];
        const int at = static_cast<int>(row);
        list->setItem(at, 0, readOnlyItem(QString::number(entry.pgn)));
        list->setItem(at, 1, readOnlyItem(QString::fromStdString(entry.description)));
        list->setItem(at, 2, readOnlyItem(QString::number(entry.count)));
    }
    // Never narrower than the content (a six-digit PGN, a long description).
    list->resizeColumnsToContents();
    for (int column = 0; column < 3; ++column)
        list->setColumnWidth(column, std::max(list->columnWidth(column), summaryColumns[column].width));
    installListHelpers(list);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(list);
    // Wide enough for the three columns; the list fills the window.
    int width = 40;
    for (int column = 0; column < 3; ++column)
        width += list->columnWidth(column);
    resize(width, 420);
}

} // namespace ZrlApp
