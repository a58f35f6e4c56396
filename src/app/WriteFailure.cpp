#include "app/WriteFailure.h"

#include "app/UserMessages.h"
#include "common/ILogger.h"

namespace ZrlApp {

QString writeFailureText(const QString& path, const QString& reason)
{
    return QStringLiteral("Cannot write \"%1\": %2").arg(path, reason);
}

void reportWriteFailure(QWidget* parent, CommonLib::ILogger* log, const std::string& path, const std::string& reason)
{
    const QString text = writeFailureText(QString::fromStdString(path), QString::fromStdString(reason));
    if (log)
        log->logCodeText(writeFailureCode, text.toStdString());
    showMessage(parent, MessageKind::Warning, QStringLiteral("Export"), text);
}

} // namespace ZrlApp
