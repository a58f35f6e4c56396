#include "app/ListNavigator.h"

#include "filter/ShownList.h"
#include "query/GoToTarget.h"
#include "query/ListSearch.h"

#include <QTableView>

namespace ZrlApp {

ListNavigator::ListNavigator(const KelpLib::ShownList& shown, QTableView* list, QObject* parent)
    : QObject(parent), shown(shown), list(list)
{
}

ListNavigator::~ListNavigator() { stop(); }

void ListNavigator::stop()
{
    ++generation;
    cancel = true;
    if (worker.joinable())
        worker.join();
    cancel = false;
}

int ListNavigator::percentDone() const
{
    return total == 0 ? 100 : static_cast<int>(visited.load() * 100 / total);
}

void ListNavigator::find(const QString& text, bool forward, std::vector<KelpLib::ListColumn> columns)
{
    if (text.isEmpty())
        return;
    const QModelIndex current = list->currentIndex();
    const std::optional<std::size_t> from =
        current.isValid() ? std::optional<std::size_t>(static_cast<std::size_t>(current.row())) : std::nullopt;
    start(
        [this, search = KelpLib::ListSearch(text.toStdString(), std::move(columns)), from, forward] {
            return search.find(shown, from, forward, &cancel, &visited);
        },
        QStringLiteral("\"%1\" not found").arg(text));
}

void ListNavigator::goTo(const QString& text)
{
    const auto target = KelpLib::parseGoToTarget(text.toStdString());
    if (const auto* error = std::get_if<std::string>(&target)) {
        emit note(QString::fromStdString(*error));
        return;
    }
    start([this, target = std::get<KelpLib::GoToTarget>(target)] { return KelpLib::nearestShownRow(shown, target); },
          QStringLiteral("No rows are shown"));
}

void ListNavigator::start(std::function<std::optional<std::size_t>()> work, const QString& notFound)
{
    stop();
    total = shown.size();
    visited = 0;
    done = false;
    emit note({});
    const unsigned search = ++generation;
    worker = std::thread([this, work = std::move(work), notFound, search] {
        const std::optional<std::size_t> row = work();
        done = true;
        QMetaObject::invokeMethod(
            this,
            [this, row, notFound, search] {
                // A search stopped or replaced since has nothing to say.
                if (search == generation && worker.joinable())
                    finish(row, notFound);
            },
            Qt::QueuedConnection);
    });
}

void ListNavigator::finish(std::optional<std::size_t> row, const QString& notFound)
{
    worker.join();
    if (!row || *row >= static_cast<std::size_t>(list->model()->rowCount())) {
        emit note(notFound);
        return;
    }
    const QModelIndex index = list->model()->index(static_cast<int>(*row), 0);
    list->setCurrentIndex(index);
    list->scrollTo(index, QAbstractItemView::PositionAtCenter);
    emit rowChosen(static_cast<int>(*row));
}

} // namespace ZrlApp
