#!/usr/bin/env bash
# Configures, builds and runs the whole test suite under AddressSanitizer and
# UndefinedBehaviorSanitizer (the asan preset, build-asan/). Any sanitizer
# report, a leak included, fails the test that triggered it. About 25 minutes
# from scratch on a busy 2-core machine (most of it the Qt build), 2-3 minutes
# for the tests.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs="${JOBS:-2}"
cmake --preset asan >/dev/null
cmake --build --preset asan -j"$jobs"
# The preset sets ASAN_OPTIONS (leaks checked too) and UBSAN_OPTIONS.
ctest --preset asan -j"$jobs" --timeout 600
