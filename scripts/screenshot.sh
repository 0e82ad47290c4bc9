#!/usr/bin/env bash
# Saves a PNG of the whole X display (an Xvfb one in the tests): ImageMagick's import when it
# is there, else xwd through convert.
#   DISPLAY=:99 scripts/screenshot.sh out.png
set -euo pipefail
out="${1:?usage: screenshot.sh FILE.png}"
[ -n "${DISPLAY:-}" ] || { echo "screenshot.sh: no DISPLAY" >&2; exit 1; }
mkdir -p "$(dirname "$out")"
if command -v import >/dev/null 2>&1; then
  import -window root "$out"
elif command -v xwd >/dev/null 2>&1 && command -v convert >/dev/null 2>&1; then
  xwd -root -silent | convert xwd:- "$out"
else
  echo "screenshot.sh: neither import nor xwd with convert found" >&2
  exit 1
fi
[ -s "$out" ] || { echo "screenshot.sh: $out was not written" >&2; exit 1; }
