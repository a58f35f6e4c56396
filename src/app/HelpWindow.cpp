#include "app/HelpWindow.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitter>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace ZrlApp {

namespace {
constexpr int blockRole = Qt::UserRole;
}

HelpWindow::HelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), contentsTree(new QTreeWidget(this)), browser(new QTextBrowser(this)),
      search(new QLineEdit(this)), searchResult(new QLabel(this))
{
    setWindowTitle(QStringLiteral("ZRL Reader Help"));
    setObjectName(QStringLiteral("HelpWindow"));
    contentsTree->setHeaderLabel(QStringLiteral("Contents"));
    browser->setOpenExternalLinks(true);
    search->setPlaceholderText(QStringLiteral("Search the manual"));
    search->setClearButtonEnabled(true);
    auto* findButton = new QPushButton(QStringLiteral("&Find"), this);
    connect(search, &QLineEdit::returnPressed, this, [this] { find(search->text()); });
    connect(findButton, &QPushButton::clicked, this, [this] { find(search->text()); });
    connect(contentsTree, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (!item)
            return;
        QTextCursor cursor(browser->document()->findBlockByNumber(item->data(0, blockRole).toInt()));
        browser->setTextCursor(cursor);
        browser->verticalScrollBar()->setValue(
            static_cast<int>(browser->document()->documentLayout()->blockBoundingRect(cursor.block()).top()));
    });

    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(search, 1);
    searchRow->addWidget(findButton);
    searchRow->addWidget(searchResult);
    auto* splitter = new QSplitter(this);
    splitter->addWidget(contentsTree);
    splitter->addWidget(browser);
    splitter->setStretchFactor(1, 3);
    splitter->setSizes({260, 760});
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(searchRow);
    layout->addWidget(splitter, 1);
    resize(1040, 720);
}

bool HelpWindow::loadManual(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // Pictures the manual names ("images/plot.png") lie beside it.
    browser->setSearchPaths({QFileInfo(path).absolutePath()});
    browser->setMarkdown(QString::fromUtf8(file.readAll()));
    buildContents();
    return true;
}

void HelpWindow::buildContents()
{
    contentsTree->clear();
    std::vector<QTreeWidgetItem*> parents; // the last item of each heading level
    for (QTextBlock block = browser->document()->begin(); block.isValid(); block = block.next()) {
        const int level = block.blockFormat().headingLevel();
        if (level <= 0)
            continue;
        parents.resize(static_cast<std::size_t>(level));
        QTreeWidgetItem* parent = nullptr;
        for (int up = level - 2; up >= 0 && !parent; --up)
            parent = parents[static_cast<std::size_t>(up)];
        auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(contentsTree);
        item->setText(0, block.text());
        item->setData(0, blockRole, block.blockNumber());
        parents[static_cast<std::size_t>(level - 1)] = item;
    }
    contentsTree->expandAll();
}

void HelpWindow::showHeading(int index)
{
    QTreeWidgetItemIterator it(contentsTree);
    for (int at = 0; *it; ++it, ++at)
        if (at == index) {
            contentsTree->setCurrentItem(*it);
            return;
        }
}

bool HelpWindow::find(const QString& wanted)
{
    if (wanted.isEmpty())
        return false;
    bool found = browser->find(wanted);
    if (!found) {
        browser->moveCursor(QTextCursor::Start);
        found = browser->find(wanted);
    }
    searchResult->setText(found ? QString() : QStringLiteral("Not found"));
    return found;
}

} // namespace ZrlApp
