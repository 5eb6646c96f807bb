#!/usr/bin/env bash
# Sets up the machine if needed, builds the library and runs the demo on the 32-bit JVM.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
ensure_setup
build_all >/dev/null
exec qemu-i386 "$java_i386" -Djava.library.path="$build:$build/tests" \
    -Dtarvelo.fixtures="$build/tests/libtarvelofixtures.so" \
    -cp "$build/examples/tarvelo-demo.jar:$build/tarvelo.jar" com.drovantel.tarvelo.demo.Demo "$@"
