#!/usr/bin/env bash
# Sets up the machine if needed, builds everything and runs every test.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
ensure_setup
build_all
cd "$build"
ctest --output-on-failure "$@"
