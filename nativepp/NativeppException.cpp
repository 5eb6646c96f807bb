#include "nativepp/NativeppException.h"

namespace nativepp {

NativeppException::NativeppException(const std::string& message, int code)
    : message(message), code(code) {}

NativeppException::NativeppException(const char* message, int code)
    : message(message ? message : ""), code(code) {}

}  // namespace nativepp
