#ifndef BRIDGE_THUNKPOOL_H
#define BRIDGE_THUNKPOOL_H

#include <cstdint>

#include "bridge/thunk_pool.h"

class JavaCallback;

/// The fixed pool of thunks in the library's text: ordinary C functions of the target's
/// convention that call a Java callback with the caller's arguments as a downcall argument
/// block (i386: the caller's argument words in place; x86-64: the register image and a copy
/// of the expected stack slots). No memory is ever written and executed: a thunk finds its
/// callback in a table. Any thread may bind, release and call thunks; the pool's lock is held
/// for table updates only, never across a call into Java.
class ThunkPool {
public:
    static constexpr int kSize = TARVELO_THUNK_COUNT;

    /// Binds a free thunk to `callback` and returns its address; null when all kSize are bound.
    /// `stackBytes`: on i386 the bytes of arguments that the thunk removes on return (0 for
    /// cdecl), on x86-64 the bytes of stack slots that it copies after the register image.
    static void* bind(JavaCallback* callback, std::uint32_t stackBytes);
    /// Frees a bound thunk for reuse; false when `thunk` is no bound thunk of the pool.
    static bool release(const void* thunk);
    /// Runs the bound callback's method of its type index; a released thunk answers 0 with
    /// TarveloNativeException pending.
    static void invoke(std::uint32_t index, void* block, TarveloThunkResult* result);
};

#endif
