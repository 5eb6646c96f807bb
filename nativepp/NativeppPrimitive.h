#ifndef NATIVEPP_NATIVEPPPRIMITIVE_H
#define NATIVEPP_NATIVEPPPRIMITIVE_H

#include <memory>

#include "nativepp/NativeppClass.h"
#include "nativepp/NativeppExport.h"
#include "nativepp/NativeppValue.h"

namespace nativepp {

class NativeppPrimitiveFieldMgr;

/// A Java primitive field, static field or array element. It keeps no copy: every read and
/// every write goes to Java at once through its accessor.
/// Owns its accessor. Threads: any attached thread, each access with its own environment.
/// Throws: NativeppException when never bound or bound twice; what its accessor raises.
///
/// Each value class (NativeppBoolean, NativeppByte, NativeppChar, NativeppShort, NativeppInt,
/// NativeppLong, NativeppFloat, NativeppDouble) has get() and set(value), converts to its
/// native type and takes one by assignment, each a read or write in Java.
class NATIVEPP_EXPORT NativeppPrimitive : public NativeppValue {
public:
    NativeppPrimitive();
    ~NativeppPrimitive() override;

    NativeppPrimitive(const NativeppPrimitive&) = delete;
    NativeppPrimitive& operator=(const NativeppPrimitive&) = delete;

    /// Each value is bound once; a second binding is refused and keeps the first.
    void nativeppInitFieldNamedStatic(int index, const char* name, NativeppObjectClass* ownerClass) override;
    void nativeppInitFieldNamed(int index, const char* name, NativeppObjectClass* ownerClass,
                                NativeppObject* owner) override;
    void nativeppInitArrayElement(int index, NativeppObject* array) override;

    /// The descriptor of the value's type, whose signature names the field type.
    virtual NativeppClass* getClass() = 0;

protected:
    /// The accessor; a value that was never bound raises instead of reaching JNI.
    NativeppPrimitiveFieldMgr* accessor();

private:
    void bind(std::unique_ptr<NativeppPrimitiveFieldMgr> mgr);

    std::unique_ptr<NativeppPrimitiveFieldMgr> fieldMgr;
};

}  // namespace nativepp

// The members of the value class CLASS of native type NATIVE.
#define NATIVEPP_PRIMITIVE_MEMBERS(CLASS, NATIVE)                                                  \
public:                                                                                            \
    static NativeppClass nativeppClass;                                                            \
    CLASS();                                                                                       \
    /* Bound at once to the static field name of ownerClass. */                                    \
    CLASS(int index, const char* name, NativeppObjectClass* ownerClass);                           \
    ~CLASS() override;                                                                             \
    NativeppClass* getClass() override;                                                            \
    NATIVE get();                                                                                  \
    void set(NATIVE value);                                                                        \
    operator NATIVE();                                                                             \
    NATIVE operator=(NATIVE value);

// KIND names the accessor pair (Int: getIntField, setIntField).
#define NATIVEPP_PRIMITIVE_DEFINITIONS(CLASS, NATIVE, KIND, CLASS_NAME, SIGNATURE)                 \
    NativeppClass CLASS::nativeppClass(CLASS_NAME, SIGNATURE);                                     \
    CLASS::CLASS() {}                                                                              \
    CLASS::CLASS(int index, const char* name, NativeppObjectClass* ownerClass) {                   \
        NativeppPrimitive::nativeppInitFieldNamedStatic(index, name, ownerClass);                  \
    }                                                                                              \
    CLASS::~CLASS() {}                                                                             \
    NativeppClass* CLASS::getClass() { return &nativeppClass; }                                    \
    NATIVE CLASS::get() { return accessor()->get##KIND##Field(NativeppJVM::getJNIEnv()); }         \
    void CLASS::set(NATIVE value) { accessor()->set##KIND##Field(value, NativeppJVM::getJNIEnv()); } \
    CLASS::operator NATIVE() { return get(); }                                                     \
    NATIVE CLASS::operator=(NATIVE value) {                                                        \
        set(value);                                                                                \
        return value;                                                                              \
    }

#endif
