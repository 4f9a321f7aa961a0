#!/usr/bin/env bash
# Configures, builds and runs the whole test suite under AddressSanitizer and
# UndefinedBehaviorSanitizer (the asan preset, build-asan/). Any sanitizer
# report fails the test that triggered it.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs="${JOBS:-2}"
cmake --preset asan >/dev/null
cmake --build --preset asan -j"$jobs"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
ctest --preset asan -j"$jobs" --timeout 600
