#include "app/DisplayText.h"

namespace ZrlApp {

namespace {

bool isValidUtf8(const std::string& text)
{
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t follow = 0;
        if (lead < 0x80)
            follow = 0;
        else if (lead >= 0xC2 && lead <= 0xDF)
            follow = 1;
        else if (lead >= 0xE0 && lead <= 0xEF)
            follow = 2;
        else if (lead >= 0xF0 && lead <= 0xF4)
            follow = 3;
        else
            return false;
        if (follow > text.size() - 1 - i)
            return false; // cut short by the end of the text
        for (std::size_t k = 1; k <= follow; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
                return false;
        i += follow + 1;
    }
    return true;
}

} // namespace

QString displayText(const std::string& text)
{
    return isValidUtf8(text) ? QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))
                             : QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace ZrlApp
