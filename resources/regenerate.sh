#!/usr/bin/env bash
# Builds the image generator and redraws every icon and the panel bitmap in this folder, then
# refreshes the contact sheet. The build folder may be given as the first argument.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(dirname "$here")"
build="${1:-$root/build}"

cmake -S "$root" -B "$build" >/dev/null
cmake --build "$build" --target norvik_image_generator -j2
"$build/resources/norvik_image_generator" "$here"
"$here/contact-sheet.sh"
