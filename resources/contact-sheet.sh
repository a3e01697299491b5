#!/usr/bin/env bash
# Shows every icon as the buttons do, at 32 x 32 on the three faces they sit on (white, the
# light grey button face, the dark slate of the command strip), magnified so that single pixels
# can be judged. The left three columns scale a 48 x 48 icon down smoothly (by averaging), the
# right three by plain sampling (every third row and column dropped): a button may do either. A
# 32 x 32 icon looks the same in both.
# Needs ImageMagick. Writes preview.png beside this script, or the file given as argument.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
output="${1:-$here/preview.png}"
magnify=6
faces=(white '#F0F0F0' '#53556C')
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

tile() { # icon scaling face -> one magnified tile on stdout
    convert -size 36x36 "xc:$3" \( "$1" -filter Box "$2" 32x32! \) -gravity center -composite \
        -scale "$((magnify * 100))%" -bordercolor '#9A9A9A' -border 2 png:-
}

rows=()
for icon in monitor compute clear help exit; do
    tiles=()
    for scaling in -resize -sample; do
        for face in "${faces[@]}"; do
            file="$scratch/$icon-${scaling#-}-${#tiles[@]}.png"
            # [0]: the image of the stored size; the double-size one follows it in the file.
            tile "$here/$icon.ico[0]" "$scaling" "$face" >"$file"
            tiles+=("$file")
        done
    done
    convert "${tiles[@]}" +append "$scratch/row-$icon.png"
    rows+=("$scratch/row-$icon.png")
done
convert "${rows[@]}" -append -strip -depth 8 "$output"
echo "wrote $output"
