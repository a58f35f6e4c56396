#pragma once

#include <memory>

namespace CommonLib {

// The one weak self-reference shared by every interface of an object. An object that
// implements several interfaces wanting shared_from_this() inherits this class virtually
// through each of them, so std::make_shared fills a single, unambiguous reference.
class MultipleInheritableEnableSharedFromThis
    : public std::enable_shared_from_this<MultipleInheritableEnableSharedFromThis> {
public:
    virtual ~MultipleInheritableEnableSharedFromThis() = default;
};

// Gives interface T a shared_from_this() answering std::shared_ptr<T>, converted from the
// shared virtual base. Empty when the object is not owned by a std::shared_ptr.
template <class T>
class inheritable_enable_shared_from_this : public virtual MultipleInheritableEnableSharedFromThis {
public:
    std::shared_ptr<T> shared_from_this()
    {
        return std::dynamic_pointer_cast<T>(selfReference());
    }

    std::shared_ptr<const T> shared_from_this() const
    {
        return std::dynamic_pointer_cast<const T>(selfReference());
    }

private:
    std::shared_ptr<MultipleInheritableEnableSharedFromThis> selfReference()
    {
        return MultipleInheritableEnableSharedFromThis::weak_from_this().lock();
    }

    std::shared_ptr<const MultipleInheritableEnableSharedFromThis> selfReference() const
    {
        return MultipleInheritableEnableSharedFromThis::weak_from_this().lock();
    }
};

} // namespace CommonLib
