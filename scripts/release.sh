#!/usr/bin/env bash
# Builds the release a player downloads: dist/Tallowen-<version>-win64.zip, one folder
# "Tallowen <version>" holding the two programs, the settings file, README.txt, the player's
# guide with its pictures, the licences of what is linked in, and an empty Work folder.
#
# The Windows build is made (or brought up to date) first. The guide's pictures are the
# screenshots the Windows tests take under Wine; when they are missing, those two tests run
# (in Xvfb). The zip is reproducible: the same commit gives the same bytes (the programs are
# linked without time stamps or build paths; the entries are sorted, with one fixed time).
set -euo pipefail
cd "$(dirname "$0")/.."
version=$(sed -n 's/.*kVersion = "\(.*\)";.*/\1/p' common/Version.h)
build=build/windows
shots=$build/screenshots
watcher_shot=$shots/watcher-end-to-end-english.png
page_shot=$shots/day-page.png

bash scripts/fetch-dds.sh >/dev/null
cmake --preset windows -DTALLOWEN_WERROR=ON >/dev/null
cmake --build --preset windows
if [ ! -s "$watcher_shot" ] || [ ! -s "$page_shot" ]; then
    echo "release: taking the guide's pictures (the Windows tests that make them)"
    xvfb-run -a -s "-screen 0 1920x1200x24" bash -c \
        'bash scripts/wine-setup.sh && ctest --preset windows -R "^(watcher_end_to_end_english|utility_window_job)$"'
fi
for file in "$watcher_shot" "$page_shot"; do
    [ -s "$file" ] || { echo "release: $file was not made" >&2; exit 1; }
done

# The time of every entry: the commit's (a fixed time outside a git checkout).
stamp=$(git log -1 --format=%ct 2>/dev/null || echo 1764547200)
mkdir -p dist
python3 - "$version" "$stamp" "$build" "$watcher_shot" "$page_shot" <<'PY'
import os, sys, time, zipfile

version, stamp, build, watcher_shot, page_shot = sys.argv[1:6]
top = "Tallowen %s/" % version
dds = "third_party/dds-src/LICENSE"
# (name in the folder, source file, text to be given Windows line ends)
files = [
    ("Tallowen.exe", build + "/apps/Tallowen.exe", False),
    ("TallowenUTL.exe", build + "/apps/TallowenUTL.exe", False),
    ("Tallowen.INI", "release/Tallowen.INI", True),
    ("README.txt", "release/README.txt", True),
    ("guide/Tallowen-guide.html", "release/guide/Tallowen-guide.html", False),
    ("guide/images/watcher.png", watcher_shot, False),
    ("guide/images/day-page.png", page_shot, False),
    ("licences/DDS-LICENSE.txt", dds, True),
    ("licences/DDS-NOTICE.txt", "release/licences/DDS-NOTICE.txt", True),
    ("licences/mingw-w64-runtime.txt", "/usr/share/doc/mingw-w64-common/copyright", True),
    ("licences/gcc-runtime.txt", "/usr/share/doc/gcc-mingw-w64-base/copyright", True),
]
when = time.gmtime(int(stamp))[:6]
zip_name = "dist/Tallowen-%s-win64.zip" % version

def entry(name, is_dir=False):
    info = zipfile.ZipInfo(top + name, date_time=when)
    info.create_system = 0  # MS-DOS: Windows' own zip view reads the attributes as its own
    info.external_attr = 0x10 if is_dir else 0x20  # directory / archive
    info.compress_type = zipfile.ZIP_STORED if is_dir else zipfile.ZIP_DEFLATED
    return info

tmp = zip_name + ".part"
with zipfile.ZipFile(tmp, "w") as z:
    entries = [(name, source, text) for name, source, text in files]
    names = sorted([n for n, _, _ in entries] + ["Work/", "guide/", "guide/images/", "licences/"])
    sources = {n: (s, t) for n, s, t in entries}
    z.writestr(entry("", True), b"")
    for name in names:
        if name.endswith("/"):
            z.writestr(entry(name, True), b"")
            continue
        source, text = sources[name]
        with open(source, "rb") as f:
            data = f.read()
        if text:
            data = data.replace(b"\r\n", b"\n").replace(b"\n", b"\r\n")
        z.writestr(entry(name), data, compresslevel=9)
os.replace(tmp, zip_name)
print("release: %s (%d entries)" % (zip_name, len(names) + 1))
PY
