#!/usr/bin/env bash
# Sets up the machine if needed, builds the library and runs the demo on the 32-bit JVM.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
ensure_setup
echo "demo.sh: building the library and the demo into $build (a first build takes a minute or two)" >&2
build_all -DTARVELO_BUILD_EXAMPLES=ON >/dev/null
echo "demo.sh: running the demo on the 32-bit JVM under qemu-i386" >&2
qemu-i386 "$java_i386" -Djava.library.path="$build" \
    -Dtarvelo.demo.library="$build/examples/libtarvelodemo.so" \
    -cp "$build/examples/tarvelo-demo.jar:$build/tarvelo.jar" com.drovantel.tarvelo.demo.Demo "$@" ||
    fail "the demo failed (status $?)"
