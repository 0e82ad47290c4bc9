#!/bin/sh
# Our window readers and the Tesseract OCR engine, side by side in one benchmark run, on the
# same simulated client windows (bidding, score and last hand in all ten editions).
# Tesseract is only a peer for comparison: it is installed here when missing, never needed
# by the build or the tests.
#
#   scripts/bench-tesseract.sh
#
# Prints Google Benchmark's table and a summary: time per window and accuracy for both.
set -eu
cd "$(dirname "$0")/.."

if ! command -v tesseract >/dev/null 2>&1; then
    SUDO=""
    [ "$(id -u)" -eq 0 ] || SUDO="sudo"
    $SUDO apt-get update
    $SUDO apt-get install -y tesseract-ocr
fi

cmake --preset native -DTALLOWEN_BENCH=ON >/dev/null
cmake --build build/native -j2 --target tallowen_bench

OUT=$(mktemp)
trap 'rm -f "$OUT"' EXIT
build/native/bench/tallowen_bench \
    --benchmark_filter='BM_SimWindowsReadByUs|BM_TesseractSideBySide' \
    --benchmark_out="$OUT" --benchmark_out_format=json

python3 - "$OUT" <<'PY'
import json, sys
runs = {b["name"].split("/")[0]: b for b in json.load(open(sys.argv[1]))["benchmarks"]}
t = runs.get("BM_TesseractSideBySide")
if not t or t.get("error_occurred"):
    sys.exit("no Tesseract figures: %s" % (t or {}).get("error_message", "benchmark missing"))
print()
print("windows read:            %d (bidding, score, last hand x 10 editions)" % t["windows"])
print("ours:      %9.1f us per window, %5.1f %% of report fields right, %5.1f %% of windows"
      % (t["ours_us_per_window"], t["ours_fields_pct"], t["ours_windows_pct"]))
print("tesseract: %9.1f us per window, %5.1f %% of drawn words read exactly (3x upscaled)"
      % (1000 * t["tess_ms_per_window"], t["tess_words_pct"]))
print("ours is %.0fx faster" % t["speedup"])
PY
