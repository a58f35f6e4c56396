#pragma once
// The tools of one document's message list: the display-filter bar above it, the find bar
// below it, Go to, and decoded fields shown as list columns. Their keys (Ctrl+F, F3, Shift+F3,
// Ctrl+G) act while the document window has the focus.
#include "query/DisplayFilter.h"

#include <QObject>
#include <QStringList>

#include <atomic>
#include <memory>
#include <optional>
#include <thread>

class QAction;
class QMenu;
class QModelIndex;
class QTimer;

namespace KelpLib {
class ElementMask;
}

namespace ZrlApp {

class DocumentWindow;
class FilterBar;
class FindBar;
class GridTableView;
class ListNavigator;

class ListTools : public QObject {
    Q_OBJECT
public:
    // Puts the bars into the window's layout around its list.
    explicit ListTools(DocumentWindow& window);
    ~ListTools() override;

    FilterBar* filterBar() const { return filter; }
    FindBar* findBar() const { return finder; }
    ListNavigator* navigator() const { return navigation; }
    QAction* findAction() const { return findOpen; }
    QAction* findNextAction() const { return findNext; }
    QAction* findPreviousAction() const { return findPrevious; }
    QAction* goToAction() const { return goToOpen; }

    // Selects the shown row nearest a line number or a time (Ctrl+G asks for the text).
    void goTo(const QString& text);
    // Applies a display filter (null: none) to the list in the background; the selected
    // element stays selected, or the nearest shown one is. Emits filterApplied when done.
    void applyFilter(std::shared_ptr<const KelpLib::DisplayFilter> filter);
    bool applying() const { return applyThread.joinable(); }

    // Decoded fields shown as list columns, remembered in the settings for every list.
    void addFieldColumn(const QString& name);
    void removeFieldColumn(const QString& name);
    static QStringList rememberedFieldColumns();
    // Adds "Add as column" to a details list's menu when the row is a decoded field.
    void offerFieldColumn(QMenu& menu, const GridTableView& details, const QModelIndex& index);

    // Shows a note in the main window's status bar and in the find bar.
    void showNote(const QString& text);

signals:
    void filterApplied();

private:
    void stopApplying();
    void showFiltered(std::shared_ptr<const KelpLib::ElementMask> mask);
    void find(bool forward);
    void setFieldColumns(const QStringList& names);
    void showHeaderMenu(const QPoint& position);

    DocumentWindow& window;
    FilterBar* filter;
    FindBar* finder;
    ListNavigator* navigation;
    QAction* findOpen;
    QAction* findNext;
    QAction* findPrevious;
    QAction* goToOpen;
    std::thread applyThread;
    QTimer* progressTimer;
    std::atomic<std::size_t> applyProgress{0};
    std::atomic<bool> cancelApply{false};
    unsigned applyGeneration = 0; // window thread only
};

} // namespace ZrlApp
