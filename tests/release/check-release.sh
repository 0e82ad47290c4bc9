#!/usr/bin/env bash
# The release zip as a player meets it, under Wine in a fresh prefix (run inside Xvfb):
#  - unpacked into a folder whose path has a space and a character outside ASCII, the
#    watcher records a board the fake game client plays, and the utility makes its page;
#  - the programs carry version 2.2, an icon and a manifest;
#  - started from inside an opened archive (a ".zip" folder under the temporary folder, as
#    Windows' own zip view does), each program refuses with its message and writes nothing.
#   tests/release/check-release.sh ZIP BUILD   (BUILD: the Windows build, for the fake client)
set -uo pipefail
zip=$(realpath "$1")
build=$(realpath "$2")
here=$(cd "$(dirname "$0")/../.." && pwd)
run="$here/scripts/wine-run"
export TALLOWEN_WINEPREFIX="$HOME/.cache/tallowen-wine-release"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

rm -rf "$TALLOWEN_WINEPREFIX"
bash "$here/scripts/wine-setup.sh"
users="$TALLOWEN_WINEPREFIX/drive_c/users"
user=$(ls "$users" | grep -v '^Public$' | head -1)
version=$(sed -n 's/.*kVersion = "\(.*\)";.*/\1/p' "$here/common/Version.h")

# unpack ZIP FOLDER: as a player's unzip would, into FOLDER
unpack() { python3 -c 'import sys, zipfile; zipfile.ZipFile(sys.argv[1]).extractall(sys.argv[2])' "$zip" "$1"; }
# listing FOLDER: every file with its checksum, to see that nothing was written
listing() { (cd "$1" && find . -type f -print0 | sort -z | xargs -0 sha256sum); }

# --- Unpacked where a player would put it ---
place="$users/$user/Brücke Tools"
unpack "$place"
folder="$place/Tallowen $version"
for file in Tallowen.exe TallowenUTL.exe Tallowen.INI README.txt guide/Tallowen-guide.html \
            guide/images/watcher.png guide/images/day-page.png licences/DDS-LICENSE.txt Work; do
    [ -e "$folder/$file" ] || fail "the zip has no $file"
done
"$run" "$build/apps/tallowen-version-check.exe" "$folder/Tallowen.exe" \
    "$folder/TallowenUTL.exe" || fail "the version resource, icon or manifest"

cmake -DPROGRAM="$folder/Tallowen.exe" -DPROGRAM_FOLDER="$folder" \
    -DCLIENT="$build/tools/fake-client/tallowen-fake-client.exe" -DEMULATOR="$run" -DNAME=release \
    -P "$here/tests/RunEndToEnd.cmake" || fail "the unpacked watcher did not record the board"

"$run" "$folder/TallowenUTL.exe" >/dev/null 2>&1 &
utility=$!
page=""
for _ in $(seq 1 120); do
    page=$(ls "$folder/HandRec/"*.htm 2>/dev/null | head -1)
    [ -n "$page" ] && break
    sleep 0.5
done
sleep 2
"$run" taskkill /IM TallowenUTL.exe >/dev/null 2>&1
for _ in $(seq 1 40); do kill -0 "$utility" 2>/dev/null || break; sleep 0.5; done
kill "$utility" 2>/dev/null
if [ -z "$page" ]; then
    fail "the unpacked utility made no page"
else
    grep -q "Board &#35;1" "$page" || fail "the page $page holds no board"
    echo "page: $page"
fi

# --- Started from inside the opened archive ---
opened="$users/$user/AppData/Local/Temp/Temp1_$(basename "$zip")"
unpack "$opened"
inside="$opened/Tallowen $version"
before=$(listing "$inside")
timeout 60 "$run" "$inside/Tallowen.exe" >"$opened.watcher.out" 2>/dev/null
code=$?
grep -qF "  UnZip the archived file Tallowen22.zip before starting" "$opened.watcher.out" ||
    fail "the watcher inside the archive did not refuse: $(cat "$opened.watcher.out")"
[ "$code" = 1 ] || fail "the refused watcher ended with $code"
timeout 60 "$run" "$inside/TallowenUTL.exe" >/dev/null 2>&1
code=$?
[ "$code" = 1 ] || fail "the utility inside the archive ended with $code, not refused"
[ "$(listing "$inside")" = "$before" ] || fail "a refused program wrote into the archive's folder"
[ -e "$inside/HandRec" ] && fail "the refused utility made its output folder"

/usr/lib/wine/wineserver -k 2>/dev/null
[ "$failures" = 0 ] && echo "release check: all passed"
exit $((failures > 0))
