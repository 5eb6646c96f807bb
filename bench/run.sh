#!/usr/bin/env bash
# Builds and runs the benchmarks on the 32-bit JVM (JIT on, default server VM) under qemu.
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/common.sh"
jna_jar=/opt/tarvelo-jna/usr/share/java/jna.jar
ensure_setup "$jna_jar"
echo "run.sh: building into $build" >&2
build_all >/dev/null
cmake --build "$build" --target tarvelo-bench >/dev/null || fail "building the benchmarks failed"
exec qemu-i386 "$java_i386" -Djava.library.path="$build" \
    -Dtarvelo.bench.library="$build/bench/libtarvelobench.so" \
    -cp "$build/bench/tarvelo-bench.jar:$build/tarvelo.jar:$jna_jar" \
    com.drovantel.tarvelo.bench.Bench "$@"
