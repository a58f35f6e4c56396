#pragma once
// The About box: the program's name and its version.
#include <QDialog>

namespace ZrlApp {

// "Version " and the version of the build.
QString aboutVersionText();

class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);
};

} // namespace ZrlApp
