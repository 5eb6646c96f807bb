#!/usr/bin/env bash
# Installs the built library into a temporary prefix; checks that everything of its target lies
# under lib/<multiarch> and that a consumer of the other target does not find it; builds and
# runs a consumer project that finds it with find_package(tarvelo), and one built with
# pkg-config; loads the installed library from Java; proxies a Java library's own classes with
# tarvelo_add_proxies in a project whose native Java loads; builds the consumer with the
# library as its subdirectory, on a PATH without qemu-i386 (only the tests need the emulator);
# builds the README's walk-through "A first native in C++" against the prefix and runs it from Java.
# The emulator is "native" for the x86-64 build.
set -euo pipefail
build=$1 here=$2 emulator=$3 java=$4 libjvm=$5 javac=$6 arch=$7
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
repo=$here/../..

step() { echo "== $*"; }
# The target's compiler flag and toolchain file, and those of the other target.
target_flags() {
    case $1 in
        i386) echo "-m32 -DCMAKE_TOOLCHAIN_FILE=$repo/cmake/i386-linux.cmake" ;;
        x86_64) echo "" ;;
    esac
}
read -r cxx_flag toolchain_option <<<"$(target_flags "$arch")"
case $arch in i386) multiarch=i386-linux-gnu other=x86_64 ;; x86_64) multiarch=x86_64-linux-gnu other=i386 ;; esac
read -r _ other_toolchain_option <<<"$(target_flags "$other")"
run() {
    if [ "$emulator" = native ]; then "$@"; else "$emulator" "$@"; fi
}
# Under qemu the JVM runs interpreted (tests/run-java.sh says why).
jvm_options=()
[ "$emulator" = native ] || jvm_options=(-Xint)

step "install into $prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
# Headers, the jar and the generator are the same for both targets; everything else is the
# target's own.
misplaced=$(sed "s|^$prefix/||" "$build/install_manifest.txt" | grep -Ev "^(lib/$multiarch|include|share|bin)/" || true)
[ -z "$misplaced" ] || { echo "installed outside lib/$multiarch, include, share and bin: $misplaced"; exit 1; }
libdir=$prefix/lib/$multiarch
[ -e "$libdir/libtarvelo.so" ] && [ -e "$libdir/libtarvelo-common.so" ] && [ -e "$libdir/pkgconfig/tarvelo.pc" ] && [ -e "$libdir/cmake/tarvelo/tarvelo-config.cmake" ] ||
    { echo "library, pkg-config file or CMake package missing under $libdir"; exit 1; }

step "a consumer for $other does not find the $arch package"
# shellcheck disable=SC2086
if cmake -S "$here/consumer" -B "$work/other" $other_toolchain_option -DCMAKE_PREFIX_PATH="$prefix" >"$work/other.log" 2>&1; then
    echo "a consumer for $other found the $arch package"
    exit 1
fi

step "build the consumer with find_package(tarvelo)"
# shellcheck disable=SC2086
cmake -S "$here/consumer" -B "$work/consumer" $toolchain_option \
    -DCMAKE_PREFIX_PATH="$prefix" -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null
cmake --build "$work/consumer" >/dev/null

step "run the consumer"
run "$work/consumer/consumer" "$libjvm" "${jvm_options[@]}" 2>&1 | tee "$work/consumer.log"
if grep -E 'WARNING in native method|FATAL ERROR in native method' "$work/consumer.log"; then
    exit 1
fi

step "build and run the consumer with pkg-config"
# shellcheck disable=SC2086
g++ $cxx_flag -std=c++17 -Wall -Werror "$here/consumer/main.cpp" -o "$work/consumer-pc" \
    $(PKG_CONFIG_PATH=$libdir/pkgconfig pkg-config --cflags --libs tarvelo) -Wl,-rpath,"$libdir"
run "$work/consumer-pc" "$libjvm" "${jvm_options[@]}"

step "load the installed library from Java"
jar=$prefix/share/java/tarvelo.jar
"$javac" --release 17 -d "$work/classes" -cp "$jar" "$here/LoadInstalled.java"
"$here/../run-java.sh" "$emulator" "$java" -Djava.library.path="$libdir" -cp "$work/classes:$jar" LoadInstalled "$arch"

step "the README's first native: quoted verbatim, built with find_package(tarvelo), run from Java"
example=$repo/docs/examples/first-native
python3 - "$repo/README.md" "$example" <<'PY'
import pathlib, sys
readme = pathlib.Path(sys.argv[1]).read_text()
for name, lang in (("com/example/Greeter.java", "java"), ("greeter.cpp", "cpp"),
                   ("CMakeLists.txt", "cmake"), ("expected-output.txt", "")):
    text = (pathlib.Path(sys.argv[2]) / name).read_text()
    if "```%s\n%s```" % (lang, text) not in readme:
        sys.exit("README.md does not quote docs/examples/first-native/%s as it is" % name)
PY
# shellcheck disable=SC2086
cmake -S "$example" -B "$work/first-native" $toolchain_option \
    -DCMAKE_PREFIX_PATH="$prefix" -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null
cmake --build "$work/first-native" >/dev/null
"$javac" --release 17 -d "$work/first-native/classes" "$example/com/example/Greeter.java"
"$here/../run-java.sh" "$emulator" "$java" -Djava.library.path="$work/first-native" \
    -cp "$work/first-native/classes" com.example.Greeter | tee "$work/first-native.out"
diff -u "$example/expected-output.txt" "$work/first-native.out"

step "proxies of a Java library's own classes, used by a native that Java loads"
python3 "$here/readme-quotes.py" "$repo/README.md" "Proxies of your own classes" \
    "$here/proxies/CMakeLists.txt" "$here/proxies/demo.cpp"
# shellcheck disable=SC2086
cmake -S "$here/proxies" -B "$work/proxies" $toolchain_option \
    -DCMAKE_PREFIX_PATH="$prefix" -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null
cmake --build "$work/proxies" >/dev/null
echo "the catalogue that tarvelo_add_proxies wrote:"
cat "$work/proxies/demo-proxies/catalogue.txt"
"$here/../run-java.sh" "$emulator" "$java" -Djava.library.path="$work/proxies" \
    -cp "$work/proxies/greeter.jar" com.example.Demo

step "build the consumer with the library as a subdirectory, without qemu-i386"
source "$here/../path-without-qemu.sh"
path_without_qemu "$work/bin"
# A whole library build: through ccache where there is one.
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
# shellcheck disable=SC2086
PATH=$work/bin cmake -S "$here/consumer" -B "$work/subdirectory" -DTARVELO_SOURCE_DIR="$repo" \
    $toolchain_option "${launcher[@]}" >/dev/null
PATH=$work/bin cmake --build "$work/subdirectory" -j "$(nproc)" >/dev/null
[ ! -e "$work/subdirectory/tarvelo/tests" ] || { echo "tests were configured for a subproject"; exit 1; }
echo "built $(find "$work/subdirectory" -name consumer -type f)"
