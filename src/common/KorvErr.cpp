#include "common/KorvErr.h"

namespace CommonLib {

namespace {

constexpr std::size_t catalogueTextLimit = 100;

std::string messageOrCatalogue(std::int32_t code, std::string message)
{
    if (!message.empty())
        return message;
    return "KorvErr: " + std::string(errorMessage(code)).substr(0, catalogueTextLimit);
}

} // namespace

KorvErr::KorvErr(std::int32_t code, std::string message, std::string context)
    : code(code), message(messageOrCatalogue(code, std::move(message))), context(std::move(context))
{
}

} // namespace CommonLib
