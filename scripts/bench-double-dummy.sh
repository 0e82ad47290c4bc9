#!/bin/sh
# Times the report utility with `Double Dummy` (and `PBN Output`) on: over the sample week
# (examples/) and over a generated folder of DAYS x BOARDS-A-DAY records (by default the
# 10 000-record folder of bench-report.sh). Beside the time per board stands DDS's own figure
# for one table solved on a single thread (CalcDDtable), measured in the same run on the same
# boards by tallowen-dd-timing. The solver runs on every core (two here).
#
#   scripts/bench-double-dummy.sh [DAYS] [BOARDS-A-DAY]
#
# BUILD (default build/native) holds the built programs; BENCH_DIR (default
# $HOME/tallowen-bench/dd) is where the program folders go (the utility refuses TMP and TEMP).
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD:-$root/build/native}
dir=${BENCH_DIR:-$HOME/tallowen-bench/dd}
days=${1:-100}
boards=${2:-100}
maker=$build/tools/make-examples/tallowen-make-examples
utility=$build/apps/TallowenUTLc
timing=$build/tools/tallowen-dd-timing

case $(printf '%s' "$dir" | tr '[:lower:]' '[:upper:]') in
*TMP* | *TEMP* | *WINDOWS* | *.ZIP*)
    echo "bench-double-dummy: $dir would be refused by the utility; set BENCH_DIR" >&2
    exit 2
    ;;
esac
for program in "$maker" "$utility" "$timing"; do
    if [ ! -x "$program" ]; then
        echo "bench-double-dummy: $program is not built" >&2
        exit 2
    fi
done

now() { date +%s.%N; }
elapsed() { echo "$1 $2" | awk '{ printf "%.3f", $2 - $1 }'; }

# One folder: the utility with the analysis off and on, and the solver's own figures.
measure() {
    label=$1
    folder=$2
    n=$(ls "$folder/Work" | wc -l)
    rm -rf "$folder/HandRec"
    start=$(now)
    "$utility" --folder "$folder" >/dev/null
    off=$(elapsed "$start" "$(now)")
    printf 'PBN Output = yes\r\nDouble Dummy = yes\r\n' >>"$folder/Tallowen.INI"
    rm -rf "$folder/HandRec"
    start=$(now)
    "$utility" --folder "$folder" >"$folder/report.log"
    on=$(elapsed "$start" "$(now)")
    solver=$("$timing" "$folder" 20)
    echo "$label: $n boards"
    echo "  utility, analysis off:  $off s"
    echo "  utility, analysis on:   $on" |
        awk -v n="$n" -v off="$off" '{ print $0 "  (" sprintf("%.1f", ($NF + 0) * 1000 / n) \
            " ms per board; the analysis " sprintf("%.1f", (($NF + 0) - off) * 1000 / n) \
            " ms per board)" }'
    echo "$solver" | sed 's/^/  solver, first 20 boards: /'
}

rm -rf "$dir"
mkdir -p "$dir/week" "$dir/bulk"
cp -r "$root/examples/Work" "$root/examples/Tallowen.INI" "$dir/week/"
measure "sample week" "$dir/week"
"$maker" bulk "$dir/bulk" "$days" "$boards"
cp "$root/examples/Tallowen.INI" "$dir/bulk/"
measure "generated folder ($days days x $boards boards)" "$dir/bulk"
