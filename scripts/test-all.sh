#!/usr/bin/env bash
# Builds and runs every test: native, with the address and undefined-behaviour sanitizers,
# and the Windows build under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
# Sample folders and the Wine prefix live under the home folder.
: "${HOME:=$(getent passwd "$(id -u)" | cut -d: -f6)}"
export HOME
bash scripts/install-deps.sh
export CTEST_OUTPUT_ON_FAILURE=1

step() { echo; echo "=== $*"; }

step "source format"
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
echo "all sources follow .clang-format"

step "native build and tests"
cmake --preset native -DTALLOWEN_WERROR=ON >/dev/null
cmake --build --preset native
ctest --preset native

step "sanitizer build and tests"
cmake --preset sanitize -DTALLOWEN_WERROR=ON >/dev/null
cmake --build --preset sanitize
ctest --preset sanitize

step "Windows build (mingw-w64) and the same tests under Wine"
# DDS is compiled from its own sources for Windows and linked statically.
bash scripts/fetch-dds.sh
cmake --preset windows -DTALLOWEN_WERROR=ON >/dev/null
cmake --build --preset windows
bash scripts/wine-setup.sh
trap '/usr/lib/wine/wineserver -k 2>/dev/null || true' EXIT
xvfb-run -a -s "-screen 0 1280x1024x24" ctest --preset windows
