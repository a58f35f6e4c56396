#pragma once
// How the viewer says that a file could not be written: a red row of the Output naming the
// file and the system's reason, and a message box saying the same.
#include <QString>

#include <string>

class QWidget;

namespace CommonLib {
class ILogger;
}

namespace ZrlApp {

// The catalogue code of the row ("WriteFile Function Error!").
inline constexpr std::int32_t writeFailureCode = -185;

QString writeFailureText(const QString& path, const QString& reason);
// Logs the row (when there is a log) and shows the box.
void reportWriteFailure(QWidget* parent, CommonLib::ILogger* log, const std::string& path, const std::string& reason);

} // namespace ZrlApp
