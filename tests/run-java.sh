#!/usr/bin/env bash
# Runs a JVM with JNI checking on: the 64-bit one natively (emulator "native"), the 32-bit
# one under qemu-i386. Fails with the JVM's status, or when -Xcheck:jni reported anything: a
# warning, a fatal error or a local reference overflow.
set -uo pipefail
emulator=$1 java=$2
shift 2
# File names are UTF-8 bytes: the JVM writes a Java path holding U+1F600 as those only under
# a UTF-8 locale, and refuses it under C or POSIX.
export LC_ALL=C.UTF-8
log=$(mktemp)
trap 'rm -f "$log"' EXIT

# -Xint under qemu: qemu 10.0 keeps running a translated jump-to-self after the code under
# it changed (fixed upstream by "accel/tcg: Properly unlink a TB linked to itself"). HotSpot
# writes such a jump at a compiled method's entry while it makes the method not entrant; a
# thread that enters then spins for good and the next safepoint hangs the whole JVM. Without
# compiled code nothing is patched, and under emulation the tests even run faster. Natively
# the JIT runs.
if [ "$emulator" = native ]; then
    run=("$java")
else
    run=("$emulator" "$java" -Xint)
fi
"${run[@]}" -Xcheck:jni -Djdk.lang.Process.launchMechanism=VFORK "$@" 2>&1 | tee "$log"
status=${PIPESTATUS[0]}

warnings=$(grep -E 'WARNING in native method|FATAL ERROR in native method|WARNING: JNI local refs' "$log")
if [ -n "$warnings" ]; then
    printf '\nJNI check failed:\n%s\n' "$warnings" >&2
    exit 1
fi
exit "$status"
