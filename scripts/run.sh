#!/usr/bin/env bash
# Set up, build and start the program (the README's run command).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset default
cmake --build --preset default --target qiankun qiankun-cli qiankun_refdata
exec build/bin/qiankun
