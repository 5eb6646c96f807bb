#include "nativepp/NativeppObjectInstanceMgr.h"

#include "nativepp/NativeppException.h"

namespace nativepp {

NativeppObjectInstanceMgr::NativeppObjectInstanceMgr(NativeppObject* object, const NativeppJObjectLocal& obj,
                                                     JNIEnv* env)
    : NativeppObjectMgr(object) {
    if (obj.isNull()) {
        throw NativeppException("Error creating object, reference is null");
    }
    setJObjectMonoThread(obj, 1, env).raise(env);
}

NativeppObjectInstanceMgr::~NativeppObjectInstanceMgr() {}

}  // namespace nativepp
