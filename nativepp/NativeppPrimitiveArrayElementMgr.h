#ifndef NATIVEPP_NATIVEPPPRIMITIVEARRAYELEMENTMGR_H
#define NATIVEPP_NATIVEPPPRIMITIVEARRAYELEMENTMGR_H

#include "nativepp/NativeppExport.h"
#include "nativepp/NativeppPrimitiveFieldMgr.h"

namespace nativepp {

/// A primitive value in element index of the Java array of the array proxy owner: each
/// access is a one-element region copy of the proxy's current array.
/// Threads: any attached thread. Throws: what the region copies raise.
class NATIVEPP_EXPORT NativeppPrimitiveArrayElementMgr : public NativeppPrimitiveFieldMgr {
public:
    /// The accessor of element index of array's Java array.
    NativeppPrimitiveArrayElementMgr(int index, NativeppObject* array);
    ~NativeppPrimitiveArrayElementMgr() override;

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
};

}  // namespace nativepp

#endif
