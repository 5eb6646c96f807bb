#ifndef NATIVEPP_NATIVEPPFIELDNAMEDSTATIC_H
#define NATIVEPP_NATIVEPPFIELDNAMEDSTATIC_H

#include <jni.h>

#include "nativepp/NativeppExport.h"
#include "nativepp/NativeppJObjectLocal.h"
#include "nativepp/NativeppRefusal.h"

namespace nativepp {

class NativeppClass;
class NativeppObjectClass;

/// Static fields of the class ownerClass, by name and index: each operation looks the ID up,
/// accesses the field and converts a pending Java exception.
/// Threads: any attached thread. Throws: "Field not found" (NativeppFieldNamed), the mapped
/// proxy of a pending Java exception.
class NATIVEPP_EXPORT NativeppFieldNamedStatic {
public:
    /// The static object field's value as a local holder, empty for Java null.
    static NativeppJObjectLocal getStaticObjectField(int index, const char* name, NativeppClass* fieldClass,
                                                     NativeppObjectClass* ownerClass, JNIEnv* env);
    /// A final field raises the mapped IllegalAccessException and keeps its value, as with
    /// every set operation below.
    /// A value not of fieldClass raises the mapped ClassCastException and leaves the field
    /// unchanged.
    static void setStaticObjectField(int index, const char* name, NativeppClass* fieldClass,
                                     NativeppObjectClass* ownerClass, const NativeppJObjectWrapper& value, JNIEnv* env);
    /// As setStaticObjectField, but a final field or a value of another class is returned
    /// instead of raised, so that a caller under a lock raises it after.
    [[nodiscard]] static NativeppRefusal trySetStaticObjectField(int index, const char* name,
                                                                 NativeppClass* fieldClass,
                                                                 NativeppObjectClass* ownerClass,
                                                                 const NativeppJObjectWrapper& value, JNIEnv* env);

    /// The static primitive field of the named type: get reads it, set writes value (a final field
    /// raises the mapped IllegalAccessException and keeps its value).
    ///@{
    static unsigned char getStaticBooleanField(int index, const char* name, NativeppObjectClass* ownerClass,
                                               JNIEnv* env);
    static void setStaticBooleanField(int index, const char* name, NativeppObjectClass* ownerClass,
                                      unsigned char value, JNIEnv* env);
    static signed char getStaticByteField(int index, const char* name, NativeppObjectClass* ownerClass, JNIEnv* env);
    static void setStaticByteField(int index, const char* name, NativeppObjectClass* ownerClass, signed char value,
                                   JNIEnv* env);
    static unsigned short getStaticCharField(int index, const char* name, NativeppObjectClass* ownerClass,
                                             JNIEnv* env);
    static void setStaticCharField(int index, const char* name, NativeppObjectClass* ownerClass, unsigned short value,
                                   JNIEnv* env);
    static short getStaticShortField(int index, const char* name, NativeppObjectClass* ownerClass, JNIEnv* env);
    static void setStaticShortField(int index, const char* name, NativeppObjectClass* ownerClass, short value,
                                    JNIEnv* env);
    static int getStaticIntField(int index, const char* name, NativeppObjectClass* ownerClass, JNIEnv* env);
    static void setStaticIntField(int index, const char* name, NativeppObjectClass* ownerClass, int value,
                                  JNIEnv* env);
    static long long getStaticLongField(int index, const char* name, NativeppObjectClass* ownerClass, JNIEnv* env);
    static void setStaticLongField(int index, const char* name, NativeppObjectClass* ownerClass, long long value,
                                   JNIEnv* env);
    static float getStaticFloatField(int index, const char* name, NativeppObjectClass* ownerClass, JNIEnv* env);
    static void setStaticFloatField(int index, const char* name, NativeppObjectClass* ownerClass, float value,
                                    JNIEnv* env);
    static double getStaticDoubleField(int index, const char* name, NativeppObjectClass* ownerClass, JNIEnv* env);
    static void setStaticDoubleField(int index, const char* name, NativeppObjectClass* ownerClass, double value,
                                     JNIEnv* env);
    ///@}
};

}  // namespace nativepp

#endif
