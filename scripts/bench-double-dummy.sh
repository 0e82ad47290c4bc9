#!/bin/sh
# Times the report utility with `Double Dummy` (and `PBN Output`) on: over the sample week
# (examples/) and over a generated folder of DAYS x BOARDS-A-DAY records (by default the
# 10 000-record folder of bench-report.sh). Each folder is run three times, with `PBN Output`
# on: with the analysis off; on, the first time (everything solved, the cache filled); on again over the same folder
# (the pages made anew, the analysis from the cache). Beside them stands DDS's own time for the
# same boards, tables only (CalcAllTables on every core), against the utility's analysis of
# them (tables, par and play), measured in the same run by tallowen-dd-timing (all the sample
# week's boards; the first SAMPLE of the generated folder, 400 by default).
#
#   [SAMPLE=400] scripts/bench-double-dummy.sh [DAYS] [BOARDS-A-DAY]
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

# The utility over the folder once; prints the seconds it took.
run_utility() {
    start=$(now)
    "$utility" --folder "$1" >"$1/report.log"
    elapsed "$start" "$(now)"
}

# One folder: the utility with the analysis off, on, and on again; then the solver's figures.
measure() {
    label=$1
    folder=$2
    sample=$3
    n=$(ls "$folder/Work" | wc -l)
    rm -rf "$folder/HandRec"
    # The same output in all three runs (pages, and PBN files); only the analysis differs.
    printf 'PBN Output = yes\r\n' >>"$folder/Tallowen.INI"
    off=$(run_utility "$folder")
    printf 'Double Dummy = yes\r\n' >>"$folder/Tallowen.INI"
    rm -rf "$folder/HandRec"
    first=$(run_utility "$folder")
    # The pages go, the cache stays: a new name for each page would be all that changed.
    find "$folder/HandRec" -name '*.htm' -o -name '*.txt' -o -name '*.pbn' | xargs rm -f
    again=$(run_utility "$folder")
    echo "$label: $n boards"
    echo "$off $first $again" | awk -v n="$n" '{
        printf "  utility, analysis off:        %8.2f s\n", $1
        printf "  utility, analysis on (first): %8.2f s  (the analysis %.1f ms per board)\n", \
            $2, ($2 - $1) * 1000 / n
        printf "  utility, analysis on (again): %8.2f s  (%.2fx the run with it off)\n", \
            $3, $3 / $1 }'
    "$timing" "$folder" "$sample" | sed 's/^/  solver: /'
}

rm -rf "$dir"
mkdir -p "$dir/week" "$dir/bulk"
cp -r "$root/examples/Work" "$root/examples/Tallowen.INI" "$dir/week/"
measure "sample week" "$dir/week" 100000
"$maker" bulk "$dir/bulk" "$days" "$boards"
cp "$root/examples/Tallowen.INI" "$dir/bulk/"
measure "generated folder ($days days x $boards boards)" "$dir/bulk" "${SAMPLE:-400}"
