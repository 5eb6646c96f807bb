#!/usr/bin/env bash
# Runs the 32-bit JVM under qemu-i386 with JNI checking on. Fails with the JVM's status, or
# when -Xcheck:jni reported anything: a warning, a fatal error or a local reference overflow.
set -uo pipefail
emulator=$1 java=$2
shift 2
log=$(mktemp)
trap 'rm -f "$log"' EXIT

"$emulator" "$java" -Xcheck:jni -Djdk.lang.Process.launchMechanism=VFORK "$@" 2>&1 | tee "$log"
status=${PIPESTATUS[0]}

warnings=$(grep -E 'WARNING in native method|FATAL ERROR in native method|WARNING: JNI local refs' "$log")
if [ -n "$warnings" ]; then
    printf '\nJNI check failed:\n%s\n' "$warnings" >&2
    exit 1
fi
exit "$status"
