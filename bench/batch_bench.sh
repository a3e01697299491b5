#!/usr/bin/env bash
# Batch throughput of norvik_calc, end to end: generates a payroll CSV of ROWS rows (a mix of
# column-甲 rows with and without spouse and column-乙 rows, accepted and refused), then runs
# `norvik_calc batch` on it under /usr/bin/time to report the wall time, rows per second and
# peak memory. Build it in Release first:
#   cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release
#   cmake --build build-release -j2 --target norvik_calc
#   bench/batch_bench.sh build-release/calc_cli/norvik_calc 1000000
# A fourth argument `bonus` makes the rows bonuses instead (`salary`, the default, may be given
# too): column 甲 and 乙, on the rate table, with no salary last month and over ten times it, some
# over six months, under the 令和8年分 rules unless options say otherwise.
# Each further argument is one set of options, measured in turn on the same file, and the
# times of each set are given as a ratio of the first's (by default the windows' tables, or for
# bonuses the 令和8年分 rules):
#   bench/batch_bench.sh build-release/calc_cli/norvik_calc 1000000 utf-8 \
#       "--rules 2026 --method computer" "--rules 2026 --method table"
#   bench/batch_bench.sh build-release/calc_cli/norvik_calc 300000 utf-8 bonus
set -euo pipefail

program=${1:?usage: batch_bench.sh PATH/TO/norvik_calc [ROWS] [ENCODING] [salary|bonus] [OPTIONS...]}
rows=${2:-1000000}
encoding=${3:-utf-8}
shift $(($# < 3 ? $# : 3))
kind=salary
if [ $# -gt 0 ] && { [ "$1" = salary ] || [ "$1" = bonus ]; }; then
    kind=$1
    shift
fi
option_sets=("$@")
if [ ${#option_sets[@]} -eq 0 ]; then
    if [ "$kind" = bonus ]; then
        option_sets=("--rules 2026")
    else
        option_sets=("--rules 2007")
    fi
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

input=$work/payroll.csv
kindOptions=()
if [ "$kind" = bonus ]; then
    kindOptions=(--kind bonus)
    awk -v rows="$rows" 'BEGIN {
    printf "\xEF\xBB\xBFid,column,bonus,bonus_insurance,previous_salary,previous_insurance,dependents,spouse,long_period\r\n"
    for (i = 1; i <= rows; i++) {
        bonus = 100000 + (i * 7919) % 3000000
        previous = (i % 5 == 0) ? 0 : 150000 + (i * 104729) % 600000
        if (i % 3 == 0) {
            printf "B%07d,乙,%d,%d,%d,%d,%d,,%s\r\n", i, bonus, bonus / 7, previous, previous / 7, i % 3, (i % 4 ? "no" : "yes")
        } else {
            printf "B%07d,甲,\"%\047d\",%d,%d,%d,%d,%s,\r\n", i, bonus, bonus / 7, previous, previous / 7, i % 9, (i % 2 ? "yes" : "no")
        }
    }
}' > "$input"
else
awk -v rows="$rows" 'BEGIN {
    printf "\xEF\xBB\xBFid,column,salary,dependents,spouse\r\n"
    for (i = 1; i <= rows; i++) {
        salary = 80000 + (i * 7919) % 1200000
        dependents = i % 8
        if (i % 3 == 0) {
            printf "E%07d,乙,%d,%d,\r\n", i, salary, dependents
        } else {
            printf "E%07d,甲,\"%\047d\",%d,%s\r\n", i, salary, dependents, (i % 2 ? "yes" : "no")
        }
    }
}' > "$input"
fi
if [ "$encoding" = cp932 ]; then
    tail -c +4 "$input" | iconv -f UTF-8 -t CP932 > "$input.sjis"
    mv "$input.sjis" "$input"
fi
echo "input: $rows $kind rows, $(du -h "$input" | cut -f1), $encoding"

# The file output (written under a temporary name, synced, renamed), then the same run into
# /dev/null, which leaves out the disk. The machine is shared: CPU time is given beside the wall
# time, and the load average says how busy it was.
measure() {
    local label=$1 stdout=$2 options=$3
    shift 3
    # The options are split into words on purpose.
    # shellcheck disable=SC2086
    /usr/bin/time -v "$program" $options batch "$input" --encoding "$encoding" "${kindOptions[@]}" \
        "$@" \
        > "$stdout" 2> "$work/time.txt"
    local wall user sys rss
    wall=$(grep 'Elapsed (wall clock)' "$work/time.txt" | awk '{print $NF}')
    user=$(grep 'User time' "$work/time.txt" | awk '{print $NF}')
    sys=$(grep 'System time' "$work/time.txt" | awk '{print $NF}')
    rss=$(grep 'Maximum resident set size' "$work/time.txt" | awk '{print $NF}')
    seconds=$(echo "$wall" | awk -F: '{ s = 0; for (i = 1; i <= NF; i++) s = s * 60 + $i; print s }')
    cpu=$(awk -v s="$user" -v t="$sys" 'BEGIN { print s + t }')
    echo "  $label: wall ${seconds} s ($(awk -v r="$rows" -v s="$seconds" 'BEGIN { printf "%.0f", r / s }') rows/s)," \
        "CPU ${user} s user + ${sys} s sys ($(awk -v r="$rows" -v c="$cpu" 'BEGIN { printf "%.0f", r / c }') rows/s)," \
        "peak RSS ${rss} KiB"
}

first_wall="" first_cpu=""
for options in "${option_sets[@]}"; do
    echo "options: $options"
    measure "--output file" /dev/null "$options" --output "$work/result.csv"
    echo "    result: $(($(wc -l < "$work/result.csv") - 1)) rows, $(du -h "$work/result.csv" | cut -f1)"
    rm -f "$work/result.csv"
    measure "stdout > /dev/null" /dev/null "$options"
    if [ -z "$first_wall" ]; then
        first_wall=$seconds first_cpu=$cpu
    else
        echo "  to /dev/null against the first options: wall" \
            "$(awk -v a="$seconds" -v b="$first_wall" 'BEGIN { printf "%.2f", a / b }')x, CPU" \
            "$(awk -v a="$cpu" -v b="$first_cpu" 'BEGIN { printf "%.2f", a / b }')x"
    fi
done
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
