#!/usr/bin/env bash
# Builds what is needed and starts a calculator: norvik_a (column 甲, the default) or
# norvik_b (column 乙): scripts/run.sh [a|b]
set -euo pipefail
cd "$(dirname "$0")/.."

program=norvik_${1:-a}
case "$program" in
    norvik_a | norvik_b) ;;
    *)
        echo "usage: scripts/run.sh [a|b]" >&2
        exit 2
        ;;
esac

scripts/setup-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)"

binary=$(find build -type f -name "$program" -perm -u+x | head -n 1)
if [ -z "$binary" ]; then
    echo "$program is not built yet: the windows come later. The computations and their tests"
    echo "are built; run scripts/test.sh to run them."
    exit 0
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "There is no display to show the window on (neither DISPLAY nor WAYLAND_DISPLAY is set)."
    echo "To see the window without a desktop, take a screenshot instead:"
    echo "    scripts/screenshot.sh $program out.png"
    exit 1
fi
exec "$binary"
