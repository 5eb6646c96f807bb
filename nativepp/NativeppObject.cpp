#include "nativepp/NativeppObject.h"

#include <memory>

#include "nativepp/NativeppException.h"
#include "nativepp/NativeppJVM.h"
#include "nativepp/NativeppMonitor.h"
#include "nativepp/NativeppObjectArrayElementMgr.h"
#include "nativepp/NativeppObjectFieldClassSpecialMgr.h"
#include "nativepp/NativeppObjectFieldNamedMgr.h"
#include "nativepp/NativeppObjectInstanceMgr.h"
#include "nativepp/NativeppObjectLocalReferenceMgr.h"
#include "nativepp/NativeppSynchronized.h"

namespace nativepp {

// The proxy's layout keeps a plain pointer in this place.
static_assert(sizeof(std::atomic<NativeppMonitor*>) == sizeof(NativeppMonitor*), "monitor is one pointer");

NativeppObject::NativeppObject() : objectMgr(nullptr), monitor(nullptr) {}

NativeppObject::~NativeppObject() {
    delete objectMgr.load();
    delete monitor.load();
}

NativeppMonitor* NativeppObject::nativeppGetMonitor() {
    NativeppMonitor* current = monitor.load(std::memory_order_acquire);
    if (current != nullptr) {
        return current;
    }
    // Racing threads each make one; the first to publish wins and the others drop theirs.
    auto made = std::make_unique<NativeppMonitor>();
    if (monitor.compare_exchange_strong(current, made.get(), std::memory_order_acq_rel)) {
        return made.release();
    }
    return current;
}

void NativeppObject::nativeppInitFieldNamedStatic(int index, const char* name, NativeppObjectClass* cls) {
    install(new NativeppObjectFieldNamedMgr(index, this, name, cls, nullptr));
}

void NativeppObject::nativeppInitFieldNamed(int index, const char* name, NativeppObjectClass* cls,
                                            NativeppObject* owner) {
    install(new NativeppObjectFieldNamedMgr(index, this, name, cls, owner));
}

void NativeppObject::nativeppInitArrayElement(int index, NativeppObject* array) {
    install(new NativeppObjectArrayElementMgr(index, this, array));
}

void NativeppObject::nativeppInitFieldClassSpecial(NativeppObjectClass* cls) {
    install(new NativeppObjectFieldClassSpecialMgr(this, cls));
}

template <typename Mgr>
Mgr* NativeppObject::install(Mgr* mgr) {
    std::unique_ptr<Mgr> owned(mgr);
    nativeppSetObjectMgr(owned.get());
    return owned.release();
}

void NativeppObject::nativeppInitObject(jobject obj) {
    JNIEnv* env = nativeppGetJNIEnv();
    NativeppJObjectLocal adopted = NativeppJObjectLocal::adoptIfLocal(obj, env);
    nativeppInitObject(adopted, env);
}

void NativeppObject::nativeppInitObject(const NativeppJObjectLocal& obj) { nativeppInitObject(obj, nativeppGetJNIEnv()); }

void NativeppObject::nativeppInitObject(const NativeppJObjectLocal& obj, JNIEnv* env) {
    install(new NativeppObjectInstanceMgr(this, obj, env));
}

void NativeppObject::nativeppInitObjectReference() { install(new NativeppObjectLocalReferenceMgr(this)); }

void NativeppObject::nativeppInitObjectReference(jobject obj) {
    JNIEnv* env = nativeppGetJNIEnv();
    NativeppJObjectLocal adopted = NativeppJObjectLocal::adoptIfLocal(obj, env);
    nativeppInitObjectReference(adopted, env);
}

void NativeppObject::nativeppInitObjectReference(const NativeppJObjectLocal& obj) {
    nativeppInitObjectReference(obj, nativeppGetJNIEnv());
}

void NativeppObject::nativeppInitObjectReference(const NativeppJObjectLocal& obj, JNIEnv* env) {
    install(new NativeppObjectLocalReferenceMgr(this))->setJObjectMonoThread(obj, 1, env).raise(env);
}

void NativeppObject::nativeppInitObjectReference(NativeppObject* other) {
    install(new NativeppObjectLocalReferenceMgr(this))->setObjectReferenced(other, nativeppGetJNIEnv());
}

void NativeppObject::nativeppInitObjectReference(const NativeppObject& other) {
    // A proxy under construction is seen by no other thread: no lock for its first binding.
    NativeppObject& source = const_cast<NativeppObject&>(other);
    JNIEnv* env = nativeppGetJNIEnv();
    install(new NativeppObjectLocalReferenceMgr(this))
        ->setSharedMonoThread(source.nativeppGetJObjectGlobal(env), source.nativeppGetClass(), 1, env)
        .raise(env);
}

void NativeppObject::nativeppAssign(jobject obj) {
    JNIEnv* env = nativeppGetJNIEnv();
    NativeppJObjectLocal adopted = NativeppJObjectLocal::adoptIfLocal(obj, env);
    nativeppAssign(adopted, env);
}

void NativeppObject::nativeppAssign(const NativeppJObjectLocal& obj) { nativeppAssign(obj, nativeppGetJNIEnv()); }

void NativeppObject::nativeppAssign(const NativeppJObjectLocal& obj, JNIEnv* env) {
    NativeppObjectReferenceMgr::cast(nativeppGetObjectMgr(env))->setJObject(obj, 1, env);
}

void NativeppObject::nativeppAssign(NativeppObject* other) {
    JNIEnv* env = nativeppGetJNIEnv();
    NativeppObjectReferenceMgr::cast(nativeppGetObjectMgr(env))->setObjectReferenced(other, env);
}

void NativeppObject::nativeppAssign(const NativeppObject& other) {
    JNIEnv* env = nativeppGetJNIEnv();
    NativeppObjectReferenceMgr::cast(nativeppGetObjectMgr(env))->setObjectReferenced(other, 1, env);
}

NativeppObjectMgr* NativeppObject::installDefaultMgr(JNIEnv* env) {
    NativeppSynchronized held(nativeppGetMonitor(), env);
    if (objectMgr.load(std::memory_order_acquire) == nullptr) {
        nativeppInitObjectReference();
    }
    held.exit();
    return objectMgr.load(std::memory_order_acquire);
}

void NativeppObject::nativeppSetObjectMgr(NativeppObjectMgr* mgr) {
    NativeppObjectMgr* none = nullptr;
    if (!objectMgr.compare_exchange_strong(none, mgr, std::memory_order_acq_rel)) {
        throw NativeppException("INTERNAL ERROR, unexpected pointer not null");
    }
}

jobject NativeppObject::nativeppGetJObjectLocal(JNIEnv* env) { return nativeppGetObjectMgr(env)->getJObjectLocal(env); }

NativeppJObjectLocal NativeppObject::nativeppGetJObjectLocalWrapper(JNIEnv* env) {
    return nativeppGetObjectMgr(env)->getJObjectLocalWrapper(env);
}

bool NativeppObject::nativeppEqualRef(NativeppObject* other) {
    JNIEnv* env = nativeppGetJNIEnv();
    return NativeppObjectReferenceMgr::cast(nativeppGetObjectMgr(env))->refEqual(other, env);
}

bool NativeppObject::nativeppEqualRef(jobject obj) {
    JNIEnv* env = nativeppGetJNIEnv();
    return NativeppObjectReferenceMgr::cast(nativeppGetObjectMgr(env))->refEqual(obj, env);
}

bool NativeppObject::nativeppNotEqualRef(NativeppObject* other) { return !nativeppEqualRef(other); }

bool NativeppObject::nativeppNotEqualRef(jobject obj) { return !nativeppEqualRef(obj); }

bool NativeppObject::instanceof(jclass cls, JNIEnv* env) {
    return NativeppObjectReferenceMgr::cast(nativeppGetObjectMgr(env))->instanceof(cls, env);
}

bool NativeppObject::instanceof(jclass cls) { return instanceof(cls, nativeppGetJNIEnv()); }

void NativeppObject::nativeppSetMustBeDeleted(unsigned char mustBeDeleted, JNIEnv* env) {
    nativeppGetObjectMgr(env)->setMustBeDeleted(mustBeDeleted);
}

bool NativeppObject::nativeppMustBeDeleted(JNIEnv* env) { return nativeppGetObjectMgr(env)->getMustBeDeleted(); }

}  // namespace nativepp
