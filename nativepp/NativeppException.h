#ifndef NATIVEPP_NATIVEPPEXCEPTION_H
#define NATIVEPP_NATIVEPPEXCEPTION_H

#include <string>

#include "nativepp/NativeppExport.h"

namespace nativepp {

// The binding layer's own failure, thrown and caught by value.
// Owns: its message text. Threads: a plain value, no JNI. Throws: nothing (std::bad_alloc
// aside).
class NATIVEPP_EXPORT NativeppException {
public:
    explicit NativeppException(const std::string& message, int code = 0);
    explicit NativeppException(const char* message, int code = 0);

    const char* getMessage() const { return message.c_str(); }
    int getCode() const { return code; }

private:
    std::string message;
    int code;
};

}  // namespace nativepp

#endif
