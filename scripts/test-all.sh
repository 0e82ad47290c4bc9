#!/usr/bin/env bash
# Builds and runs every test: native, with the address and undefined-behaviour sanitizers,
# the fuzz targets for a short time each, the Windows build under Wine, and the release zip.
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

step "fuzz targets (libFuzzer, clang) over their corpora"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
fuzz_out=$(mktemp -d)
for corpus in fuzz/corpus/*/; do
  name=$(basename "$corpus")
  # New inputs go to a scratch folder; the committed corpus is only read. A crash stops CI
  # with the input left in the scratch folder.
  mkdir -p "$fuzz_out/$name"
  echo "fuzz_$name:"
  if ! build/fuzz/fuzz/fuzz_"$name" "$fuzz_out/$name" "$corpus" -max_total_time=20 -timeout=25 \
      -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$fuzz_out/$name-" 2>&1 |
      grep -E "^(#[0-9]+[[:space:]]+DONE|stat::number_of_executed_units|==[0-9]+==ERROR|SUMMARY)"; then
    echo "fuzz_$name failed; its input is in $fuzz_out"
    exit 1
  fi
done
rm -rf "$fuzz_out"

step "Windows build (mingw-w64) and the same tests under Wine"
# DDS is compiled from its own sources for Windows and linked statically.
bash scripts/fetch-dds.sh
cmake --preset windows -DTALLOWEN_WERROR=ON >/dev/null
cmake --build --preset windows
trap 'WINEPREFIX="${TALLOWEN_WINEPREFIX:-$HOME/.cache/tallowen-wine}" /usr/lib/wine/wineserver -k 2>/dev/null || true' EXIT
# Wine's desktop takes the size of the display its first window opens on, so the prefix's
# services start inside the same X server as the tests: a screen wide enough for the game
# client's windows and the watcher's beside them. Screenshots land in build/windows/screenshots.
xvfb-run -a -s "-screen 0 1920x1200x24" bash -c 'bash scripts/wine-setup.sh && ctest --preset windows'

step "the release zip, built twice, and tried as a player meets it (under Wine)"
bash scripts/release.sh
zip_file=$(ls dist/Tallowen-*-win64.zip)
first=$(sha256sum <"$zip_file")
bash scripts/release.sh >/dev/null
[ "$(sha256sum <"$zip_file")" = "$first" ] || { echo "the zip differs when made again"; exit 1; }
for exe in build/windows/apps/Tallowen.exe build/windows/apps/TallowenUTL.exe; do
  # No link time in the header, no build folder inside: another checkout builds the same bytes.
  header=$(x86_64-w64-mingw32-objdump -p "$exe")
  grep -q "^Time/Date.*1970" <<<"$header" || { echo "$exe carries its link time"; exit 1; }
  if grep -qaF "$PWD" "$exe"; then echo "$exe holds the build folder $PWD"; exit 1; fi
done
echo "$zip_file: $(cut -c1-16 <<<"$first")…, the same when made again"
xvfb-run -a -s "-screen 0 1920x1200x24" bash tests/release/check-release.sh "$zip_file" build/windows
