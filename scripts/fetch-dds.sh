#!/usr/bin/env bash
# Fetches the sources of DDS 2.9 (the double-dummy solver) for the Windows build, which
# compiles them with mingw and links them statically. They come from Debian 12's source
# package: only its upstream tarball (.orig.tar.gz) is used, unpacked into third_party/dds-src
# (kept out of git). The native build uses Debian's libdds-dev instead.
#
# The sources are the machine's own: the archives apt is configured with (one-line lists and
# deb822 .sources files alike), asked for their source packages, so the script works behind
# any mirror. apt runs with those as a private sources list, with its own package lists and
# cache under third_party/, so the system's apt state is not changed.
set -euo pipefail
cd "$(dirname "$0")/.."
dest=third_party/dds-src
if [ -f "$dest/src/dds.cpp" ] && [ -f "$dest/include/dll.h" ]; then
    echo "fetch-dds: $dest already holds the DDS sources"
    exit 0
fi
work=third_party/dds-fetch
rm -rf "$work"
mkdir -p "$work/lists/partial" "$work/cache/archives/partial" "$work/download" "$work/parts"
eval "$(apt-config shell system_list Dir::Etc::sourcelist/f system_parts Dir::Etc::sourceparts/d)"
# One-line entries: each "deb" line again as "deb-src".
cat "$system_list" "$system_parts"*.list 2>/dev/null |
    sed -n 's/^[[:space:]]*deb[[:space:]]/deb-src /p' >"$work/sources.list" || true
# deb822 entries: the same stanzas, for source packages.
for file in "$system_parts"*.sources; do
    [ -f "$file" ] || continue
    sed 's/^Types:.*/Types: deb-src/' "$file" >"$work/parts/$(basename "$file")"
done
if [ ! -s "$work/sources.list" ] && [ -z "$(ls "$work/parts")" ]; then
    echo "fetch-dds: apt has no Debian sources configured ($system_list, $system_parts)" >&2
    exit 1
fi
opts=(-o "Dir::Etc::sourcelist=$PWD/$work/sources.list" -o "Dir::Etc::sourceparts=$PWD/$work/parts"
      -o "Dir::State::Lists=$PWD/$work/lists" -o "Dir::Cache=$PWD/$work/cache"
      -o APT::Get::List-Cleanup=0)
apt-get "${opts[@]}" update -qq
# The Debian part may fail to arrive or unpack; the upstream tarball is what matters.
(cd "$work/download" && apt-get "${opts[@]}" source --download-only dds >/dev/null 2>&1) || true
tarball=$(ls "$work"/download/dds_2.9.*.orig.tar.* 2>/dev/null | head -1 || true)
if [ -z "$tarball" ]; then
    echo "fetch-dds: the DDS 2.9 upstream tarball did not arrive" >&2
    exit 1
fi
rm -rf "$dest"
mkdir -p "$dest"
tar -xf "$tarball" -C "$dest" --strip-components=1
rm -rf "$work"
if [ ! -f "$dest/src/dds.cpp" ] || [ ! -f "$dest/include/dll.h" ]; then
    echo "fetch-dds: $tarball does not hold the DDS sources where expected" >&2
    exit 1
fi
echo "fetch-dds: DDS sources in $dest (from $(basename "$tarball"))"
