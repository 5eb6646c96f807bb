#!/usr/bin/env bash
# Installs the built library into a temporary prefix; builds and runs a consumer project that
# finds it with find_package(tarvelo); loads the installed library from Java.
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

step "load the installed library from Java"
libdir=$(dirname "$(find "$prefix" -name libtarvelo.so)")
jar=$(find "$prefix" -name tarvelo.jar)
"$javac" --release 17 -d "$work/classes" -cp "$jar" "$here/LoadInstalled.java"
"$here/../run-java.sh" "$emulator" "$java" -Djava.library.path="$libdir" -cp "$work/classes:$jar" LoadInstalled
