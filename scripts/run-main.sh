#!/usr/bin/env bash
# The main job on its built-in default: builds TallowenUTL and turns the sample week of boards
# (examples/) into the daily summary pages, in English and, from the Japanese sample, Japanese.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh --native-only
cmake --preset native >/dev/null
cmake --build --preset native --target TallowenUTL >/dev/null

# The utility refuses folders whose path holds TMP, TEMP, WINDOWS or .ZIP (unpacked archives),
# so it works on a copy under the home folder, wherever this checkout lies.
out="${TALLOWEN_SAMPLE_DIR:-$HOME/tallowen-sample}"
rm -rf "$out"
mkdir -p "$out"
cp -r examples/. "$out/"
# TALLOWEN_PBN=1 turns on the two keys beyond the documented settings: a PBN file a day and the
# double-dummy table and par of every board.
if [ "${TALLOWEN_PBN:-0}" = 1 ]; then
    for ini in "$out/Tallowen.INI" "$out/Japanese/Tallowen.INI"; do
        printf 'PBN Output = yes\r\nDouble Dummy = yes\r\n' >>"$ini"
    done
fi

./build/native/apps/TallowenUTL --folder "$out"
TALLOWEN_CODEPAGE=932 ./build/native/apps/TallowenUTL --folder "$out/Japanese" >/dev/null
echo
echo "English pages:  $out/HandRec/"
ls "$out/HandRec" | sed 's/^/  /'
echo "Japanese pages: $out/Japanese/ハンド記録/"
ls "$out/Japanese/ハンド記録" | sed 's/^/  /'
