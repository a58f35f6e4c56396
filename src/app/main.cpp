#include "app/MainWindow.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Korvane"));
    QApplication::setApplicationName(QStringLiteral("ZRL Reader"));

    ZrlApp::MainWindow window(std::make_unique<ZrlApp::AppSettings>());
    window.show();
    const QStringList arguments = QApplication::arguments();
    for (int index = 1; index < arguments.size(); ++index)
        window.openFile(arguments[index]);
    const int result = QApplication::exec();
    window.saveSettings();
    return result;
}
