#include "app/FilterBar.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>

namespace ZrlApp {

namespace {

const QString historyKey = QStringLiteral("filter/history");
const QString errorStyle = QStringLiteral("QLineEdit { background: #ffc8c8; }");

} // namespace

FilterBar::FilterBar(QWidget* parent) : QWidget(parent), field(new QComboBox(this))
{
    field->setEditable(true);
    field->setInsertPolicy(QComboBox::NoInsert);
    field->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    field->setMaxCount(historySize);
    field->addItems(QSettings().value(historyKey).toStringList());
    field->setCurrentIndex(-1);
    editor()->setClearButtonEnabled(true);
    editor()->setPlaceholderText(QStringLiteral("Display filter, e.g. pgn == 130306 && \"Wind Speed\" > 10"));

    auto* label = new QLabel(QStringLiteral("Filter:"), this);
    label->setBuddy(field);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(label);
    layout->addWidget(field);

    connect(editor(), &QLineEdit::returnPressed, this, &FilterBar::apply);
    connect(field, &QComboBox::activated, this, [this] { apply(); });
    // The clear button empties the field: the list shows everything again at once.
    connect(editor(), &QLineEdit::textChanged, this, [this](const QString& text) {
        if (text.isEmpty() && (current || !error.isEmpty()))
            apply();
    });
}

QLineEdit* FilterBar::editor() const { return field->lineEdit(); }

QString FilterBar::text() const { return editor()->text(); }

void FilterBar::setText(const QString& text) { editor()->setText(text); }

QStringList FilterBar::history() const
{
    QStringList items;
    for (int i = 0; i < field->count(); ++i)
        items << field->itemText(i);
    return items;
}

bool FilterBar::apply()
{
    const QString text = this->text().trimmed();
    auto compiled = KelpLib::DisplayFilter::compile(text.toStdString());
    if (const auto* failure = std::get_if<KelpLib::FilterError>(&compiled)) {
        showError(QString::fromStdString(failure->message));
        editor()->setCursorPosition(static_cast<int>(failure->column) - 1);
        return false;
    }
    showError({});
    current = text.isEmpty() ? nullptr : std::get<std::shared_ptr<const KelpLib::DisplayFilter>>(compiled);
    if (!text.isEmpty())
        remember(text);
    emit filterApplied(current);
    return true;
}

void FilterBar::showError(const QString& message)
{
    error = message;
    editor()->setStyleSheet(message.isEmpty() ? QString() : errorStyle);
    editor()->setToolTip(message);
    field->setToolTip(message);
}

void FilterBar::remember(const QString& text)
{
    const QSignalBlocker quietList(field);
    const QSignalBlocker quietEditor(editor());
    const QString kept = editor()->text();
    const int existing = field->findText(text);
    if (existing >= 0)
        field->removeItem(existing);
    field->insertItem(0, text);
    while (field->count() > historySize)
        field->removeItem(field->count() - 1);
    field->setCurrentIndex(-1);
    editor()->setText(kept);
    QSettings().setValue(historyKey, history());
}

} // namespace ZrlApp
