#!/usr/bin/env bash
# Installs the Debian 12 packages the build and the tests need, when any is missing.
set -euo pipefail
want=(build-essential cmake python3 clang-format libdds-dev git googletest libgtest-dev libgmock-dev libbenchmark-dev
      g++-mingw-w64-x86-64-posix wine64 xvfb xauth fonts-wine fonts-liberation fonts-ipafont imagemagick x11-apps
      opensp sgml-data libgif-dev clang libclang-rt-14-dev chromium zip unzip)
[ "${1:-}" = "--native-only" ] && want=(build-essential cmake python3 libdds-dev googletest libgtest-dev libgmock-dev libbenchmark-dev)
missing=()
for p in "${want[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""; [ "$(id -u)" = 0 ] || SUDO=sudo
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}" >/dev/null
fi
