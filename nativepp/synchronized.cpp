#include "nativepp/synchronized.h"

#include <memory>

#include "nativepp/NativeppJVM.h"
#include "nativepp/NativeppObject.h"
#include "nativepp/NativeppSynchronized.h"

using nativepp::NativeppJObjectLocal;
using nativepp::NativeppJVM;
using nativepp::NativeppSynchronized;

synchronized::synchronized(nativepp::NativeppObject& o) : holder(nullptr), env(NativeppJVM::getJNIEnv()) {
    auto local = std::make_unique<NativeppJObjectLocal>(o.nativeppGetJObjectLocal(env), env);
    enter(local.get(), env);
    holder = local.release();
}

synchronized::~synchronized() {
    try {
        exit();
    } catch (...) {
    }
}

void synchronized::enter(NativeppJObjectLocal* held, JNIEnv* jniEnv) {
    NativeppSynchronized::enter(held->getJObject(), jniEnv);
}

void synchronized::exit(NativeppJObjectLocal* held, JNIEnv* jniEnv) {
    NativeppSynchronized::exit(held->getJObject(), jniEnv);
}

void synchronized::exit() {
    if (holder == nullptr) {
        return;
    }
    std::unique_ptr<NativeppJObjectLocal> held(holder);
    holder = nullptr;
    exit(held.get(), env);
}
