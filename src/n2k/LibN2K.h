#pragma once

#include "n2k/LibN2KTables.h"

#include <cstdint>
#include <string>

namespace StandardsLib {

// The NMEA 2000 library: the built-in PGN database and the network name tables. It holds no
// state; theLibN2K() gives the one instance, which lives for the life of the process.
class ILibN2K {
public:
    virtual ~ILibN2K() = default;
    virtual std::string libraryName() const = 0;
    virtual std::uint32_t pgnCount() const = 0;
    virtual std::string industryGroupName(std::uint8_t group) const = 0;
    virtual std::string manufacturerName(std::uint16_t code) const = 0;
    virtual std::string deviceClassName(std::uint8_t deviceClass, std::uint16_t databaseVersion) const = 0;
    virtual std::string deviceFunctionName(std::uint8_t deviceClass, std::uint8_t function,
                                           std::uint16_t databaseVersion) const = 0;
    // The PGN's definition when no payload selects one (see defaultDefinition), or null.
    virtual const LibN2KPGN_s* findPgn(std::uint32_t pgn) const = 0;
    // Row `index`; the first row when index is not below pgnCount().
    virtual const LibN2KPGN_s* pgnAt(std::uint32_t index) const = 0;
};

class LibN2K_impl final : public ILibN2K {
public:
    std::string libraryName() const override;
    std::uint32_t pgnCount() const override;
    std::string industryGroupName(std::uint8_t group) const override;
    std::string manufacturerName(std::uint16_t code) const override;
    std::string deviceClassName(std::uint8_t deviceClass, std::uint16_t databaseVersion) const override;
    std::string deviceFunctionName(std::uint8_t deviceClass, std::uint8_t function,
                                   std::uint16_t databaseVersion) const override;
    const LibN2KPGN_s* findPgn(std::uint32_t pgn) const override;
    const LibN2KPGN_s* pgnAt(std::uint32_t index) const override;
};

const ILibN2K& theLibN2K();

// A handle onto one PGN definition. Until bound it points at the first row; binding a PGN
// without a definition also leaves it on the first row, with bound() true.
class LibN2KPGN {
public:
    LibN2KPGN();
    explicit LibN2KPGN(std::uint32_t pgn);
    virtual ~LibN2KPGN() = default;

    bool setPgn(std::uint32_t pgn);

    std::uint32_t pgn() const { return m_pgn; }
    bool bound() const { return m_bound != 0; }
    std::uint32_t index() const { return m_index; }
    const char* name() const { return m_definition->name; }
    bool isSingleFrame() const { return (m_definition->transport & 0x08) != 0; }
    const LibN2KPGN_s& definition() const { return *m_definition; }

private:
    const LibN2KPGN_s* m_definition;
    std::uint8_t m_bound = 0;
    std::uint32_t m_pgn = 0;
    std::uint32_t m_index = 0;
};

} // namespace StandardsLib
