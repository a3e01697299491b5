#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR, as a package would, and checks the tree: every
# file where it belongs and nothing else, the links in bin/ reaching the programs, the help beside
# them, the menu entries starting programs and showing icons that are there, and the
# command-line program computing from where it was installed.
#     check-install-tree.sh BUILD_DIR HELP_BUILT(0|1) CALC_BUILT(0|1)
set -euo pipefail
usage="usage: check-install-tree.sh BUILD_DIR HELP_BUILT CALC_BUILT"
build=${1:?$usage}
help_built=${2:?$usage}
calc_built=${3:?$usage}

tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
DESTDIR="$tree" cmake --install "$build" --prefix /usr >/dev/null
root="$tree/usr"

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

expected=(
    bin/norvik_a bin/norvik_b bin/norvik_r
    libexec/norvik/norvik_a libexec/norvik/norvik_b libexec/norvik/norvik_r
    share/applications/norvik_a.desktop share/applications/norvik_b.desktop
    share/applications/norvik_r.desktop
    share/metainfo/org.example.norvik.metainfo.xml
    share/man/man1/norvik_a.1.gz share/man/man1/norvik_b.1.gz share/man/man1/norvik_r.1.gz
    share/doc/norvik/copyright share/doc/norvik/changelog.gz
)
icon_sides=(16 22 24 32 48 64 128 256)
for side in "${icon_sides[@]}"; do
    expected+=("share/icons/hicolor/${side}x${side}/apps/norvik.png")
done
if [ "$help_built" = 1 ]; then
    expected+=(libexec/norvik/norvik.CHM)
fi
if [ "$calc_built" = 1 ]; then
    expected+=(bin/norvik_calc share/man/man1/norvik_calc.1.gz)
fi

# The whole list both ways: a file missing, or one installed that no one asked for.
diff <(printf '%s\n' "${expected[@]}" | sort) \
    <(cd "$root" && find . \( -type f -o -type l \) | sed 's|^\./||' | sort) ||
    fail "the installed files differ from the list above (< missing, > unexpected)"

for program in norvik_a norvik_b norvik_r; do
    link="$root/bin/$program"
    [ -L "$link" ] || fail "bin/$program is not a link"
    case "$(readlink "$link")" in
        /*) fail "bin/$program points to an absolute path, which breaks under DESTDIR" ;;
    esac
    [ "$(readlink -f "$link")" = "$(readlink -f "$root/libexec/norvik/$program")" ] ||
        fail "bin/$program does not lead to libexec/norvik/$program"
    [ -x "$root/libexec/norvik/$program" ] || fail "libexec/norvik/$program is not executable"

    entry="$root/share/applications/$program.desktop"
    exec_line=$(sed -n 's/^Exec=//p' "$entry")
    [ -x "$root/bin/${exec_line%% *}" ] || fail "$program.desktop starts '$exec_line', not in bin/"
    icon=$(sed -n 's/^Icon=//p' "$entry")
    [ -f "$root/share/icons/hicolor/48x48/apps/$icon.png" ] ||
        fail "$program.desktop shows icon '$icon', which is not installed"
    "$root/bin/$program" --version | grep -q "MIT License" ||
        fail "$program --version does not name the licence"
    grep -q "<launchable type=\"desktop-id\">$program.desktop</launchable>" \
        "$root/share/metainfo/org.example.norvik.metainfo.xml" ||
        fail "the metainfo does not launch $program.desktop"
done

calc="$root/bin/norvik_calc"
if [ "$calc_built" != 1 ]; then
    echo "note: norvik_calc is not built in this tree"
elif [ -L "$calc" ] || [ ! -x "$calc" ]; then
    fail "bin/norvik_calc is not an executable file"
elif ! "$calc" --rules 2026 kou --salary 175000 --dependents 1 --spouse yes | grep -qx '税額: 210円'; then
    fail "the installed norvik_calc does not compute the 2026 example (tax 210)"
fi

grep -qx 'License: Expat' "$root/share/doc/norvik/copyright" ||
    fail "the package's copyright grants no MIT (Expat) licence"
grep -q '<project_license>MIT</project_license>' \
    "$root/share/metainfo/org.example.norvik.metainfo.xml" ||
    fail "the metainfo names no project licence"
if [ "$calc_built" = 1 ] && ! "$calc" --version | grep -q "MIT License"; then
    fail "norvik_calc --version does not name the licence"
fi

# A PNG's width and height are the big-endian words at bytes 16 and 20.
for side in "${icon_sides[@]}"; do
    png="$root/share/icons/hicolor/${side}x${side}/apps/norvik.png"
    [ -f "$png" ] || continue
    read -r width height < <(od -An -tu1 -j16 -N8 "$png" |
        awk '{ print $1*16777216 + $2*65536 + $3*256 + $4, $5*16777216 + $6*65536 + $7*256 + $8 }')
    [ "$width x $height" = "$side x $side" ] ||
        fail "the ${side}x${side} icon is $width x $height"
done

if [ "$help_built" != 1 ]; then
    echo "note: the help is not built in this tree, so only the programs are checked in libexec/norvik"
fi
if ((failures > 0)); then
    echo "$failures check(s) failed"
    exit 1
fi
echo "installed tree in order: ${#expected[@]} files"
