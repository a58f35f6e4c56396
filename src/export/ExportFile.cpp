#include "export/ExportFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace KelpLib {

std::string writeFailureText(const std::string& path, const std::string& reason)
{
    return "Cannot write \"" + path + "\": " + reason;
}

void ExportFile::CheckedBuffer::note()
{
    if (failure.empty())
        failure = std::strerror(errno != 0 ? errno : EIO);
}

ExportFile::CheckedBuffer::int_type ExportFile::CheckedBuffer::overflow(int_type c)
{
    errno = 0;
    const int_type result = std::filebuf::overflow(c);
    if (traits_type::eq_int_type(result, traits_type::eof()))
        note();
    return result;
}

std::streamsize ExportFile::CheckedBuffer::xsputn(const char* s, std::streamsize count)
{
    errno = 0;
    const std::streamsize written = std::filebuf::xsputn(s, count);
    if (written < count)
        note();
    return written;
}

int ExportFile::CheckedBuffer::sync()
{
    errno = 0;
    const int result = std::filebuf::sync();
    if (result != 0)
        note();
    return result;
}

ExportFile::ExportFile(std::string path) : std::ostream(&buffer), path_(std::move(path))
{
    errno = 0;
    if (!buffer.open(path_, std::ios::out | std::ios::trunc | std::ios::binary)) {
        buffer.note();
        setstate(std::ios::badbit);
    }
}

bool ExportFile::finish()
{
    if (finished)
        return failure().empty();
    finished = true;
    if (buffer.is_open()) {
        flush();
        errno = 0;
        if (!buffer.close())
            buffer.note();
    }
    if (!failure().empty() || fail()) {
        buffer.note();
        std::remove(path_.c_str());
        return false;
    }
    return true;
}

} // namespace KelpLib
