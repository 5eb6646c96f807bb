#!/usr/bin/env bash
# Sets up the machine if needed, builds everything with warnings as errors and runs every
# test. Arguments go to ctest (for example -R nativepp).
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
ensure_setup
build_all -DTARVELO_WERROR=ON
cd "$build"
ctest --output-on-failure "$@" || fail "tests failed (details above; reports in $build/reports)"
