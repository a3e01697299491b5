#!/usr/bin/env bash
# Builds what is needed and starts a calculator: norvik_a (column 甲, the default),
# norvik_b (column 乙) or norvik_r (today's withholding, 令和2年分以降): scripts/run.sh [a|b|r]
set -euo pipefail
cd "$(dirname "$0")/.."

case "${1:-a}" in
    a) program=norvik_a folder=calc_kou ;;
    b) program=norvik_b folder=calc_otsu ;;
    r) program=norvik_r folder=calc_r ;;
    *)
        echo "usage: scripts/run.sh [a|b|r]" >&2
        exit 2
        ;;
esac

scripts/setup-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)" --target "$program"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "$program is built, but there is no display to show its window on (neither DISPLAY nor"
    echo "WAYLAND_DISPLAY is set). To see the window without a desktop, take a screenshot:"
    echo "    scripts/screenshot.sh $program out.png 300000 2"
    exit 1
fi
exec "build/$folder/$program"
