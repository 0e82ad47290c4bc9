#!/usr/bin/env bash
# The windowed watcher's start-up refusals under Wine: an invalid settings key, a folder named
# like a temporary folder and a second copy each print their lines, wait ten seconds and end;
# without a settings file it says so and keeps running.
set -uo pipefail
exe=$1
here=$(cd "$(dirname "$0")/.." && pwd)
run="$here/scripts/wine-run"
base="$HOME/tallowen-checks/startup"
rm -rf "$base"
mkdir -p "$base"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# prepare <folder> [settings text]
prepare() {
  mkdir -p "$1/Work"
  cp "$exe" "$1/Tallowen.exe"
  [ $# -gt 1 ] && printf '%s' "$2" > "$1/Tallowen.INI"
  return 0
}

# expect_abort <case> <folder> <line>: runs the program, which must end by itself after the
# ten-second wait with exit code 1, having printed <line> and the closing lines.
expect_abort() {
  local name=$1 folder=$2 line=$3 began ended code
  began=$(date +%s)
  timeout 60 "$run" "$folder/Tallowen.exe" > "$base/$name.out" 2>/dev/null
  code=$?
  ended=$(date +%s)
  grep -qF -- "$line" "$base/$name.out" || fail "$name: no line \"$line\""
  grep -qF "  Click END (or ESC) and terminate job." "$base/$name.out" || fail "$name: no closing line"
  grep -qF "  Waiting . . . " "$base/$name.out" || fail "$name: no waiting line"
  [ "$code" = 1 ] || fail "$name: exit code $code"
  [ $((ended - began)) -ge 10 ] || fail "$name: ended after $((ended - began)) s"
  [ $((ended - began)) -lt 40 ] || fail "$name: took $((ended - began)) s"
  echo "$name: exit $code after $((ended - began)) s"
}

prepare "$base/badkey" $'Colour Of Sky = blue\r\n'
expect_abort badkey "$base/badkey" "Colour Of Sky=blue   invalid keyword."
[ -f "$base/badkey/Tallowen.CFG" ] || fail "badkey: the window layout was not saved"

prepare "$base/Temp"
expect_abort temp "$base/Temp" "  UnZip the archived file Tallowen22.zip before starting"

# No settings file: the program says so and runs on; then a second copy is refused.
prepare "$base/plain"
"$run" "$base/plain/Tallowen.exe" > "$base/plain.out" 2>/dev/null &
first=$!
for _ in $(seq 1 40); do
  grep -qF "is running with standard setting." "$base/plain.out" 2>/dev/null && break
  sleep 0.5
done
grep -qF "  Initialization file " "$base/plain.out" || fail "plain: no missing-settings lines"
grep -qF "  Tallowen.exe is running with standard setting." "$base/plain.out" ||
  fail "plain: not running with the standard setting"
kill -0 "$first" 2>/dev/null || fail "plain: the program did not keep running"
expect_abort second "$base/plain" "  You are going to start Tallowen.exe again."
"$run" taskkill /IM Tallowen.exe >/dev/null 2>&1
for _ in $(seq 1 40); do kill -0 "$first" 2>/dev/null || break; sleep 0.5; done
if kill -0 "$first" 2>/dev/null; then
  fail "plain: did not end when asked to close"
  kill "$first" 2>/dev/null
fi
[ -f "$base/plain/Tallowen.CFG" ] || fail "plain: closing did not save the window layout"

[ "$failures" = 0 ] && echo "all start-up cases passed"
exit $((failures > 0))
