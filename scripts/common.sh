# Shared by test.sh, demo.sh and bench/run.sh: runs the setup when something is missing,
# builds, and ends any failure with one line on stderr.
set -euo pipefail
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# One build directory per target below it: $build/x86_64 and $build/i386.
build=${TARVELO_BUILD_DIR:-$repo/build}
java_x86_64=/usr/lib/jvm/java-17-openjdk-amd64/bin/java
java_i386=/usr/lib/jvm/java-17-openjdk-i386/bin/java
# The test of the setup decision points this at a stand-in.
setup_script=${TARVELO_SETUP_SCRIPT:-$repo/scripts/setup.sh}
command_name=$(basename "$0")
# Options that ensure_setup gives the setup script (bench/run.sh: --bench).
setup_options=()

fail() {
    echo "$command_name: $*" >&2
    exit 1
}

# Never fails: a missing qemu-i386 is a version of 0.
qemu_major() {
    local out
    out=$(qemu-i386 --version 2>/dev/null) || true
    out=$(sed -n 's/.*version \([0-9]*\).*/\1/p' <<<"$out")
    echo "${out%%$'\n'*}"
}

# Prints the first missing piece, or nothing when the machine is ready. Arguments: further
# files that the caller needs.
missing_piece() {
    local f
    for f in "$@" "$java_x86_64" "$java_i386" /usr/lib/x86_64-linux-gnu/libgtest.a /usr/lib/i386-linux-gnu/libgtest.a \
             /usr/share/java/junit-platform-console-standalone.jar /usr/lib/gcc/x86_64-linux-gnu/12/32; do
        [ -e "$f" ] || { echo "$f"; return; }
    done
    for f in cmake javac g++ python3 pkg-config doxygen; do
        command -v "$f" >/dev/null || { echo "$f"; return; }
    done
    [ "$(qemu_major)" -ge 10 ] 2>/dev/null || echo "qemu-i386 10 or later"
}

ensure_setup() {
    local piece
    piece=$(missing_piece "$@")
    [ -n "$piece" ] || return 0
    echo "$command_name: $piece is missing; running $setup_script" >&2
    if [ "$(id -u)" -eq 0 ]; then
        bash "$setup_script" "${setup_options[@]}" || fail "setup failed ($setup_script)"
    elif command -v sudo >/dev/null; then
        sudo bash "$setup_script" "${setup_options[@]}" || fail "setup failed (sudo $setup_script)"
    else
        fail "$piece is missing and setup needs root: run 'bash $setup_script${setup_options[*]:+ ${setup_options[*]}}' as root"
    fi
    piece=$(missing_piece "$@")
    [ -z "$piece" ] || fail "setup finished but $piece is still missing"
}

# Configures one target into $build/<target>: x86_64 with the host compiler, i386 with the
# toolchain file. Further arguments go to cmake.
configure_target() {
    local target=$1 toolchain=()
    shift
    case $target in
        x86_64) ;;
        i386) toolchain=(-DCMAKE_TOOLCHAIN_FILE="$repo/cmake/i386-linux.cmake") ;;
        *) fail "unknown target $target (known: x86_64, i386)" ;;
    esac
    cmake -S "$repo" -B "$build/$target" "${toolchain[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null ||
        fail "configuring failed (cmake -B $build/$target)"
}

# Configures and builds all of one target; arguments as configure_target.
build_target() {
    local target=$1
    configure_target "$@"
    cmake --build "$build/$target" -j "$(nproc)" || fail "build failed (cmake --build $build/$target)"
}
