#include "app/ListTools.h"

#include "app/DocumentWindow.h"
#include "app/FilterBar.h"
#include "app/FindBar.h"
#include "app/GridTableView.h"
#include "app/ListNavigator.h"
#include "query/ElementMask.h"
#include "filter/ElementPredicate.h"
#include "filter/ShownList.h"

#include <QAction>
#include <QHeaderView>
#include <QLineEdit>
#include <QInputDialog>
#include <QMainWindow>
#include <QMenu>
#include <QSettings>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

namespace ZrlApp {

namespace {

const QString fieldColumnsKey = QStringLiteral("list/fieldColumns");
constexpr int noteMilliseconds = 5000;

QAction* addKey(QWidget& owner, const QString& text, const QKeySequence& key)
{
    auto* action = new QAction(text, &owner);
    action->setShortcut(key);
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    owner.addAction(action);
    return action;
}

} // namespace

ListTools::ListTools(DocumentWindow& window)
    : QObject(&window), window(window), filter(new FilterBar(&window)), finder(new FindBar(&window)),
      navigation(new ListNavigator(window.shown(), window.list(), this)),
      findOpen(addKey(window, QStringLiteral("Find..."), QKeySequence::Find)),
      findNext(addKey(window, QStringLiteral("Find Next"), QKeySequence(Qt::Key_F3))),
      findPrevious(addKey(window, QStringLiteral("Find Previous"), QKeySequence(Qt::SHIFT | Qt::Key_F3))),
      goToOpen(addKey(window, QStringLiteral("Go to..."), QKeySequence(Qt::CTRL | Qt::Key_G))),
      progressTimer(new QTimer(this))
{
    if (auto* layout = qobject_cast<QVBoxLayout*>(window.layout())) {
        layout->insertWidget(0, filter);
        layout->addWidget(finder);
    }
    finder->hide();

    connect(filter, &FilterBar::filterApplied, this, &ListTools::applyFilter);
    connect(finder, &FindBar::findRequested, this, [this](const QString&, bool forward) { find(forward); });
    connect(findOpen, &QAction::triggered, finder, &FindBar::open);
    connect(findNext, &QAction::triggered, this, [this] { find(true); });
    connect(findPrevious, &QAction::triggered, this, [this] { find(false); });
    connect(goToOpen, &QAction::triggered, this, [this] {
        bool accepted = false;
        const QString text = QInputDialog::getText(&this->window, QStringLiteral("Go to"),
                                                   QStringLiteral("Line number or time (hh:mm:ss.mmm):"),
                                                   QLineEdit::Normal, QString(), &accepted);
        if (accepted)
            goTo(text);
    });
    connect(navigation, &ListNavigator::note, this, &ListTools::showNote);

    progressTimer->setInterval(200);
    connect(progressTimer, &QTimer::timeout, this, [this] {
        if (navigation->busy())
            showNote(QStringLiteral("Searching... %1 %").arg(navigation->percentDone()));
        const std::size_t elements = this->window.isLoaded() ? this->window.doc().elementCount() : 0;
        if (applying() && elements > 0)
            showNote(QStringLiteral("Applying the filter... %1 %").arg(applyProgress.load() * 100 / elements));
    });
    progressTimer->start();

    QHeaderView* header = window.list()->horizontalHeader();
    header->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(header, &QWidget::customContextMenuRequested, this, &ListTools::showHeaderMenu);
    setFieldColumns(rememberedFieldColumns());
}

ListTools::~ListTools()
{
    navigation->stop();
    stopApplying();
}

void ListTools::stopApplying()
{
    ++applyGeneration;
    cancelApply = true;
    if (applyThread.joinable())
        applyThread.join();
    cancelApply = false;
}

void ListTools::applyFilter(std::shared_ptr<const KelpLib::DisplayFilter> displayFilter)
{
    if (!window.isLoaded()) {
        showNote(QStringLiteral("The log is still loading: apply the filter once it has loaded"));
        return;
    }
    navigation->stop();
    stopApplying();
    if (!displayFilter) {
        showFiltered(nullptr);
        return;
    }
    applyProgress = 0;
    const unsigned generation = applyGeneration;
    const KelpLib::ZRLDoc& document = window.doc();
    applyThread = std::thread([this, &document, displayFilter, generation] {
        auto mask = KelpLib::ElementMask::evaluate(document, *displayFilter, &cancelApply, &applyProgress);
        QMetaObject::invokeMethod(
            this,
            [this, mask, generation] {
                if (generation != applyGeneration || !applyThread.joinable())
                    return; // stopped or replaced since
                applyThread.join();
                showFiltered(mask);
            },
            Qt::QueuedConnection);
    });
}

namespace {

// The verdicts of a display filter as the shown list's extra condition.
class MaskPredicate final : public KelpLib::ElementPredicate {
public:
    explicit MaskPredicate(std::shared_ptr<const KelpLib::ElementMask> mask) : mask(std::move(mask)) {}
    bool keeps(const KelpLib::ZRLDoc& document, KelpLib::ElementLine line) const override
    {
        return mask->keeps(document, line.value);
    }

private:
    std::shared_ptr<const KelpLib::ElementMask> mask;
};

} // namespace

void ListTools::showFiltered(std::shared_ptr<const KelpLib::ElementMask> mask)
{
    window.shown().setPredicate(mask ? std::make_shared<MaskPredicate>(mask) : nullptr);
    window.refreshShown();
    showNote(mask ? QStringLiteral("The filter keeps %1 of %2 elements").arg(mask->keptCount()).arg(window.doc().elementCount())
                  : QString());
    emit filterApplied();
}

void ListTools::showNote(const QString& text)
{
    finder->setNote(text);
    if (auto* main = qobject_cast<QMainWindow*>(window.window()); main && !text.isEmpty())
        main->statusBar()->showMessage(text, noteMilliseconds);
}

void ListTools::find(bool forward)
{
    if (!window.isLoaded() || applying())
        return;
    if (finder->editor()->text().isEmpty()) {
        finder->open();
        return;
    }
    std::vector<KelpLib::ListColumn> columns = window.listModel()->columns();
    navigation->find(finder->editor()->text(), forward, std::move(columns));
}

void ListTools::goTo(const QString& text)
{
    if (window.isLoaded() && !applying())
        navigation->goTo(text);
}

QStringList ListTools::rememberedFieldColumns() { return QSettings().value(fieldColumnsKey).toStringList(); }

void ListTools::setFieldColumns(const QStringList& names)
{
    window.listModel()->setFieldColumns(names);
}

void ListTools::addFieldColumn(const QString& name)
{
    QStringList names = window.listModel()->fieldColumns();
    if (names.contains(name))
        return;
    names << name;
    setFieldColumns(names);
    QSettings().setValue(fieldColumnsKey, window.listModel()->fieldColumns());
}

void ListTools::removeFieldColumn(const QString& name)
{
    QStringList names = window.listModel()->fieldColumns();
    names.removeAll(name);
    setFieldColumns(names);
    QSettings().setValue(fieldColumnsKey, names);
}

void ListTools::offerFieldColumn(QMenu& menu, const GridTableView& details, const QModelIndex& index)
{
    const auto table = details.gridModel()->table();
    if (!index.isValid() || !table || table->getColumnNumber("Name") < 0)
        return;
    const QString name = QString::fromStdString(table->getCellText(static_cast<std::uint32_t>(index.row()), "Name"));
    if (name.isEmpty() || !KelpLib::DecodedField::known(name.toStdString()))
        return;
    menu.addSeparator();
    QAction* add = menu.addAction(QStringLiteral("Add as column"));
    add->setToolTip(QStringLiteral("Show \"%1\" as a column of the message list").arg(name));
    connect(add, &QAction::triggered, this, [this, name] { addFieldColumn(name); });
}

void ListTools::showHeaderMenu(const QPoint& position)
{
    QHeaderView* header = window.list()->horizontalHeader();
    const int field = window.listModel()->fieldColumnAt(header->logicalIndexAt(position));
    if (field < 0)
        return;
    const QString name = window.listModel()->fieldColumns().value(field);
    QMenu menu;
    QAction* remove = menu.addAction(QStringLiteral("Remove column \"%1\"").arg(name));
    if (menu.exec(header->mapToGlobal(position)) == remove)
        removeFieldColumn(name);
}

} // namespace ZrlApp
