#!/usr/bin/env bash
# Builds and runs the benchmarks on the 32-bit JVM (JIT on, default server VM) under qemu.
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/common.sh"
ensure_setup
[ -f /opt/tarvelo-jna/usr/share/java/jna.jar ] || bash "$repo/scripts/setup.sh"
build_all >/dev/null
cmake --build "$build" --target tarvelo-bench >/dev/null
exec qemu-i386 "$java_i386" -Djava.library.path="$build" \
    -Dtarvelo.bench.library="$build/bench/libtarvelobench.so" \
    -cp "$build/bench/tarvelo-bench.jar:$build/tarvelo.jar:/opt/tarvelo-jna/usr/share/java/jna.jar" \
    com.drovantel.tarvelo.bench.Bench "$@"
