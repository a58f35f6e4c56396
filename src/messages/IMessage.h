#pragma once

#include <memory>
#include <string>

namespace KelpLib {
class KorvBuf;
}

namespace StandardsLib {

// What every message offers: a key text and its bytes as a raw message.
class IMessage {
public:
    virtual ~IMessage() = default;
    virtual std::string key() const = 0;
    virtual std::shared_ptr<KelpLib::KorvBuf> raw() const = 0;
};

} // namespace StandardsLib
