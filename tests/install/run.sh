#!/usr/bin/env bash
# Installs the built library into a temporary prefix; builds and runs a consumer project that
# finds it with find_package(tarvelo), and one built with pkg-config; loads the installed
# library from Java; builds the consumer with the library as its subdirectory, on a PATH
# without qemu-i386 (only the tests need the emulator).
set -euo pipefail
build=$1 here=$2 emulator=$3 java=$4 libjvm=$5 javac=$6
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix

step() { echo "== $*"; }
step "install into $prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
toolchain=$(find "$prefix" -name i386-linux.cmake)

step "build the consumer with find_package(tarvelo)"
cmake -S "$here/consumer" -B "$work/consumer" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_PREFIX_PATH="$prefix" -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null
cmake --build "$work/consumer" >/dev/null

step "run the consumer"
"$emulator" "$work/consumer/consumer" "$libjvm" 2>&1 | tee "$work/consumer.log"
if grep -E 'WARNING in native method|FATAL ERROR in native method' "$work/consumer.log"; then
    exit 1
fi

step "build and run the consumer with pkg-config"
libdir=$(dirname "$(find "$prefix" -name libtarvelo.so)")
pc_dir=$(dirname "$(find "$prefix" -name tarvelo.pc)")
# shellcheck disable=SC2046
g++ -m32 -std=c++17 -Wall -Werror "$here/consumer/main.cpp" -o "$work/consumer-pc" \
    $(PKG_CONFIG_PATH=$pc_dir pkg-config --cflags --libs tarvelo) -Wl,-rpath,"$libdir"
"$emulator" "$work/consumer-pc" "$libjvm"

step "load the installed library from Java"
jar=$(find "$prefix" -name tarvelo.jar)
"$javac" --release 17 -d "$work/classes" -cp "$jar" "$here/LoadInstalled.java"
"$here/../run-java.sh" "$emulator" "$java" -Djava.library.path="$libdir" -cp "$work/classes:$jar" LoadInstalled

step "build the consumer with the library as a subdirectory, without qemu-i386"
source "$here/../path-without-qemu.sh"
path_without_qemu "$work/bin"
PATH=$work/bin cmake -S "$here/consumer" -B "$work/subdirectory" -DTARVELO_SOURCE_DIR="$here/../.." \
    -DCMAKE_TOOLCHAIN_FILE="$here/../../cmake/i386-linux.cmake" >/dev/null
PATH=$work/bin cmake --build "$work/subdirectory" -j "$(nproc)" >/dev/null
[ ! -e "$work/subdirectory/tarvelo/tests" ] || { echo "tests were configured for a subproject"; exit 1; }
echo "built $(find "$work/subdirectory" -name consumer -type f)"
