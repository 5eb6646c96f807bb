#ifndef BRIDGE_TARGETABI_H
#define BRIDGE_TARGETABI_H

// Facts of the x86-64 target that shared code cannot derive from the compiler's types. This
// directory is on the include path of an x86-64 build only.

/// The name TarveloNative.getArchitecture reports, by which the Java side picks the x86-64
/// argument-block layout: the System V register image followed by the stack slots.
#define TARVELO_ARCHITECTURE "x86_64"

#include <cstdint>

#include "bridge/asm_dispatch.h"

/// The caller's stack slots that a thunk copies after the register image; the caller removes
/// them, whatever the convention.
inline std::uint32_t thunkStackBytes(int, long long argsSize) {
    return argsSize == 0 ? 0 : static_cast<std::uint32_t>(argsSize - TARVELO_REGISTER_IMAGE_SIZE);
}

#endif
