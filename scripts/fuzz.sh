#!/usr/bin/env bash
# Builds the fuzz targets (Clang with libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer,
# in build-fuzz/) and runs each for SECONDS (default: $FUZZ_SECONDS, else 20), or only the targets
# named. New inputs that reach new code are kept in build-fuzz/corpus/<target>/ beside the
# committed seeds of fuzz/corpus/<target>/, so that a longer run goes on from the last one. An
# input that breaks a property is saved as build-fuzz/findings/<target>-crash-* and fails the run.
#     scripts/fuzz.sh [SECONDS] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-${FUZZ_SECONDS:-20}}
shift || true
[[ $seconds =~ ^[0-9]+$ ]] || { echo "usage: scripts/fuzz.sh [SECONDS] [TARGET...]" >&2; exit 2; }

cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DNORVIK_FUZZ=ON -DNORVIK_GUI=OFF -DNORVIK_BENCH=OFF >/dev/null
mapfile -t targets < <(if (($# > 0)); then printf '%s\n' "$@"; else cat build-fuzz/fuzz/targets.txt; fi)
cmake --build build-fuzz -j "$(nproc)" --target "${targets[@]/#/fuzz_}"

mkdir -p build-fuzz/findings
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
for target in "${targets[@]}"; do
    mkdir -p "build-fuzz/corpus/$target"
    log="build-fuzz/findings/$target.log"
    echo "Fuzzing $target for $seconds s"
    if ! "build-fuzz/fuzz/fuzz_$target" "build-fuzz/corpus/$target" "fuzz/corpus/$target" \
        -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
        -artifact_prefix="build-fuzz/findings/$target-" >"$log" 2>&1; then
        tail -n 40 "$log" >&2
        echo "Fuzzing: $target broke a property; the input is in build-fuzz/findings/" >&2
        exit 1
    fi
    # The last status line (executions, coverage) and the run's totals.
    grep -E '^#[0-9]+' "$log" | tail -n 1
    grep -E '^stat::(number_of_executed_units|peak_rss_mb)' "$log"
done
