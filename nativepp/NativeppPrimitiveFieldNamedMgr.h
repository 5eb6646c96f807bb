#ifndef NATIVEPP_NATIVEPPPRIMITIVEFIELDNAMEDMGR_H
#define NATIVEPP_NATIVEPPPRIMITIVEFIELDNAMEDMGR_H

#include "nativepp/NativeppExport.h"
#include "nativepp/NativeppPrimitiveFieldMgr.h"

namespace nativepp {

class NativeppClass;
class NativeppObjectClass;

/// A primitive value in the named field of owner's Java object, or in the static field of
/// ownerClass when owner is null. name is not copied: it must outlive the accessor.
/// Threads: any attached thread. Throws: what the field operations raise.
class NATIVEPP_EXPORT NativeppPrimitiveFieldNamedMgr : public NativeppPrimitiveFieldMgr {
public:
    /// valueClass is not kept: each typed operation names the descriptor of its own type.
    NativeppPrimitiveFieldNamedMgr(int index, const char* name, NativeppClass* valueClass,
                                   NativeppObjectClass* ownerClass, NativeppObject* owner);
    ~NativeppPrimitiveFieldNamedMgr() override;

    unsigned char getBooleanField(JNIEnv* env) override;
    void setBooleanField(unsigned char value, JNIEnv* env) override;
    signed char getByteField(JNIEnv* env) override;
    void setByteField(signed char value, JNIEnv* env) override;
    unsigned short getCharField(JNIEnv* env) override;
    void setCharField(unsigned short value, JNIEnv* env) override;
    short getShortField(JNIEnv* env) override;
    void setShortField(short value, JNIEnv* env) override;
    int getIntField(JNIEnv* env) override;
    void setIntField(int value, JNIEnv* env) override;
    long long getLongField(JNIEnv* env) override;
    void setLongField(long long value, JNIEnv* env) override;
    float getFloatField(JNIEnv* env) override;
    void setFloatField(float value, JNIEnv* env) override;
    double getDoubleField(JNIEnv* env) override;
    void setDoubleField(double value, JNIEnv* env) override;

private:
    const char* name;
    NativeppObjectClass* ownerClass;
};

}  // namespace nativepp

#endif
