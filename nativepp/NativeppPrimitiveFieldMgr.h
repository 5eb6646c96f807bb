#ifndef NATIVEPP_NATIVEPPPRIMITIVEFIELDMGR_H
#define NATIVEPP_NATIVEPPPRIMITIVEFIELDMGR_H

#include <jni.h>

#include "nativepp/NativeppExport.h"

namespace nativepp {

class NativeppObject;

/// Where a primitive value lives: reads and writes it through JNI on every access. A value
/// only calls the pair of operations of its own type.
/// Owns nothing: it points at its owner. Threads: any attached thread.
class NATIVEPP_EXPORT NativeppPrimitiveFieldMgr {
public:
    /// owner: the proxy holding the field, or the array proxy of an element; null for a static
    /// field.
    NativeppPrimitiveFieldMgr(int index, NativeppObject* owner);
    virtual ~NativeppPrimitiveFieldMgr();

    NativeppPrimitiveFieldMgr(const NativeppPrimitiveFieldMgr&) = delete;
    NativeppPrimitiveFieldMgr& operator=(const NativeppPrimitiveFieldMgr&) = delete;

    /// Reads or writes the primitive of the named type, in Java at once.
    ///@{
    virtual unsigned char getBooleanField(JNIEnv* env) = 0;
    virtual void setBooleanField(unsigned char value, JNIEnv* env) = 0;
    virtual signed char getByteField(JNIEnv* env) = 0;
    virtual void setByteField(signed char value, JNIEnv* env) = 0;
    virtual unsigned short getCharField(JNIEnv* env) = 0;
    virtual void setCharField(unsigned short value, JNIEnv* env) = 0;
    virtual short getShortField(JNIEnv* env) = 0;
    virtual void setShortField(short value, JNIEnv* env) = 0;
    virtual int getIntField(JNIEnv* env) = 0;
    virtual void setIntField(int value, JNIEnv* env) = 0;
    virtual long long getLongField(JNIEnv* env) = 0;
    virtual void setLongField(long long value, JNIEnv* env) = 0;
    virtual float getFloatField(JNIEnv* env) = 0;
    virtual void setFloatField(float value, JNIEnv* env) = 0;
    virtual double getDoubleField(JNIEnv* env) = 0;
    virtual void setDoubleField(double value, JNIEnv* env) = 0;
    ///@}

protected:
    /// The proxy holding the field, the array proxy of an element; null for a static field.
    NativeppObject* owner;
    /// The field's number in the class descriptor's table, or the element's index.
    int index;
};

}  // namespace nativepp

#endif
