#!/usr/bin/env bash
# Installs what building and testing the i386 library needs on a Debian 12 (x86_64)
# machine. Idempotent: installs only what is missing. Run as root.
set -euo pipefail

[ "$(id -u)" -eq 0 ] || { echo "setup.sh: run as root" >&2; exit 1; }
export DEBIAN_FRONTEND=noninteractive

have_pkg() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

missing() {
    local p out=()
    for p in "$@"; do have_pkg "$p" || out+=("$p"); done
    echo "${out[@]:-}"
}

updated=0
apt_update() { [ "$updated" -eq 1 ] || { apt-get update -qq; updated=1; }; }

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

host=$(missing g++-multilib cmake openjdk-17-jdk-headless junit5 python3)
if [ -n "$host" ]; then
    apt_update
    # shellcheck disable=SC2086
    apt-get install -y -qq --no-install-recommends $host
fi

i386=$(missing openjdk-17-jre-headless:i386 libgtest-dev:i386 libjna-jni:i386)
if [ -n "$i386" ]; then
    apt_update
    # shellcheck disable=SC2086
    apt-get install -y -qq --no-install-recommends --no-remove $i386
fi

qemu_major() { qemu-i386 --version 2>/dev/null | sed -n 's/.*version \([0-9]*\).*/\1/p' | head -n1; }
if [ "$(qemu_major)" = "" ] || [ "$(qemu_major)" -lt 10 ]; then
    apt_update
    apt-get install -y -qq --no-install-recommends -t bookworm-backports qemu-user
fi

# JNA, for the benchmarks: the i386 dispatch library comes from libjna-jni:i386 above; the
# jar is unpacked from libjna-java, because installing that package would pull in the
# amd64 dispatch library, which conflicts with the i386 one.
jna_root=/opt/tarvelo-jna
if [ ! -f "$jna_root/usr/share/java/jna.jar" ]; then
    apt_update
    download=$(mktemp -d)
    (cd "$download" && apt-get download -qq -o APT::Sandbox::User=root libjna-java)
    dpkg-deb -x "$download"/libjna-java_*.deb "$jna_root"
    rm -rf "$download"
fi

echo "setup.sh: ready (qemu-i386 $(qemu_major), $(javac -version 2>&1))"
