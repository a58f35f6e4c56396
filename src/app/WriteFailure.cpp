#include "app/WriteFailure.h"

#include "app/UserMessages.h"
#include "common/ILogger.h"
#include "export/ExportFile.h"

#include <QStringList>

namespace ZrlApp {

void reportWriteFailure(QWidget* parent, CommonLib::ILogger* log, const std::string& path, const std::string& reason)
{
    const std::string text = KelpLib::writeFailureText(path, reason);
    if (log)
        log->logCodeText(KelpLib::writeFailureCode, text);
    showMessage(parent, MessageKind::Warning, QStringLiteral("Export"), QString::fromStdString(text));
}

void reportExportFailures(QWidget* parent, const KelpLib::ExportOutcome& outcome)
{
    if (outcome.failures.empty())
        return;
    QStringList lines;
    for (const KelpLib::ExportFailure& failure : outcome.failures)
        lines << QString::fromStdString(KelpLib::writeFailureText(failure.path, failure.reason));
    showMessage(parent, MessageKind::Warning, QStringLiteral("Export"), lines.join(QLatin1Char('\n')));
}

} // namespace ZrlApp
