#ifndef NATIVEPP_NATIVEPPOBJECTFIELD_H
#define NATIVEPP_NATIVEPPOBJECTFIELD_H

#include <atomic>
#include <memory>

#include "nativepp/NativeppExport.h"
#include "nativepp/NativeppValue.h"

namespace nativepp {

class NativeppMonitor;

/// A member that stands for an object field of its owner through a proxy it owns. The
/// proxy is made on first use, not with the member: a class cannot hold a proxy of its own
/// type by value (java.util.Properties.defaults is a Properties).
/// Owns its proxy and its lock. Threads: any attached thread; the first use is
/// serialised on its lock. Throws: NativeppException for the static and array
/// bindings and for a use before the field was recorded.
class NATIVEPP_EXPORT NativeppObjectField : public NativeppValue {
public:
    NativeppObjectField();
    ~NativeppObjectField() override;

    NativeppObjectField(const NativeppObjectField&) = delete;
    NativeppObjectField& operator=(const NativeppObjectField&) = delete;

    /// Only records the field; the proxy is bound to it when it is made.
    void nativeppInitFieldNamed(int index, const char* name, NativeppObjectClass* ownerClass,
                                NativeppObject* owner) override;
    /// An object field is always an instance field: both raise.
    void nativeppInitFieldNamedStatic(int index, const char* name, NativeppObjectClass* ownerClass) override;
    /// An object field member is no array element: raises.
    void nativeppInitArrayElement(int index, NativeppObject* array) override;

    /// The proxy of the field; null until it is first used.
    NativeppObject* getField();
    /// Binds the held proxy to the recorded field.
    void initInternalField();

protected:
    /// The held proxy, which make() creates on first use under this member's lock, so
    /// that threads racing on the first use share one; it is bound before it is handed out.
    NativeppObject* getFieldCreated(std::unique_ptr<NativeppObject> (*make)());

private:
    void bind(NativeppObject* proxy);

    std::atomic<NativeppObject*> field;
    int index;
    const char* name;
    NativeppObjectClass* ownerClass;
    NativeppObject* owner;
    std::unique_ptr<NativeppMonitor> monitor;
};

}  // namespace nativepp

#endif
