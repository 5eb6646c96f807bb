#!/usr/bin/env bash
# Installs what building and testing the library for both targets needs on a Debian 12
# (x86_64) machine: the host's compiler, JDK and GoogleTest for x86-64, their i386 twins,
# g++-multilib and qemu-i386 for i386, Doxygen for the reference manual. Idempotent: installs
# only what is missing. Run as root.
#   --bench   also what only the benchmarks need: JNR-FFI beside JNA, and both for amd64
set -euo pipefail

bench=0
for option in "$@"; do
    case $option in
        --bench) bench=1 ;;
        *) echo "setup.sh: unknown option $option (known: --bench)" >&2; exit 2 ;;
    esac
done

[ "$(id -u)" -eq 0 ] || { echo "setup.sh: run as root" >&2; exit 1; }
export DEBIAN_FRONTEND=noninteractive

have_pkg() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

missing() {
    local p out=()
    for p in "$@"; do have_pkg "$p" || out+=("$p"); done
    echo "${out[@]:-}"
}

updated=0
update_failed=0
# A mirror in the middle of a sync fails one index now and then; apt then keeps the lists
# it had, and a package that is really missing still fails its install below.
apt_update() {
    [ "$updated" -eq 0 ] || return 0
    if ! apt-get update -qq; then
        echo "setup.sh: apt-get update failed in part; going on with the lists it has" >&2
        update_failed=1
    fi
    updated=1
}

if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
    updated=0
fi

# Debian 12's own qemu 7.2 corrupts thread-local storage after a signal, which
# crashes the JIT-compiled code of the 32-bit JVM; the backported qemu does not.
backports=/etc/apt/sources.list.d/bookworm-backports.sources
if [ ! -f "$backports" ]; then
    cat > "$backports" <<'SRC'
Types: deb
URIs: http://deb.debian.org/debian
Suites: bookworm-backports
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SRC
    updated=0
fi

host=$(missing g++-multilib cmake pkg-config openjdk-17-jdk-headless:amd64 junit5 python3 libgtest-dev:amd64 doxygen)
if [ -n "$host" ]; then
    apt_update
    # shellcheck disable=SC2086
    apt-get install -y -qq --no-install-recommends $host
fi

# An i386 package and its amd64 twin must have the same version. When the security suite's
# i386 index failed to download, its amd64 packages are newer than any i386 one and apt
# finds no solution; the point release's versions, which both have, then make one.
install_i386() {
    apt_update
    apt-get install -y -qq --no-install-recommends --no-remove "$@" && return 0
    [ "$update_failed" -eq 1 ] || return 1
    echo "setup.sh: trying again with the point release's versions for both architectures" >&2
    local prefs
    prefs=$(mktemp)
    printf 'Package: *\nPin: release n=bookworm-security\nPin-Priority: 100\n' > "$prefs"
    local status=0
    apt-get -o Dir::Etc::Preferences="$prefs" install -y -qq --no-install-recommends --no-remove "$@" \
        || status=$?
    rm -f "$prefs"
    return "$status"
}

i386=$(missing openjdk-17-jre-headless:i386 libgtest-dev:i386 libjna-jni:i386)
if [ -n "$i386" ]; then
    # shellcheck disable=SC2086
    install_i386 $i386
fi

qemu_major() { qemu-i386 --version 2>/dev/null | sed -n 's/.*version \([0-9]*\).*/\1/p' | head -n1; }
if [ "$(qemu_major)" = "" ] || [ "$(qemu_major)" -lt 10 ]; then
    apt_update
    apt-get install -y -qq --no-install-recommends -t bookworm-backports qemu-user
fi

# Unpacks the files of Debian packages into root without installing them. For the Java
# parts of JNA and JNR-FFI: installing those packages would pull in their amd64 native
# libraries, which conflict with the i386 ones.
unpack_packages() {
    local root=$1 download
    shift
    apt_update
    download=$(mktemp -d)
    (cd "$download" && apt-get download -qq -o APT::Sandbox::User=root "$@")
    local deb
    for deb in "$download"/*.deb; do
        dpkg-deb -x "$deb" "$root"
    done
    rm -rf "$download"
}

# JNA, for the benchmarks: the i386 dispatch library comes from libjna-jni:i386 above.
jna_root=/opt/tarvelo-jna
if [ ! -f "$jna_root/usr/share/java/jna.jar" ]; then
    unpack_packages "$jna_root" libjna-java
fi

# JNR-FFI, for the benchmarks only: its native parts are libjffi-jni for both
# architectures (Multi-Arch: same, so they install side by side), its jars are unpacked as
# JNA's. libjna-jni is not Multi-Arch: same, so its amd64 twin is unpacked beside the i386
# one that is installed.
if [ "$bench" -eq 1 ]; then
    have_pkg libjffi-jni:i386 || install_i386 libjffi-jni:i386
    have_pkg libjffi-jni:amd64 || install_i386 libjffi-jni:amd64
    jna_amd64_root=/opt/tarvelo-jna-amd64
    if [ ! -f "$jna_amd64_root/usr/lib/x86_64-linux-gnu/jni/libjnidispatch.system.so" ]; then
        unpack_packages "$jna_amd64_root" libjna-jni:amd64
    fi
    jnr_root=/opt/tarvelo-jnr
    jnr_java=$jnr_root/usr/share/java
    for jar in jnr-ffi jffi asm asm-commons asm-analysis asm-tree asm-util jnr-x86asm; do
        if [ ! -f "$jnr_java/$jar.jar" ]; then
            unpack_packages "$jnr_root" libjnr-ffi-java libjffi-java libasm-java libjnr-x86asm-java
            break
        fi
    done
fi

echo "setup.sh: ready (qemu-i386 $(qemu_major), $(javac -version 2>&1))"
