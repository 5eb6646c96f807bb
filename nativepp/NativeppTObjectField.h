#ifndef NATIVEPP_NATIVEPPTOBJECTFIELD_H
#define NATIVEPP_NATIVEPPTOBJECTFIELD_H

#include <memory>

#include "nativepp/NativeppObject.h"
#include "nativepp/NativeppObjectField.h"

namespace nativepp {

/// An object field member whose proxy is a T, made on first use and handed out by reference.
/// T may be the class that holds the member.
/// Throws: what making and binding the proxy raises.
template <typename T>
class NativeppTObjectField : public NativeppObjectField {
public:
    ~NativeppTObjectField() override {}

    /// The field's proxy, made on first use and owned by this member.
    ///@{
    T& get() { return dynamic_cast<T&>(*getFieldCreated(&make)); }
    operator T&() { return get(); }
    T* operator->() { return &get(); }
    ///@}

private:
    static std::unique_ptr<NativeppObject> make() { return std::make_unique<T>(); }
};

}  // namespace nativepp

#endif
