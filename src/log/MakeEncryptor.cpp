#include "log/MakeEncryptor.h"

#include "log/Encrypt00.h"
#include "log/Encrypt03.h"
#include "log/Encrypt04.h"
#include "log/Encrypt05.h"
#include "log/Encrypt06.h"

namespace KelpLib {

std::unique_ptr<IEncrypt> makeEncryptor(std::uint8_t typeId, bool mode)
{
    switch (typeId) {
    case 3: return std::make_unique<Encrypt03>(mode);
    case 4: return std::make_unique<Encrypt04>();
    case 5: return std::make_unique<Encrypt05>();
    case 6: return std::make_unique<Encrypt06>();
    default: return std::make_unique<Encrypt00>(mode);
    }
}

} // namespace KelpLib
