#ifndef NATIVEPP_NATIVEPPFIELDNAMEDINSTANCE_H
#define NATIVEPP_NATIVEPPFIELDNAMEDINSTANCE_H

#include <jni.h>

#include "nativepp/NativeppExport.h"
#include "nativepp/NativeppJObjectLocal.h"
#include "nativepp/NativeppRefusal.h"

namespace nativepp {

class NativeppClass;
class NativeppObject;
class NativeppObjectClass;

/// Instance fields of the Java object of owner, by name and index: each operation looks the
/// ID up, accesses the field and converts a pending Java exception. An owner that holds no
/// object raises the mapped NullPointerException.
/// Threads: any attached thread. Throws: the mapped NullPointerException for an empty owner,
/// "Field not found" (NativeppFieldNamed), the mapped proxy of a pending Java exception.
class NATIVEPP_EXPORT NativeppFieldNamedInstance {
public:
    /// The object field's value as a local holder, empty for Java null.
    static NativeppJObjectLocal getObjectField(int index, const char* name, NativeppClass* fieldClass,
                                               NativeppObjectClass* ownerClass, NativeppObject* owner, JNIEnv* env);
    /// As getObjectField, but an empty owner is reported in refused, with an empty value.
    static NativeppJObjectLocal getObjectField(int index, const char* name, NativeppClass* fieldClass,
                                               NativeppObjectClass* ownerClass, NativeppObject* owner,
                                               NativeppRefusal& refused, JNIEnv* env);
    /// A final field raises the mapped IllegalAccessException and keeps its value, as with
    /// every set operation below.
    /// A value not of fieldClass raises the mapped ClassCastException and leaves the field
    /// unchanged.
    static void setObjectField(int index, const char* name, NativeppClass* fieldClass, NativeppObjectClass* ownerClass,
                               NativeppObject* owner, const NativeppJObjectWrapper& value, JNIEnv* env);
    /// As setObjectField, but an empty owner, a final field or a value of another class is
    /// returned instead of raised, so that a caller under a lock raises it after.
    [[nodiscard]] static NativeppRefusal trySetObjectField(int index, const char* name, NativeppClass* fieldClass,
                                                           NativeppObjectClass* ownerClass, NativeppObject* owner,
                                                           const NativeppJObjectWrapper& value, JNIEnv* env);

    /// The primitive field of the named type: get reads it, set writes value (a final field raises
    /// the mapped IllegalAccessException and keeps its value).
    ///@{
    static unsigned char getBooleanField(int index, const char* name, NativeppObjectClass* ownerClass,
                                         NativeppObject* owner, JNIEnv* env);
    static void setBooleanField(int index, const char* name, NativeppObjectClass* ownerClass, NativeppObject* owner,
                                unsigned char value, JNIEnv* env);
    static signed char getByteField(int index, const char* name, NativeppObjectClass* ownerClass,
                                    NativeppObject* owner, JNIEnv* env);
    static void setByteField(int index, const char* name, NativeppObjectClass* ownerClass, NativeppObject* owner,
                             signed char value, JNIEnv* env);
    static unsigned short getCharField(int index, const char* name, NativeppObjectClass* ownerClass,
                                       NativeppObject* owner, JNIEnv* env);
    static void setCharField(int index, const char* name, NativeppObjectClass* ownerClass, NativeppObject* owner,
                             unsigned short value, JNIEnv* env);
    static short getShortField(int index, const char* name, NativeppObjectClass* ownerClass, NativeppObject* owner,
                               JNIEnv* env);
    static void setShortField(int index, const char* name, NativeppObjectClass* ownerClass, NativeppObject* owner,
                              short value, JNIEnv* env);
    static int getIntField(int index, const char* name, NativeppObjectClass* ownerClass, NativeppObject* owner,
                           JNIEnv* env);
    static void setIntField(int index, const char* name, NativeppObjectClass* ownerClass, NativeppObject* owner,
                            int value, JNIEnv* env);
    static long long getLongField(int index, const char* name, NativeppObjectClass* ownerClass, NativeppObject* owner,
                                  JNIEnv* env);
    static void setLongField(int index, const char* name, NativeppObjectClass* ownerClass, NativeppObject* owner,
                             long long value, JNIEnv* env);
    static float getFloatField(int index, const char* name, NativeppObjectClass* ownerClass, NativeppObject* owner,
                               JNIEnv* env);
    static void setFloatField(int index, const char* name, NativeppObjectClass* ownerClass, NativeppObject* owner,
                              float value, JNIEnv* env);
    static double getDoubleField(int index, const char* name, NativeppObjectClass* ownerClass, NativeppObject* owner,
                                 JNIEnv* env);
    static void setDoubleField(int index, const char* name, NativeppObjectClass* ownerClass, NativeppObject* owner,
                               double value, JNIEnv* env);
    ///@}
};

}  // namespace nativepp

#endif
