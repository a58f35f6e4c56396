#include "app/WriteFailure.h"

#include "app/UserMessages.h"
#include "common/ILogger.h"
#include "export/ExportFile.h"

namespace ZrlApp {

void reportWriteFailure(QWidget* parent, CommonLib::ILogger* log, const std::string& path, const std::string& reason)
{
    const std::string text = KelpLib::writeFailureText(path, reason);
    if (log)
        log->logCodeText(KelpLib::writeFailureCode, text);
    showMessage(parent, MessageKind::Warning, QStringLiteral("Export"), QString::fromStdString(text));
}

} // namespace ZrlApp
