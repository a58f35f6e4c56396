#include "app/FindBar.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace ZrlApp {

FindBar::FindBar(QWidget* parent) : QWidget(parent), field(new QLineEdit(this)), noteLabel(new QLabel(this))
{
    field->setPlaceholderText(QStringLiteral("Find in the list and the decoded values"));
    field->setClearButtonEnabled(true);
    auto* label = new QLabel(QStringLiteral("Find:"), this);
    label->setBuddy(field);
    auto button = [this](const QString& text, const QString& tip) {
        auto* made = new QToolButton(this);
        made->setText(text);
        made->setToolTip(tip);
        return made;
    };
    QToolButton* next = button(QStringLiteral("Next"), QStringLiteral("Find next (F3)"));
    QToolButton* previous = button(QStringLiteral("Previous"), QStringLiteral("Find previous (Shift+F3)"));
    QToolButton* close = button(QStringLiteral("\u2715"), QStringLiteral("Close the find bar (Esc)"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(label);
    layout->addWidget(field, 1);
    layout->addWidget(next);
    layout->addWidget(previous);
    layout->addWidget(noteLabel);
    layout->addStretch();
    layout->addWidget(close);

    connect(field, &QLineEdit::returnPressed, this, [this] { emit findRequested(field->text(), true); });
    connect(next, &QToolButton::clicked, this, [this] { emit findRequested(field->text(), true); });
    connect(previous, &QToolButton::clicked, this, [this] { emit findRequested(field->text(), false); });
    connect(close, &QToolButton::clicked, this, &QWidget::hide);
    connect(field, &QLineEdit::textChanged, this, [this] { setNote({}); });
}

QString FindBar::note() const { return noteLabel->text(); }

void FindBar::setNote(const QString& text) { noteLabel->setText(text); }

void FindBar::open()
{
    show();
    field->setFocus();
    field->selectAll();
}

void FindBar::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        hide();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace ZrlApp
