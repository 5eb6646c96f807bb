#!/usr/bin/env bash
# Runs the 32-bit JVM under qemu-i386 with JNI checking on. Fails with the JVM's status, or
# when -Xcheck:jni warned about a native method of ours or about local reference overflow.
set -uo pipefail
emulator=$1 java=$2
shift 2
log=$(mktemp)
trap 'rm -f "$log"' EXIT

"$emulator" "$java" -Xcheck:jni -Djdk.lang.Process.launchMechanism=VFORK "$@" 2>&1 | tee "$log"
status=${PIPESTATUS[0]}

# A warning names our code when one of the stack lines that follow it is in our packages.
warnings=$(awk '
    /WARNING in native method|FATAL ERROR in native method/ { text = $0; left = 20; next }
    left > 0 && /com\.drovantel/ { print text; left = 0; next }
    left > 0 { left-- }
    /WARNING: JNI local refs/ { print }
' "$log")
if [ -n "$warnings" ]; then
    printf '\nJNI check failed:\n%s\n' "$warnings" >&2
    exit 1
fi
exit "$status"
