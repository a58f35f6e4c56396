#pragma once

#include "log/IEncrypt.h"

#include <memory>

namespace KelpLib {

// The cipher of a type id: 3, 4, 5 and 6 have their own, any other id gets the pass-through
// Encrypt00 (whose typeId is 0).
std::unique_ptr<IEncrypt> makeEncryptor(std::uint8_t typeId, bool mode);

} // namespace KelpLib
