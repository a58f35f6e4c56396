#pragma once
// The user manual inside the program: a window with the manual's headings as a table of
// contents beside the text, and a search field that finds a word in the text.
#include <QWidget>

class QLabel;
class QLineEdit;
class QTextBrowser;
class QTreeWidget;

namespace ZrlApp {

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    // The manual as the program carries it (a Qt resource).
    static QString manualPath() { return QStringLiteral(":/help/manual.md"); }

    explicit HelpWindow(QWidget* parent = nullptr);

    // Loads the manual; false when the resource is missing.
    bool loadManual(const QString& path = manualPath());

    QTreeWidget* contents() const { return contentsTree; }
    QTextBrowser* text() const { return browser; }
    QLineEdit* searchField() const { return search; }
    // Finds the next place of the text after the cursor, from the top once the end is reached;
    // false (and "Not found" shown) when the manual has no such text.
    bool find(const QString& wanted);
    // Shows the heading at this position of the table of contents (depth-first order).
    void showHeading(int index);

private:
    void buildContents();

    QTreeWidget* contentsTree;
    QTextBrowser* browser;
    QLineEdit* search;
    QLabel* searchResult;
};

} // namespace ZrlApp
