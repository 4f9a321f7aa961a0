#!/usr/bin/env bash
# Configures, builds and runs the whole test suite under AddressSanitizer and
# UndefinedBehaviorSanitizer (the asan preset, build-asan/). Any sanitizer
# report, a leak included, fails the test that triggered it.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs="${JOBS:-2}"
cmake --preset asan >/dev/null
# Only what the tests need: the test programs bring the libraries, the CLI and
# the reference databases along; the GUI executable is left out.
mapfile -t targets < <(cmake --build build-asan --target help | sed -n 's/^\([A-Za-z0-9_]*_tests\): .*/\1/p')
cmake --build --preset asan -j"$jobs" --target "${targets[@]}"
# The preset sets ASAN_OPTIONS (leaks checked too) and UBSAN_OPTIONS.
ctest --preset asan -j"$jobs" --timeout 600
