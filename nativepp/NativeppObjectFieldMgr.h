#ifndef NATIVEPP_NATIVEPPOBJECTFIELDMGR_H
#define NATIVEPP_NATIVEPPOBJECTFIELDMGR_H

#include "nativepp/NativeppExport.h"
#include "nativepp/NativeppObjectReferenceMgr.h"

namespace nativepp {

/// The manager of a proxy that stands for a Java object field, static field or array
/// element: the Java storage is the truth. Every use reads it anew, and assigning the
/// proxy stores into it.
/// Owns the cached global reference. Threads: any attached thread, serialised on the
/// proxy's lock. Throws: what reading or storing the storage raises.
class NATIVEPP_EXPORT NativeppObjectFieldMgr : public NativeppObjectReferenceMgr {
public:
    /// owner: the proxy whose Java object holds the field, or the array proxy of an element;
    /// null for a static field.
    NativeppObjectFieldMgr(int index, NativeppObject* object, NativeppObject* owner);
    ~NativeppObjectFieldMgr() override;

    /// Reads the storage and rebinds the cached reference to what it holds now.
    NativeppSharedJObjectGlobal getJObject(JNIEnv* env) override;
    jobject getJObjectLocal(JNIEnv* env) override;
    /// Also what the owner's own binding needs: its reference is read under this proxy's lock.
    void resolve(JNIEnv* env) override;
    /// With propagate set, stores value into the Java storage first, then caches it.
    /// A refused store leaves the storage and the cached reference as they were.
    NativeppRefusal setJObjectMonoThread(const NativeppJObjectWrapper& value, unsigned char propagate,
                                         JNIEnv* env) override;
    NativeppRefusal setSharedMonoThread(const NativeppSharedJObjectGlobal& share, NativeppObjectClass* shareClass,
                                        unsigned char propagate, JNIEnv* env) override;

    /// Whether the proxy stands for Java storage: true here.
    virtual bool isField() { return true; }
    /// Runs under the proxy's lock too: an empty owner is reported in refused, with an empty
    /// value.
    virtual NativeppJObjectLocal getJObjectField(NativeppRefusal& refused, JNIEnv* env) = 0;
    /// Runs under the proxy's lock: what it refuses is returned, not raised.
    [[nodiscard]] virtual NativeppRefusal setJObjectField(const NativeppJObjectWrapper& value, JNIEnv* env) = 0;

protected:
    /// The proxy whose Java object holds the field, the array proxy of an element; null for a
    /// static field.
    NativeppObject* owner;
    /// The field's number in the class descriptor's table, or the element's index.
    int index;
};

}  // namespace nativepp

#endif
