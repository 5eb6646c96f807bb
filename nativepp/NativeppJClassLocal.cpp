#include "nativepp/NativeppJClassLocal.h"

#include <utility>

#include "nativepp/NativeppException.h"

namespace nativepp {

NativeppJClassLocal::NativeppJClassLocal() {}

NativeppJClassLocal::NativeppJClassLocal(jclass cls, JNIEnv* env) : NativeppJObjectLocal(cls, env) { setEnv(env); }

NativeppJClassLocal::NativeppJClassLocal(const NativeppJClassLocal&) : NativeppJObjectLocal() {
    throw NativeppException("INTERNAL ERROR, FORBIDDEN METHOD");
}

NativeppJClassLocal::NativeppJClassLocal(NativeppJClassLocal&& other) noexcept
    : NativeppJObjectLocal(std::move(other)) {}

NativeppJClassLocal::~NativeppJClassLocal() {}

}  // namespace nativepp
