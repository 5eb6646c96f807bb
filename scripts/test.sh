#!/usr/bin/env bash
# Sets up the machine if needed, builds both targets with warnings as errors and runs every
# test on each: x86_64 natively, i386 under qemu-i386. Arguments go to ctest (for example
# -R nativepp). Ends with the count of tests run on each target.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
ensure_setup

# The value of attribute $2 in the first element that has it in XML report $1, or 0.
report_count() {
    local value
    value=$(grep -o -m1 " $2=\"[0-9]*\"" "$1" 2>/dev/null | head -n1 | tr -dc 0-9)
    echo "${value:-0}"
}

summaries=()
failed=()
for target in x86_64 i386; do
    build_target "$target" -DTARVELO_WERROR=ON
    reports=$build/$target/reports
    rm -f "$reports/junit/TEST-junit-jupiter.xml" "$reports/nativepp.xml"
    echo "== $target: ctest in $build/$target"
    log=$build/$target/ctest.log
    (cd "$build/$target" && ctest --output-on-failure "$@") 2>&1 | tee "$log"
    status=${PIPESTATUS[0]}
    junit=$reports/junit/TEST-junit-jupiter.xml
    junit_run=$(($(report_count "$junit" tests) - $(report_count "$junit" skipped)))
    ctests=$(sed -n 's/.* tests failed out of \([0-9]*\).*/\1/p' "$log")
    gtests=$(report_count "$reports/nativepp.xml" tests)
    summaries+=("$target: $junit_run JUnit tests ($(report_count "$junit" skipped) skipped), $gtests GoogleTest tests, ${ctests:-0} ctest tests")
    [ "$status" -eq 0 ] || failed+=("$target")
done

echo "== tests run per target ($SECONDS s)"
printf '%s\n' "${summaries[@]}"
[ "${#failed[@]}" -eq 0 ] || fail "tests failed on ${failed[*]} (details above; reports in $build/<target>/reports)"
