#!/usr/bin/env bash
# Sets up the machine if needed, builds the library and runs the demo: on the 64-bit JVM, or
# with --i386 on the 32-bit JVM under qemu-i386. Other arguments go to the demo.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
target=x86_64
if [ "${1:-}" = --i386 ]; then
    target=i386
    shift
fi
ensure_setup
echo "demo.sh: building the library and the demo into $build/$target (a first build takes a minute or two)" >&2
build_target "$target" -DTARVELO_BUILD_EXAMPLES=ON >/dev/null
out=$build/$target
run=("$java_x86_64")
[ "$target" = x86_64 ] || run=(qemu-i386 "$java_i386")
echo "demo.sh: running the demo on the $target JVM${run[1]:+ under qemu-i386}" >&2
"${run[@]}" -Djava.library.path="$out" -Dtarvelo.demo.library="$out/examples/libtarvelodemo.so" \
    -cp "$out/examples/tarvelo-demo.jar:$out/tarvelo.jar" com.drovantel.tarvelo.demo.Demo "$@" ||
    fail "the demo failed (status $?)"
