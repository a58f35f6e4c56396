#include "common/Version.h"

namespace CommonLib {

const char* versionText()
{
    return ZRL_VERSION_TEXT;
}

}  // namespace CommonLib
