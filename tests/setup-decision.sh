#!/usr/bin/env bash
# Every README command on a machine without qemu-i386, or without doxygen, must start the
# setup, and a setup that fails must end the command with a non-zero status and one line
# saying so.
set -uo pipefail
repo=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

source "$(dirname "${BASH_SOURCE[0]}")/path-without-qemu.sh"
path_without_qemu "$work/bin-qemu-i386"
path_without "$work/bin-doxygen" doxygen
cat > "$work/setup.sh" <<'STUB'
echo ran >> "$SETUP_MARKER"
exit 3
STUB

failures=0
for missing in qemu-i386 doxygen; do
    for command in scripts/test.sh scripts/demo.sh bench/run.sh .ci/run; do
        marker=$work/$missing-${command//\//_}.ran
        PATH=$work/bin-$missing SETUP_MARKER=$marker TARVELO_SETUP_SCRIPT=$work/setup.sh \
            TARVELO_BUILD_DIR=$work/build bash "$repo/$command" >"$work/out" 2>"$work/err"
        status=$?
        last=$(tail -n 1 "$work/err")
        if [ ! -f "$marker" ]; then
            echo "FAIL $command: the setup was not started without $missing (status $status)"
            failures=$((failures + 1))
        elif [ "$status" -eq 0 ] || [[ $last != *"setup failed"* ]]; then
            echo "FAIL $command: a failed setup gave status $status and the last line '$last'"
            failures=$((failures + 1))
        else
            echo "ok   $command without $missing: setup started; '$last'"
        fi
    done
done
exit "$failures"
