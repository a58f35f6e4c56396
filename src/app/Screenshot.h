#pragma once
// A picture of the main window without a desktop: once the first document has loaded, a row
// is selected so the details pane shows a message, and the window is written as a PNG.
#include <QString>

namespace ZrlApp {

class MainWindow;

struct ScreenshotRequest {
    QString file;
    // The list row to select; negative for the first NMEA 2000 message shown.
    int row = -1;
};

// Reads "--screenshot FILE" and "--select-row N" out of the arguments (which keep the rest);
// false when no screenshot is asked for.
bool takeScreenshotArguments(QStringList& arguments, ScreenshotRequest& request);

// After the next document load: selects the row, lets the panes refresh, writes the PNG and
// quits the application with 0, or with 1 when the file cannot be written.
void screenshotAfterLoad(MainWindow& window, const ScreenshotRequest& request);

} // namespace ZrlApp
