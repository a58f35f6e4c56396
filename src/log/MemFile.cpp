#include "log/MemFile.h"

#include "common/KorvErr.h"
#include "log/LargePages.h"

#include <memory>

#include <sys/mman.h>

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
    if (pending)
        std::fclose(pending);
    pending = nullptr;
    freeLargePages(content, mappedBytes);
    content = nullptr;
    mappedBytes = 0;
    length = filled = releasedPages = 0;
}

// Anonymous pages: untouched ones cost nothing, and pages given back by release() are returned
// to the system at once.
void MemFile::allocate(std::size_t count)
{
    mappedBytes = count + 1;
    void* pages = allocateLargePages(mappedBytes);
    if (!pages) {
        mappedBytes = 0;
        throw CommonLib::KorvErr(-1394, "Buffer Malloc allocation failed!", readContext);
    }
    content = static_cast<std::uint8_t*>(pages);
    content[count] = 0;
}

std::FILE* MemFile::openAndCheck(const char* filePath, std::int32_t maxFileSize)
{
    clear();
    encryptionTypeId = 0;
    storedCrc = computedCrc = 0;
    const std::string given = filePath ? filePath : "";
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(given.c_str(), "rb"));
    if (!file)
        throw CommonLib::KorvErr(-198, "File \"" + given + "\" Not found", readContext);
    // Unbuffered: each read goes straight into the content, with no copy through the stream.
    std::setvbuf(file.get(), nullptr, _IONBF, 0);

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
        filled = length;
        return nullptr;
    }
    allocate(static_cast<std::size_t>(size));
    length = static_cast<std::uint32_t>(size);
    path = given;
    extension = fileExtension;
    return file.release();
}

void MemFile::read(const char* filePath, std::int32_t maxFileSize)
{
    readInStep(filePath, maxFileSize);
    fill(length);
}

void MemFile::readInStep(const char* filePath, std::int32_t maxFileSize)
{
    pending = openAndCheck(filePath, maxFileSize);
}

std::uint32_t MemFile::fill(std::uint32_t end)
{
    if (end > length)
        end = length;
    while (pending && filled < end) {
        const std::size_t got = std::fread(content + filled, 1, end - filled, pending);
        filled += static_cast<std::uint32_t>(got);
        if (got == 0) {
            // The file ended early (cut while it was read, or a read error): keep what came.
            length = filled;
            content[length] = 0;
            if (length == 0) { // nothing was read after all
                path.clear();
                extension.clear();
            }
            break;
        }
    }
    if (pending && filled == length) {
        std::fclose(pending);
        pending = nullptr;
    }
    return filled < end ? filled : end;
}

void MemFile::release(std::uint32_t offset)
{
    if (!content || offset > filled)
        return;
    // Whole large pages only: giving back part of one would make the system split it.
    const std::size_t upTo = offset / largePageSize * largePageSize;
    if (upTo <= releasedPages)
        return;
    std::size_t from = releasedPages;
    releasedPages = static_cast<std::uint32_t>(upTo);

    // The pages already parsed are moved to where the file is read next, so that reading ahead
    // reuses memory instead of asking the system for fresh pages it must clear first. The moved
    // range is left mapped and reads as 0; the pages that land past the end of the file are
    // never read but for the 0 after the last byte, written again here.
    const std::size_t mappingEnd = roundUpTo(mappedBytes, smallPageSize);
    const std::size_t to = roundUpTo(filled, largePageSize);
    std::size_t moved = to < mappingEnd ? (mappingEnd - to) / largePageSize * largePageSize : 0;
    if (moved > upTo - from)
        moved = upTo - from;
    if (moved != 0 && mremap(content + from, moved, moved, MREMAP_MAYMOVE | MREMAP_FIXED | MREMAP_DONTUNMAP,
                             content + to) != MAP_FAILED) {
        if (length >= to && length < to + moved)
            content[length] = 0;
        from += moved;
    }
    // The rest, or all where the system cannot move pages: private and anonymous, they are
    // freed and read as 0 after.
    if (from < upTo)
        madvise(content + from, upTo - from, MADV_DONTNEED);
}

} // namespace KelpLib
