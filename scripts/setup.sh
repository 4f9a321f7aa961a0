#!/usr/bin/env bash
# Installs every Debian package that building, testing and running 乾坤宅鉴 needs.
# Run as root (or with sudo) on Debian 12.
set -euo pipefail
packages=(
  cmake g++ ninja-build pkg-config
  libsqlite3-dev sqlite3
  qt6-base-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  fonts-noto-cjk
  xvfb xauth
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
  export DEBIAN_FRONTEND=noninteractive
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO=sudo
  $SUDO apt-get update -qq
  $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi
