#pragma once
// The remembered columns of one list: the order and width of its columns are kept in the
// settings under the list's kind ("output", "filter", "messages-1", ...) as soon as the user
// moves or resizes one, and given back whenever the list gets its columns again. A list
// without a remembered layout is laid out by its first-layout function, by default as wide as
// its content, again whenever its content changes, until the user sets a width himself.
#include "app/AppSettings.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class QAbstractItemModel;
class QHeaderView;
class QTableView;

namespace ZrlApp {

class ColumnLayout : public QObject {
    Q_OBJECT
public:
    // The settings must outlive the list.
    ColumnLayout(QTableView* view, AppSettings& settings, QString kind);

    // The kind of the list; a new kind gives its own remembered layout back (message lists
    // learn their kind after the load).
    void setKind(const QString& kind);
    const QString& kind() const { return kind_; }
    // How the list is laid out without a remembered layout.
    void setFirstLayout(std::function<void()> layout) { firstLayout = std::move(layout); }

    // Sizes every column but the stretching last one to its content (the rows in view);
    // keepWider keeps a column that is already wider.
    static void fitColumnsToContent(QTableView& view, bool keepWider = false);
    // "name=width" per column in on-screen order.
    static QStringList describe(const QHeaderView& header, const QAbstractItemModel& model);
    // Moves and sizes the named columns as described; false when none is known.
    static bool apply(QHeaderView& header, const QAbstractItemModel& model, const QStringList& layout);

private:
    void onColumnsChanged();
    void onSectionChangedByUser();
    void layOut();

    QTableView* view;
    AppSettings& settings;
    QString kind_;
    std::function<void()> firstLayout;
    bool userLayout = false; // remembered or set by the user: no more fitting to content
    bool arranging = false;  // our own moves and resizes, not the user's
    bool pending = false;
};

} // namespace ZrlApp
