#pragma once

#include "log/ZRLElement.h"

#include <cstdint>

namespace KelpLib {

// The two view switches that hide fast-packet traffic. Bit 0 hides the single CAN frames
// that went into an assembly, bit 1 the messages reassembled from them; other bits mean
// nothing. The application owns one and every document filter holds a copy.
class ViewSettings {
public:
    static constexpr std::uint32_t hideAssemblyFramesBit = 1u << 0;
    static constexpr std::uint32_t hideAssembledBit = 1u << 1;
    static constexpr std::uint32_t defaultFlags = hideAssemblyFramesBit;

    ViewSettings() = default;
    explicit ViewSettings(std::uint32_t flags) : flags(flags) {}

    // Takes the other's flags when they differ, and then marks the settings changed.
    void copyFrom(const ViewSettings& other);

    bool isChanged() const { return changed != 0; }
    void clearChanged() { changed = 0; }

    bool anyFlagSet() const { return flags != 0; }
    bool hideAssemblyFrames() const { return (flags & hideAssemblyFramesBit) != 0; }
    bool hideAssembled() const { return (flags & hideAssembledBit) != 0; }
    void toggleHideAssemblyFrames();
    void toggleHideAssembled();

    std::uint32_t getFlags() const { return flags; }

    // Whether the switches keep an element: bit 1 hides a message reassembled from CAN frames,
    // bit 0 a CAN frame that went into an assembly; every other element is kept.
    bool keeps(const ZRLElement& element) const
    {
        return !(hideAssembled() && (element.flags() & ZRLElement::assembledFromCan)) &&
               !(hideAssemblyFrames() && (element.flags() & ZRLElement::canFrameOfAssembly));
    }

protected:
    std::uint8_t changed = 1;
    std::uint32_t flags = defaultFlags;
};

} // namespace KelpLib
