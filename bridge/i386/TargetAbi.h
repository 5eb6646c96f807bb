#ifndef BRIDGE_TARGETABI_H
#define BRIDGE_TARGETABI_H

// Facts of the i386 target that shared code cannot derive from the compiler's types. This
// directory is on the include path of an i386 build only.

/// The name TarveloNative.getArchitecture reports, by which the Java side picks the i386
/// argument-block layout: the callee's stack arguments, word by word.
#define TARVELO_ARCHITECTURE "i386"

#include <cstdint>

#include "bridge/asm_dispatch.h"

/// The caller's argument bytes that a thunk removes on return: all of them for stdcall, none
/// for cdecl (the caller removes them).
inline std::uint32_t thunkStackBytes(int callingConvention, long long argsSize) {
    return callingConvention == TARVELO_CDECL ? 0 : static_cast<std::uint32_t>(argsSize);
}

#endif
