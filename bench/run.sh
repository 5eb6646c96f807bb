#!/usr/bin/env bash
# Builds and runs the benchmarks with the JIT on: natively on x86-64 (on a JDK 22 or later
# when one is installed, with Panama's linker among the peers), and on the 32-bit JVM under
# qemu. Each target's output goes to $build/<target>/bench/results.txt as well.
#   bash bench/run.sh [--target x86_64|i386|both] [group...]
# Groups: downcall, mixed, memory, bulk, upcall, binding (Bench's) and instructions (callgrind's
# counts of the native paths, x86-64 only); none means all.
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/common.sh"
targets=(x86_64 i386)
groups=()
while [ $# -gt 0 ]; do
    case $1 in
        --target)
            [ $# -ge 2 ] || fail "--target needs x86_64, i386 or both"
            case $2 in
                both) targets=(x86_64 i386) ;;
                x86_64 | i386) targets=("$2") ;;
                *) fail "unknown target $2 (known: x86_64, i386, both)" ;;
            esac
            shift 2 ;;
        *) groups+=("$1"); shift ;;
    esac
done

jna_jar=/opt/tarvelo-jna/usr/share/java/jna.jar
# JNR-FFI and what it needs at run time; its native part comes from libjffi-jni.
jnr_java=/opt/tarvelo-jnr/usr/share/java
jnr_jars=()
for jar in jnr-ffi jffi asm asm-commons asm-analysis asm-tree asm-util jnr-x86asm; do
    jnr_jars+=("$jnr_java/$jar.jar")
done
jnr_path=$(IFS=:; echo "${jnr_jars[*]}")
# The amd64 JNA dispatch library is unpacked, not installed: libjna-jni's two architectures
# cannot be installed together.
jna_amd64_dir=/opt/tarvelo-jna-amd64/usr/lib/x86_64-linux-gnu/jni
setup_options=(--bench)
ensure_setup "$jna_jar" "${jnr_jars[@]}" /usr/lib/i386-linux-gnu/jni/libjffi-1.2.so \
    /usr/lib/x86_64-linux-gnu/jni/libjffi-1.2.so "$jna_amd64_dir/libjnidispatch.system.so"

# The newest amd64 JDK of at least 22 under /usr/lib/jvm, or nothing.
panama_jdk() {
    local release major best="" best_major=0
    for release in /usr/lib/jvm/*/release; do
        grep -q '^OS_ARCH="\(x86_64\|amd64\)"' "$release" || continue
        major=$(sed -n 's/^JAVA_VERSION="\([0-9]*\).*/\1/p' "$release")
        if [ "${major:-0}" -ge 22 ] && [ "$major" -gt "$best_major" ] && [ -x "${release%/release}/bin/javac" ]; then
            best=${release%/release}
            best_major=$major
        fi
    done
    echo "$best"
}

# Instructions per operation of the native paths, under callgrind: the counting driver runs
# each scenario N and 2N times, and (I(2N) - I(N)) / N counts what one operation adds. The
# dumps stay in $out/bench/callgrind for callgrind_annotate (the second of each scenario is 2N
# operations).
count_instructions() {
    local out=$1 jdk=$2 n=2000 table=$1/bench/instructions.md work
    command -v valgrind >/dev/null || { echo "run.sh: no valgrind, so no instruction counts" >&2; return 0; }
    work=$out/bench/callgrind
    rm -rf "$work"
    mkdir -p "$work"
    echo "run.sh: counting instructions under callgrind ($jdk, -Xint)" >&2
    valgrind --tool=callgrind --collect-atstart=no \
        --callgrind-out-file="$work/callgrind.out" "$out/bench/tarvelo-bench-count" "$jdk" \
        "$out/bench/tarvelo-bench.jar:$out/tarvelo.jar" "$out/libtarvelo.so" "$out/bench/libtarvelobench.so" "$n" \
        >"$work/log" 2>&1 || fail "counting instructions failed; see $work/log"
    # Each dump file names its trigger ("<scenario> 1" or "<scenario> 2") and its total. A
    # proxyX or bridgeX scenario is set against its floor, rawX or plainX.
    printf '| scenario | instructions/op | floor | floor instructions/op | added |\n|---|---|---|---|---|\n' > "$table"
    for file in $(cd "$work" && ls callgrind.out.* | sort -t. -k3 -n); do
        sed -n -e 's/^desc: Trigger: Client Request: //p' -e 's/^totals: //p' "$work/$file" | paste -sd' '
    done | awk -v n="$n" '
        $2 == 1 { first[$1] = $3 }
        $2 == 2 { per[$1] = ($3 - first[$1]) / n; order[++count] = $1 }
        END {
            for (i = 1; i <= count; i++) {
                name = order[i]; floor = name
                sub(/^proxy/, "raw", floor); sub(/^bridge/, "plain", floor)
                if (floor != name && floor in per) {
                    printf "| %s | %.1f | %s | %.1f | %.1f |\n", name, per[name], floor, per[floor], per[name] - per[floor]
                } else {
                    printf "| %s | %.1f | | | |\n", name, per[name]
                }
            }
        }' | tee -a "$table"
    echo "run.sh: instruction counts in $table" >&2
}

# Bench's arguments: the groups it knows among those given.
bench_groups=()
counting=0
[ ${#groups[@]} -eq 0 ] && counting=1
for group in "${groups[@]}"; do
    if [ "$group" = instructions ]; then counting=1; else bench_groups+=("$group"); fi
done

for target in "${targets[@]}"; do
    out=$build/$target
    bench_targets=(tarvelo-bench)
    jdk=/usr/lib/jvm/java-17-openjdk-amd64
    if [ "$target" = x86_64 ]; then
        panama=$(panama_jdk)
        [ -z "$panama" ] || jdk=$panama
        configure_target x86_64 -DTARVELO_BENCH_JDK="$panama"
        bench_targets+=(tarvelo-bench-count)
        [ -z "$panama" ] || bench_targets+=(tarvelo-bench-panama)
    else
        configure_target i386
    fi
    echo "run.sh: building the benchmarks into $out" >&2
    cmake --build "$out" -j "$(nproc)" --target "${bench_targets[@]}" >/dev/null ||
        fail "building the benchmarks failed ($out)"
    classpath=$out/bench/tarvelo-bench.jar:$out/tarvelo.jar:$jna_jar:$jnr_path
    results=$out/bench/results.txt
    echo "run.sh: == $target; results in $results" >&2
    if [ "$target" = x86_64 ]; then
        # Debian's JNA looks for its system library in the installed directories, then, with
        # jna.nosys=false, on java.library.path.
        options=(-Djna.nosys=false -Djffi.boot.library.path=/usr/lib/x86_64-linux-gnu/jni)
        library_path=$out:$jna_amd64_dir
        if [ -n "$panama" ]; then
            classpath+=:$out/bench/tarvelo-bench-panama.jar
            options+=(--enable-native-access=ALL-UNNAMED)
            # jffi uses sun.misc.Unsafe, about which JDK 24 and later warn.
            if "$jdk/bin/java" --sun-misc-unsafe-memory-access=allow -version >/dev/null 2>&1; then
                options+=(--sun-misc-unsafe-memory-access=allow)
            fi
        fi
        command=("$jdk/bin/java" "${options[@]}")
    else
        command=(qemu-i386 "$java_i386" -Djffi.boot.library.path=/usr/lib/i386-linux-gnu/jni)
        library_path=$out
    fi
    if [ ${#groups[@]} -eq 0 ] || [ ${#bench_groups[@]} -gt 0 ]; then
        "${command[@]}" -Djava.library.path="$library_path" -Dtarvelo.bench.library="$out/bench/libtarvelobench.so" \
            -cp "$classpath" com.drovantel.tarvelo.bench.Bench "${bench_groups[@]}" 2>&1 | tee "$results"
        [ "${PIPESTATUS[0]}" -eq 0 ] || fail "the benchmarks failed on $target"
    fi
    if [ "$target" = x86_64 ] && [ "$counting" -eq 1 ]; then
        count_instructions "$out" "$jdk"
    fi
done
