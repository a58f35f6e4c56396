#include "log/MemFile.h"

#include "common/KorvErr.h"

#include <memory>

namespace KelpLib {

namespace {

bool isEncipheredExtension(const std::string& extension)
{
    return extension == ".korp" || extension == ".kore" || extension == ".hxex" || extension == ".hxe";
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

} // namespace

std::string pathExtension(const std::string& path)
{
    const std::size_t dot = path.rfind('.');
    return dot == std::string::npos ? std::string() : path.substr(dot);
}

MemFile::~MemFile() { clear(); }

void MemFile::clear()
{
    delete[] content;
    content = nullptr;
    length = 0;
}

void MemFile::read(const char* filePath, std::int32_t maxFileSize)
{
    clear();
    encryptionTypeId = 0;
    storedCrc = computedCrc = 0;
    const std::string given = filePath ? filePath : "";
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(given.c_str(), "rb"));
    if (!file)
        throw CommonLib::KorvErr(-198, "File \"" + given + "\" Not found", readContext);

    long size = -1;
    if (std::fseek(file.get(), 0, SEEK_END) == 0)
        size = std::ftell(file.get());
    const bool sizeKnown = size >= 0 && std::fseek(file.get(), 0, SEEK_SET) == 0;
    if (sizeKnown && size == 0)
        throw CommonLib::KorvErr(-186, "Cannot open file - file size is zero", readContext);
    if (!sizeKnown || size >= static_cast<long>(maxFileSize))
        throw CommonLib::KorvErr(-180, "Cannot open file - bigger than MaxFileSize", readContext);

    const std::string fileExtension = pathExtension(given);
    if (isEncipheredExtension(fileExtension)) {
        readEnciphered(file.get(), static_cast<std::uint64_t>(size));
        return;
    }
    content = new std::uint8_t[static_cast<std::size_t>(size) + 1];
    content[size] = 0;
    length = static_cast<std::uint32_t>(std::fread(content, 1, static_cast<std::size_t>(size), file.get()));
    content[length] = 0; // also right after a short read, so the text always ends in a 0
    if (length != 0) {
        path = given;
        extension = fileExtension;
    }
}

} // namespace KelpLib
