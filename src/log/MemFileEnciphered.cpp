#include "log/MemFile.h"

#include "common/KorvErr.h"

namespace KelpLib {

// Enciphered device files are not read yet: the encryptors are not part of the program so far.
void MemFile::readEnciphered(std::FILE*, std::uint64_t)
{
    throw CommonLib::KorvErr(-193, "Cannot open file - enciphered files are not supported yet", "MemFile::read");
}

} // namespace KelpLib
