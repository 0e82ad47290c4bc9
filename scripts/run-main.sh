#!/usr/bin/env bash
# The main job on its built-in default: the watcher records a session of eight boards played
# by the simulated game client, then the report utility turns the records into the day's
# summary page.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh --native-only
cmake --preset native >/dev/null
cmake --build --preset native --target Tallowen TallowenUTLc >/dev/null

# Both programs refuse to run from a folder with a folder named "tmp", one whose name begins
# with "temp" or ends in ".zip" (an archive opened as a folder) on its path, or from the
# Windows folder: so the demonstration works under the home folder, never under /tmp,
# wherever this checkout lies.
out="${TALLOWEN_DEMO_DIR:-$HOME/tallowen-demo}"
rm -rf "$out"
mkdir -p "$out"
# TALLOWEN_PBN=1 turns on the utility's two keys beyond the documented settings: a PBN file a
# day and the double-dummy table and par of every board.
if [ "${TALLOWEN_PBN:-0}" = 1 ]; then
    printf 'PBN Output = yes\r\nDouble Dummy = yes\r\n' >"$out/Tallowen.INI"
fi

./build/native/apps/Tallowen --simulate --boards 8 --seed "${TALLOWEN_SEED:-1}" --folder "$out"
echo
./build/native/apps/TallowenUTLc --folder "$out"
echo
echo "Records: $out/Work/"
ls "$out/Work" | sed 's/^/  /'
echo "Pages:   $out/HandRec/"
ls "$out/HandRec" 2>/dev/null | sed 's/^/  /' || true
