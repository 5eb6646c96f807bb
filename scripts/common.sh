# Shared by test.sh and demo.sh: runs the setup when something is missing, and builds.
set -euo pipefail
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${TARVELO_BUILD_DIR:-$repo/build}
java_i386=/usr/lib/jvm/java-17-openjdk-i386/bin/java

ensure_setup() {
    local qemu_major
    qemu_major=$(qemu-i386 --version 2>/dev/null | sed -n 's/.*version \([0-9]*\).*/\1/p' | head -n1)
    if [ -x "$java_i386" ] && [ -f /usr/lib/i386-linux-gnu/libgtest.a ] && command -v cmake >/dev/null &&
       [ -f /usr/share/java/junit-platform-console-standalone.jar ] && [ "${qemu_major:-0}" -ge 10 ] &&
       [ -d /usr/lib/gcc/x86_64-linux-gnu/12/32 ]; then
        return
    fi
    if [ "$(id -u)" -eq 0 ]; then
        bash "$repo/scripts/setup.sh"
    else
        sudo bash "$repo/scripts/setup.sh"
    fi
}

build_all() {
    cmake -S "$repo" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/i386-linux.cmake" \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build "$build" -j "$(nproc)"
}
