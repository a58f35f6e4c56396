#pragma once
// A picture of the main window without a desktop: once the first document has loaded, a row
// is selected so the details pane shows a message, and the window is written as a PNG.
#include <QString>
#include <QStringList>

namespace ZrlApp {

class MainWindow;

struct ScreenshotRequest {
    QString file;
    // The list row to select; negative for the first NMEA 2000 message shown.
    int row = -1;
    // Fields to plot first, each "PGN:FIELD" (from the first source of the PGN in the log).
    QStringList plots;
    // Whether to show the track.
    bool track = false;
    // Whether to plot the bus load (once the Network pane has read the log).
    bool busLoad = false;
};

// Reads "--screenshot FILE", "--select-row N", "--plot PGN:FIELD" (repeatable), "--track" and
// "--bus-load" out of the arguments (which keep the rest);
// false when no screenshot is asked for.
bool takeScreenshotArguments(QStringList& arguments, ScreenshotRequest& request);

// After the next document load: selects the row, builds the plots and the track, lets the panes
// refresh, writes the PNG and
// quits the application with 0, or with 1 when the file cannot be written.
void screenshotAfterLoad(MainWindow& window, const ScreenshotRequest& request);

} // namespace ZrlApp
