#!/usr/bin/env bash
# Set up, build and run every test (the README's test command).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset default
cmake --build --preset default
ctest --preset default -j2
