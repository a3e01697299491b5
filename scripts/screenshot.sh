#!/usr/bin/env bash
# Starts a calculator in a virtual X display, optionally types a salary and a dependents count
# and presses F5, and saves a picture of the window.
#
#     scripts/screenshot.sh norvik_a out.png [SALARY DEPENDENTS]
set -euo pipefail
cd "$(dirname "$0")/.."

program=${1:?usage: scripts/screenshot.sh norvik_a|norvik_b OUT.png [SALARY DEPENDENTS]}
out=${2:?usage: scripts/screenshot.sh norvik_a|norvik_b OUT.png [SALARY DEPENDENTS]}
case "$program" in
    norvik_a | norvik_b) ;;
    *)
        echo "usage: scripts/screenshot.sh norvik_a|norvik_b OUT.png [SALARY DEPENDENTS]" >&2
        exit 2
        ;;
esac
salary=${3:-}
dependents=${4:-}

scripts/setup-deps.sh xdotool imagemagick >/dev/null
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)" --target "$program" >/dev/null
binary=build/calc_kou/norvik_a
[ "$program" = norvik_b ] && binary=build/calc_otsu/norvik_b

display_number=$(for n in $(seq 90 199); do [ -e "/tmp/.X11-unix/X$n" ] || { echo "$n"; break; }; done)
export DISPLAY=":$display_number"
Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
trap 'kill "$app_pid" "$xvfb_pid" 2>/dev/null || true' EXIT
for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$display_number" ] && break; sleep 0.05; done

QT_QPA_PLATFORM=xcb "$binary" &
app_pid=$!
window=$(xdotool search --sync --onlyvisible --pid "$app_pid" | head -n 1)
xdotool windowfocus --sync "$window"
sleep 0.5

if [ -n "$salary" ]; then
    xdotool type --delay 30 "$salary"
    xdotool key Return
    xdotool type --delay 30 "$dependents"
    xdotool key F5
    sleep 0.5
fi

import -window "$window" "$out"
echo "saved $out"
