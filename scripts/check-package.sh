#!/usr/bin/env bash
# Checks the Debian package as a clerk meets it, on this machine: builds it, installs it with apt,
# starts each calculator from the Exec line of its installed menu entry in a virtual X display,
# computes the worked example (300,000 yen and 2 dependents: 3,420 yen in column 甲 with spouse,
# 48,600 yen in column 乙, and in the window for today's withholding, paid today, 4,700 yen by
# 令和8年分's monthly table, column 甲), opens the help when the package carries it, closes the window with End,
# then purges the package and checks that none of its files is left. Needs root, for apt-get. Not
# part of the test run, because it installs and removes a package here.
#
#     scripts/check-package.sh
set -euo pipefail
cd "$(dirname "$0")/.."
here=$PWD

if [ "${1:-}" != --display ] && [ "$(id -u)" -ne 0 ]; then
    echo "scripts/check-package.sh installs a package: run it as root" >&2
    exit 2
fi

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# The text a screen reader reads from the field with the given description: the text it offers,
# or else its name.
field() { # pid description
    "$here/scripts/accessible-tree.py" "$1" |
        awk -F'\t' -v want="$2" '!found && $3 == want { print ($8 != "" ? $8 : $2); found = 1 }'
}

click_named() { # pid accessible-name
    local x y w h
    read -r x y w h < <("$here/scripts/accessible-tree.py" "$1" |
        awk -F'\t' -v want="$2" '!found && $2 == want { print $4, $5, $6, $7; found = 1 }')
    xdotool mousemove --sync $((x + w / 2)) $((y + h / 2)) click 1
}

# Starts the program the way a desktop does: the menu entry's Exec line, found on a desktop PATH.
check_program() { # program expected-tax
    local program=$1 expected=$2 entry exec_line pid window tax viewer
    entry=/usr/share/applications/$program.desktop
    exec_line=$(sed -n 's/^Exec=//p' "$entry")
    echo "$program: starting '$exec_line' from $entry"
    PATH=/usr/local/bin:/usr/bin:/bin QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb \
        sh -c "exec $exec_line" &
    pid=$!
    window=$(timeout 20 xdotool search --sync --onlyvisible --pid "$pid" | head -n 1) || true
    if [ -z "$window" ]; then
        fail "$program: no window appeared"
        kill "$pid" 2>/dev/null || true
        return
    fi
    [ "$(readlink "/proc/$pid/exe")" = "/usr/libexec/norvik/$program" ] ||
        fail "$program: the menu entry started $(readlink "/proc/$pid/exe")"

    xdotool windowfocus --sync "$window"
    sleep 0.5
    xdotool type --delay 30 300000
    xdotool key Return
    xdotool type --delay 30 2
    xdotool key F5
    sleep 0.5
    tax=$(field "$pid" 源泉徴収税額)
    echo "$program: 300,000 yen, 2 dependents -> tax $tax"
    [ "$tax" = "$expected" ] || fail "$program: the tax reads '$tax', not $expected"

    if [ -f /usr/libexec/norvik/norvik.CHM ]; then
        click_named "$pid" ヘルプ
        viewer=$(timeout 20 xdotool search --sync --onlyvisible --class xchm | head -n 1) || true
        if [ -n "$viewer" ]; then
            echo "$program: HELP opened '$(xdotool getwindowname "$viewer")'"
            kill "$(xdotool getwindowpid "$viewer")" 2>/dev/null || true
        else
            fail "$program: HELP opened no viewer window"
        fi
        [ "$(field "$pid" 源泉徴収税額)" = "$expected" ] || fail "$program: HELP changed the tax"
        xdotool windowfocus --sync "$window"
    else
        echo "$program: the package carries no norvik.CHM, so HELP is not tried"
    fi

    xdotool key End
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    if kill -0 "$pid" 2>/dev/null; then
        fail "$program: End did not close the window"
        kill "$pid"
    else
        echo "$program: End closed the window"
    fi
}

if [ "${1:-}" = --display ]; then
    export DISPLAY=$2
    trap 'kill $(jobs -p) 2>/dev/null || true' EXIT
    check_program norvik_a 3,420
    check_program norvik_b 48,600
    check_program norvik_r 4,700
    exit "$((failures > 0))"
fi

scripts/setup-deps.sh xdotool dbus at-spi2-core gir1.2-atspi-2.0 python3-gi >/dev/null
scripts/package.sh
package=$(ls "$here"/build-package/norvik_*.deb)

echo "installing $package"
DEBIAN_FRONTEND=noninteractive apt-get install -y "$package" >/dev/null
installed_files=$(dpkg-query -L norvik)
echo "installed: $(dpkg-query -W -f='${Package} ${Version}, Installed-Size ${Installed-Size} KiB' norvik)"

display_number=$(for n in $(seq 90 199); do [ -e "/tmp/.X11-unix/X$n" ] || { echo "$n"; break; }; done)
Xvfb ":$display_number" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
trap 'kill "$xvfb_pid" 2>/dev/null || true' EXIT
for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$display_number" ] && break; sleep 0.05; done
# A session bus of its own carries the accessibility registry that the fields are read through.
dbus-run-session -- "$here/scripts/check-package.sh" --display ":$display_number" 2> >(grep -v -e '^dbus-daemon' \
    -e 'SpiRegistry' -e 'XDG_RUNTIME_DIR' >&2) || failures=$((failures + 1))

echo "purging norvik"
DEBIAN_FRONTEND=noninteractive apt-get purge -y norvik >/dev/null
if dpkg-query -W -f='${Status}' norvik 2>/dev/null | grep -qv not-installed; then
    fail "dpkg still knows norvik after the purge: $(dpkg-query -W -f='${Status}' norvik)"
fi
left=0
while IFS= read -r path; do
    case "$path" in
        /. | /usr | /usr/bin | /usr/libexec | /usr/share | /usr/share/applications | /usr/share/doc | \
            /usr/share/icons | /usr/share/icons/hicolor | /usr/share/icons/hicolor/* | \
            /usr/share/man | /usr/share/man/man1 | /usr/share/metainfo)
            [ -d "$path" ] && continue ;; # shared folders, owned by other packages too
    esac
    if [ -e "$path" ] || [ -L "$path" ]; then
        fail "left behind after the purge: $path"
        left=$((left + 1))
    fi
done <<<"$installed_files"
echo "after the purge: $left of $(wc -l <<<"$installed_files") paths of the package left"

if ((failures > 0)); then
    echo "$failures check(s) failed"
    exit 1
fi
echo "package check passed"
