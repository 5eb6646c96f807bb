#include "nativepp/NativeppEnvScope.h"

#include "nativepp/NativeppJVM.h"

namespace nativepp {

NativeppEnvScope::NativeppEnvScope(JNIEnv* env) noexcept : previous(NativeppJVM::swapScopedEnv(env)) {}

NativeppEnvScope::~NativeppEnvScope() { NativeppJVM::swapScopedEnv(previous); }

}  // namespace nativepp
