#include "n2k/LibN2K.h"

#include "n2k/NetworkNames.h"
#include "n2k/PgnLookup.h"

namespace StandardsLib {

std::string LibN2K_impl::libraryName() const { return "Korvane NMEA 2000 Library"; }

std::uint32_t LibN2K_impl::pgnCount() const { return static_cast<std::uint32_t>(pgnTable().size()); }

std::string LibN2K_impl::industryGroupName(std::uint8_t group) const
{
    return StandardsLib::industryGroupName(group);
}

std::string LibN2K_impl::manufacturerName(std::uint16_t code) const { return StandardsLib::manufacturerName(code); }

std::string LibN2K_impl::deviceClassName(std::uint8_t deviceClass, std::uint16_t databaseVersion) const
{
    return StandardsLib::deviceClassName(deviceClass, databaseVersion);
}

std::string LibN2K_impl::deviceFunctionName(std::uint8_t deviceClass, std::uint8_t function,
                                            std::uint16_t databaseVersion) const
{
    return StandardsLib::deviceFunctionName(deviceClass, function, databaseVersion);
}

const LibN2KPGN_s* LibN2K_impl::findPgn(std::uint32_t pgn) const
{
    return defaultDefinition(pgn);
}

const LibN2KPGN_s* LibN2K_impl::pgnAt(std::uint32_t index) const
{
    return &pgnTable()[index < pgnCount() ? index : 0];
}

const ILibN2K& theLibN2K()
{
    static const LibN2K_impl library;
    return library;
}

LibN2KPGN::LibN2KPGN() : m_definition(&pgnTable()[0]) {}

LibN2KPGN::LibN2KPGN(std::uint32_t pgn) : LibN2KPGN() { setPgn(pgn); }

bool LibN2KPGN::setPgn(std::uint32_t pgn)
{
    m_pgn = pgn;
    const LibN2KPGN_s* found = defaultDefinition(pgn);
    m_definition = found != nullptr ? found : &pgnTable()[0];
    m_index = m_definition->index;
    m_bound = 1;
    return true;
}

} // namespace StandardsLib
