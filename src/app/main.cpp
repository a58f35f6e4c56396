#include "app/MainWindow.h"
#include "app/Screenshot.h"
#include "n2k/ReservedFields.h"

#include <QApplication>
#include <QDockWidget>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char* argv[])
{
    // The viewer starts without an empty document, as if it had refused the blank one a
    // document shell is asked for at start-up: that refusal hides reserved fields and the
    // maker's engineering messages for the rest of the process (zrltool does the same).
    StandardsLib::reservedFieldsHidden = true;
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Korvane"));
    QApplication::setApplicationName(QStringLiteral("ZRL Reader"));

    QStringList arguments = QApplication::arguments();
    ZrlApp::ScreenshotRequest screenshot;
    // Not in any usage text: scripts/screenshot.sh uses it to picture the viewer. A picture
    // runs on settings of its own, so the user's recent files and switches stay as they are.
    const bool picture = ZrlApp::takeScreenshotArguments(arguments, screenshot);
    if (picture && arguments.size() < 2) {
        std::fprintf(stderr, "--screenshot needs a log file to open\n");
        return 2;
    }
    QTemporaryDir pictureSettings;
    auto settings = picture ? std::make_unique<ZrlApp::AppSettings>(pictureSettings.filePath("zrl.ini"))
                            : std::make_unique<ZrlApp::AppSettings>();

    // Also for pictures: "--show-pane TITLE" brings that pane's tab to the front.
    QString paneShown;
    if (const qsizetype at = arguments.indexOf(QStringLiteral("--show-pane")); at > 0 && at + 1 < arguments.size()) {
        paneShown = arguments[at + 1];
        arguments.remove(at, 2);
    }

    ZrlApp::MainWindow window(std::move(settings));
    for (QDockWidget* dock : window.findChildren<QDockWidget*>())
        if (dock->windowTitle() == paneShown)
            dock->raise();
    if (picture)
        window.resize(1800, 1000);
    window.show();
    if (picture)
        ZrlApp::screenshotAfterLoad(window, screenshot);
    for (int index = 1; index < arguments.size(); ++index)
        window.openFile(arguments[index]);
    const int result = QApplication::exec();
    if (!picture)
        window.saveSettings();
    return result;
}
