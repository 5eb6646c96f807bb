#!/usr/bin/env bash
# Builds and runs the benchmarks on the 32-bit JVM (JIT on, default server VM) under qemu.
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/common.sh"
jna_jar=/opt/tarvelo-jna/usr/share/java/jna.jar
# JNR-FFI and what it needs at run time; its native part comes from libjffi-jni:i386.
jnr_java=/opt/tarvelo-jnr/usr/share/java
jnr_jars=()
for jar in jnr-ffi jffi asm asm-commons asm-analysis asm-tree asm-util jnr-x86asm; do
    jnr_jars+=("$jnr_java/$jar.jar")
done
jffi_library_dir=/usr/lib/i386-linux-gnu/jni
setup_options=(--bench)
ensure_setup "$jna_jar" "${jnr_jars[@]}" "$jffi_library_dir/libjffi-1.2.so"
echo "run.sh: building into $build/i386" >&2
build_target i386 >/dev/null
out=$build/i386
cmake --build "$out" --target tarvelo-bench >/dev/null || fail "building the benchmarks failed"
jnr_path=$(IFS=:; echo "${jnr_jars[*]}")
exec qemu-i386 "$java_i386" -Djava.library.path="$out" -Djffi.boot.library.path="$jffi_library_dir" \
    -Dtarvelo.bench.library="$out/bench/libtarvelobench.so" \
    -cp "$out/bench/tarvelo-bench.jar:$out/tarvelo.jar:$jna_jar:$jnr_path" \
    com.drovantel.tarvelo.bench.Bench "$@"
