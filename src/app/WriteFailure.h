#pragma once
// How the viewer says that a file could not be written: a red row of the Output naming the
// file and the system's reason, and a message box saying the same.
#include <QString>

#include <string>

class QWidget;

namespace CommonLib {
class ILogger;
}

namespace KelpLib {
struct ExportOutcome;
}

namespace ZrlApp {

// Logs the row (when there is a log) and shows the box.
void reportWriteFailure(QWidget* parent, CommonLib::ILogger* log, const std::string& path, const std::string& reason);
// One box naming every file a document export could not write (which the export has logged).
void reportExportFailures(QWidget* parent, const KelpLib::ExportOutcome& outcome);

} // namespace ZrlApp
