#include "cli/LoadedLog.h"

#include "applog/Logger.h"
#include "filter/ViewSettings.h"
#include "n2k/ReservedFields.h"
#include "log/ZRLDoc.h"

namespace ZrlTool {

LoadedLog loadLog(const std::string& path, unsigned long viewFlags)
{
    // The desktop document hides reserved fields (and the messages they classify as hidden)
    // before its first load; the command line shows what the desktop shows.
    StandardsLib::reservedFieldsHidden = true;

    LoadedLog log;
    log.logger = std::make_shared<CommonLib::Logger>();
    log.document = std::make_unique<KelpLib::ZRLDoc>();
    log.document->setLogger(log.logger);
    log.document->open(path);
    log.shown = std::make_unique<KelpLib::ShownList>(*log.document);
    log.shown->setViewSettings(KelpLib::ViewSettings(static_cast<std::uint32_t>(viewFlags)));
    log.shown->rebuild();
    return log;
}

}  // namespace ZrlTool
