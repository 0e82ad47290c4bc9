#!/usr/bin/env bash
# Whole simulated sessions with the client's default plan (passed-out boards, claims, the pause
# between deals) over many seeds, in editions 1 and 3-10, at the default WaitTime Bid and at
# 5 s. Every board played is accounted for by `Tallowen --simulate`; this adds the counts up.
# Not part of the tests (a few minutes on two cores); prints its figures.
#   SEEDS=40 BOARDS=40 bash scripts/session-check.sh
set -euo pipefail
cd "$(dirname "$0")/.."
seeds="${SEEDS:-40}"
boards="${BOARDS:-40}"
cmake --preset native >/dev/null
cmake --build --preset native --target Tallowen >/dev/null
work="$HOME/.tallowen-session-check"
rm -rf "$work"
mkdir -p "$work"

one() {  # edition wait seed
    local dir="$work/e$1-w$2-s$3"
    mkdir -p "$dir"
    if [ "$2" != default ]; then printf 'WaitTime Bid = %s\r\n' "$2" >"$dir/Tallowen.INI"; fi
    local status=0
    ./build/native/apps/Tallowen --simulate --boards "$boards" --lang "$1" --seed "$3" \
        --folder "$dir" >"$dir/out.txt" || status=$?
    echo "$1 $2 $3 $status $(grep -E '^played ' "$dir/out.txt")"
    grep -E '^  board .*: (lost|mixed)|holds no board' "$dir/out.txt" | sed "s/^/  e$1 w$2 s$3:/" || true
}
export -f one
export work boards

for wait in default 5; do
    for edition in 1 3 4 5 6 7 8 9 10; do
        for seed in $(seq 1 "$seeds"); do echo "$edition $wait $seed"; done
    done
done | xargs -P 2 -L 1 bash -c 'one "$@"' _ >"$work/results.txt"

grep -E '^  ' "$work/results.txt" || true
for wait in default 5; do
    awk -v w="$wait" '$2 == w {
            if ($4 != 0 || $5 != "played") { bad++; next }
            gsub(",", ""); p += $6; r += $8; l += $10; m += $12 }
        END { printf "WaitTime Bid %s: played %d, right %d, lost %d, mixed %d; runs not exiting 0: %d\n",
              w, p, r, l, m, bad }' "$work/results.txt"
done
