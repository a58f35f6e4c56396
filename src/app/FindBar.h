#pragma once
// The find bar below a message list: the text to find, next and previous, and a note that
// says when nothing was found. Escape or the close button hides it.
#include <QWidget>

class QLabel;
class QLineEdit;

namespace ZrlApp {

class FindBar : public QWidget {
    Q_OBJECT
public:
    explicit FindBar(QWidget* parent = nullptr);

    QLineEdit* editor() const { return field; }
    QString note() const;
    void setNote(const QString& text);
    // Shows the bar with the field focused and its text selected.
    void open();

signals:
    void findRequested(const QString& text, bool forward);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLineEdit* field;
    QLabel* noteLabel;
};

} // namespace ZrlApp
