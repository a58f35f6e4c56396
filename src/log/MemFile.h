#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

namespace KelpLib {

// One file read whole into one heap buffer, followed by a 0 byte so text files can be used
// as strings. The only place where the system opens a file for reading. Enciphered device
// files (".korp", ".kore", ".hxex", ".hxe") are deciphered and CRC-checked while read.
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
    void readEnciphered(std::FILE* file, std::uint64_t size);

    std::uint8_t* content = nullptr;
    std::uint32_t length = 0;
    std::uint8_t encryptionTypeId = 0;
    std::uint32_t storedCrc = 0;
    std::uint32_t computedCrc = 0;
    std::string path;
    std::string extension;
};

// The text of the path from its last "." on, or empty when it has none.
std::string pathExtension(const std::string& path);

} // namespace KelpLib
