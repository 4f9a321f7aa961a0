#!/usr/bin/env bash
# Builds the libFuzzer targets (fuzz preset) and runs each one briefly on its
# seed corpus. New inputs the run finds go to a scratch directory, so the
# committed corpus stays as it is. Exit status is non-zero when a target
# crashes; the reproducer is left in build-fuzz/crashes/.
# Usage: scripts/fuzz_smoke.sh [seconds per target, default 15]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-15}"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j2
out=build-fuzz/crashes
mkdir -p "$out"
status=0
for corpus in fuzz/corpus/*/; do
  target="$(basename "$corpus")"
  scratch="$(mktemp -d)"
  echo "== $target (${seconds}s)"
  if ! UBSAN_OPTIONS=print_stacktrace=1 ASAN_OPTIONS=detect_leaks=1 \
      nice -n 10 "build-fuzz/bin/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -print_final_stats=0 -artifact_prefix="$out/$target-" "$scratch" "$corpus" 2>"$scratch.log"; then
    tail -n 40 "$scratch.log"
    status=1
  else
    grep -E '^(#[0-9]+ +DONE|Done [0-9]+ runs)' "$scratch.log" || tail -n 1 "$scratch.log"
  fi
  rm -rf "$scratch" "$scratch.log"
done
exit "$status"
