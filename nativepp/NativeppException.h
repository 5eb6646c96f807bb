#ifndef NATIVEPP_NATIVEPPEXCEPTION_H
#define NATIVEPP_NATIVEPPEXCEPTION_H

#include <string>

#include "nativepp/NativeppExport.h"

namespace nativepp {

/// The binding layer's own failure, thrown and caught by value.
/// Owns: its message text. Threads: a plain value, no JNI. Throws: nothing (std::bad_alloc
/// aside).
class NATIVEPP_EXPORT NativeppException {
public:
    /// A failure described by message, with code (a JNI result code, say) or 0.
    ///@{
    explicit NativeppException(const std::string& message, int code = 0);
    explicit NativeppException(const char* message, int code = 0);
    ///@}

    /// The message, as given.
    const char* getMessage() const { return message.c_str(); }
    /// The code, 0 when none was given.
    int getCode() const { return code; }

private:
    std::string message;
    int code;
};

}  // namespace nativepp

#endif
