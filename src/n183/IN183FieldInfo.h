#pragma once

#include <string>

namespace StandardsLib {

// One defined field of one received sentence, as the field table shows it.
class IN183FieldInfo {
public:
    virtual bool unitsShown() const = 0;
    virtual bool setUnitsShown(bool shown) = 0;
    virtual std::string ordinalText() const = 0;
    virtual std::string name() const = 0;
    virtual std::string valueText() const = 0;
    virtual std::string unitsText() const = 0;
    virtual ~IN183FieldInfo() = default;
};

} // namespace StandardsLib
