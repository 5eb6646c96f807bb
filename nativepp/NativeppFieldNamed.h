#ifndef NATIVEPP_NATIVEPPFIELDNAMED_H
#define NATIVEPP_NATIVEPPFIELDNAMED_H

#include <jni.h>

#include "nativepp/NativeppExport.h"
#include "nativepp/NativeppObjectClass.h"
#include "nativepp/NativeppRefusal.h"
#include "nativepp/NativeppThrowable.h"

namespace nativepp {

class NativeppClass;
class NativeppJObjectWrapper;

/// Field IDs, looked up through JNI once per declaring class and index and then read from
/// the class descriptor's field table.
/// Threads: any attached thread; the first lookup of an index holds no lock (threads racing
/// on it may each look it up). Throws: NativeppException "Field not found, name: " with nothing
/// left
/// pending; the mapped IllegalAccessException when a final field is to be written.
class NATIVEPP_EXPORT NativeppFieldNamed {
public:
    /// fieldClass names the field's type (its signature is looked up), ownerClass declares it.
    static jfieldID getGenericFieldID(unsigned char isStatic, int index, const char* name, NativeppClass* fieldClass,
                                      NativeppObjectClass* ownerClass, JNIEnv* env);
    /// The ID of the instance or static field name, number index of ownerClass: from the table, or
    /// looked up and cached there.
    ///@{
    static jfieldID getFieldID(int index, const char* name, NativeppClass* fieldClass,
                               NativeppObjectClass* ownerClass, JNIEnv* env) {
        return cachedOrLookedUp(0, index, name, fieldClass, ownerClass, env);
    }
    static jfieldID getStaticFieldID(int index, const char* name, NativeppClass* fieldClass,
                                     NativeppObjectClass* ownerClass, JNIEnv* env) {
        return cachedOrLookedUp(1, index, name, fieldClass, ownerClass, env);
    }
    ///@}

    /// The ID of a field about to be written. JNI writes final fields too, for the whole
    /// virtual machine: a final field raises the mapped IllegalAccessException instead.
    static jfieldID getWritableFieldID(int index, const char* name, NativeppClass* fieldClass,
                                       NativeppObjectClass* ownerClass, JNIEnv* env) {
        jfieldID id = getFieldID(index, name, fieldClass, ownerClass, env);
        if (ownerClass->getFieldWritability(index) != NativeppObjectClass::fieldWritable) {
            checkWritable(0, index, name, id, ownerClass, env);
        }
        return id;
    }
    /// As getWritableFieldID, for a static field.
    static jfieldID getWritableStaticFieldID(int index, const char* name, NativeppClass* fieldClass,
                                             NativeppObjectClass* ownerClass, JNIEnv* env) {
        jfieldID id = getStaticFieldID(index, name, fieldClass, ownerClass, env);
        if (ownerClass->getFieldWritability(index) != NativeppObjectClass::fieldWritable) {
            checkWritable(1, index, name, id, ownerClass, env);
        }
        return id;
    }

    /// JNI stores any object into an object field, final ones too: the binding layer checks
    /// first.
    /// Why value may not be stored into the field, or nothing: a final field, a value of
    /// another class. No Java code runs once learnWritability() has.
    static NativeppRefusal storeRefusal(unsigned char isStatic, int index, const char* name, jfieldID id,
                                        NativeppClass* fieldClass, NativeppObjectClass* ownerClass,
                                        const NativeppJObjectWrapper& value, JNIEnv* env);
    /// Learns the field's modifiers on first use, through reflection, which runs Java code.
    static NativeppObjectClass::FieldWritability learnWritability(unsigned char isStatic, int index, jfieldID id,
                                                                  NativeppObjectClass* ownerClass, JNIEnv* env);

private:
    /// Raises for a final field.
    static void checkWritable(unsigned char isStatic, int index, const char* name, jfieldID id,
                              NativeppObjectClass* ownerClass, JNIEnv* env);
    /// Inline for a cached ID: a call costs about what the rest does.
    static jfieldID cachedOrLookedUp(unsigned char isStatic, int index, const char* name, NativeppClass* fieldClass,
                                     NativeppObjectClass* ownerClass, JNIEnv* env) {
        jfieldID cached = ownerClass->getFieldID(index);
        return cached != nullptr ? cached : getGenericFieldID(isStatic, index, name, fieldClass, ownerClass, env);
    }
};

}  // namespace nativepp

#endif
