#pragma once
// The display-filter bar above a message list: an editable field with a history of recent
// filters and a clear button. Enter compiles the text; a filter that does not parse turns
// the field red with the error as its tooltip and applies nothing.
#include "query/DisplayFilter.h"

#include <QWidget>

#include <memory>

class QComboBox;
class QLineEdit;

namespace ZrlApp {

class FilterBar : public QWidget {
    Q_OBJECT
public:
    explicit FilterBar(QWidget* parent = nullptr);

    QLineEdit* editor() const;
    QString text() const;
    void setText(const QString& text);
    // The filter last applied (null: none).
    const std::shared_ptr<const KelpLib::DisplayFilter>& applied() const { return current; }
    // The error shown, empty when the text parsed.
    QString errorText() const { return error; }
    // Recent filters, the latest first.
    QStringList history() const;

    // Compiles the text and, when it parses, emits filterApplied and records it in the history.
    bool apply();

    static constexpr int historySize = 20;

signals:
    // A filter to apply to the list; null when the field was cleared.
    void filterApplied(std::shared_ptr<const KelpLib::DisplayFilter> filter);

private:
    void showError(const QString& message);
    void remember(const QString& text);

    QComboBox* field;
    std::shared_ptr<const KelpLib::DisplayFilter> current;
    QString error;
};

} // namespace ZrlApp
