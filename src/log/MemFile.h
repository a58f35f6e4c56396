#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

namespace KelpLib {

// One file read whole into one buffer, followed by a 0 byte so text files can be used as
// strings. The only place where the system opens a file for reading. Enciphered device files
// (".korp", ".kore", ".hxex", ".hxe") are deciphered and CRC-checked while read.
//
// A large log can also be read in step with its parser (readInStep, fill, release): the
// buffer for the whole file is reserved at once but filled only as far as the parser has got,
// and the memory of bytes the parser is done with is given back, so that loading never holds
// the whole file and all its elements at the same time.
class MemFile {
public:
    MemFile() = default;
    virtual ~MemFile();
    MemFile(const MemFile&) = delete;
    MemFile& operator=(const MemFile&) = delete;

    // Reads the file; failures raise CommonLib::KorvErr with the context readContext: -198 when
    // it cannot be opened, -186 when it is empty or is an enciphered file shorter than its 5
    // header bytes, -180 when it has maxFileSize bytes or more (or its size is unknown), -179
    // when an enciphered file fails its CRC (its deciphered content then stays readable).
    virtual void read(const char* path, std::int32_t maxFileSize);
    // As read, with the same checks and errors, but a plain file's content is read only as
    // fill asks for it. Enciphered files are read whole.
    void readInStep(const char* path, std::int32_t maxFileSize);
    // Reads on until the first `end` bytes are there or the file ends; answers how many bytes
    // are there. A file that turns out shorter than it was when opened ends where its reading
    // stopped (size() shrinks to match).
    std::uint32_t fill(std::uint32_t end);
    // The bytes before `offset` are not needed any more: the whole pages among them give back
    // their memory and read as 0 from then on.
    void release(std::uint32_t offset);

    const std::uint8_t* data() const { return content; }
    std::uint8_t* data() { return content; }
    std::uint32_t size() const { return length; }
    void clear();

    std::uint8_t getEncryptionTypeId() const { return encryptionTypeId; }
    std::uint32_t getStoredCrc() const { return storedCrc; }
    std::uint32_t getComputedCrc() const { return computedCrc; }
    const std::string& getPath() const { return path; }
    const std::string& getExtension() const { return extension; }

    static constexpr const char* readContext = "MemFile::read";

private:
    // Opens and checks the file; an enciphered file is read whole. Answers the open plain
    // file, its content not read yet, or null when nothing is left to read.
    std::FILE* openAndCheck(const char* path, std::int32_t maxFileSize);
    void readEnciphered(std::FILE* file, std::uint64_t size);
    // A buffer of count + 1 bytes, the last one 0, the rest to be filled.
    void allocate(std::size_t count);

    std::uint8_t* content = nullptr;
    std::size_t mappedBytes = 0;
    std::uint32_t length = 0;
    std::uint32_t filled = 0;       // bytes read so far
    std::uint32_t releasedPages = 0; // bytes given back, a whole number of pages
    std::FILE* pending = nullptr;   // the file still being read in step
    std::uint8_t encryptionTypeId = 0;
    std::uint32_t storedCrc = 0;
    std::uint32_t computedCrc = 0;
    std::string path;
    std::string extension;
};

// The text of the path from its last "." on, or empty when it has none.
std::string pathExtension(const std::string& path);

} // namespace KelpLib
