#!/usr/bin/env bash
# Cross-builds the Qt-free core and its test suite for 64-bit Windows with MinGW-w64 and runs
# the suite under Wine: headless, in a Wine prefix made for this run and removed after it.
# Passes only if the program exits cleanly and its report shows every listed test run and
# passed, so that a crash or an early exit cannot read as a pass.
set -euo pipefail
cd "$(dirname "$0")/.."

build="build-mingw"
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver

fail() {
    echo "Windows core suite: $*" >&2
    exit 1
}

seconds_since() {
    echo "$(($(date +%s) - $1))"
}

# The .exe must run with nothing beside it, so it may import only Windows' own DLLs.
windows_dlls='^(kernel32|msvcrt|ucrtbase|user32|advapi32|shell32|ws2_32|bcrypt|api-ms-win-.*)\.dll$'
check_imports() {
    local dll
    while read -r dll; do
        if ! [[ ${dll,,} =~ $windows_dlls ]]; then
            fail "$1 needs $dll, which is not part of Windows"
        fi
    done < <(x86_64-w64-mingw32-objdump -p "$1" | sed -n 's/^[[:space:]]*DLL Name: //p')
}

# Reads one attribute of the report's root element.
report_total() {
    sed -n "s/.*<testsuites[^>]* $1=\"\\([0-9]*\\)\".*/\\1/p" "$2"
}

start=$(date +%s)
cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/mingw-w64-x86_64.cmake \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNORVIK_GUI=OFF -DNORVIK_BENCH=OFF -DNORVIK_CLI=OFF
cmake --build "$build" -j "$(nproc)" --target norvik_core_tests
exe="$build/tests/norvik_core_tests.exe"
check_imports "$exe"
built=$(seconds_since "$start")

WINEPREFIX=$(mktemp -d "${TMPDIR:-/tmp}/norvik-wine.XXXXXX")
export WINEPREFIX WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
trap '"$wineserver" -k 2>/dev/null || true; rm -rf "$WINEPREFIX"' EXIT
unset DISPLAY WAYLAND_DISPLAY

start=$(date +%s)
"$wine" wineboot --init >"$WINEPREFIX/wineboot.log" 2>&1 ||
    fail "Wine could not create its prefix: $(cat "$WINEPREFIX/wineboot.log")"
booted=$(seconds_since "$start")

start=$(date +%s)
listed=$("$wine" "$exe" --gtest_list_tests | grep -c '^  ') || fail "the tests could not be listed"
report="$WINEPREFIX/norvik_core_tests.xml"
status=0
"$wine" "$exe" --gtest_brief=1 --gtest_output="xml:Z:$report" || status=$?
ran=$(seconds_since "$start")

[ "$status" -eq 0 ] || fail "the test program exited with status $status under Wine"
[ -s "$report" ] || fail "the test program wrote no report: it stopped before the end"
tests=$(report_total tests "$report")
failures=$(report_total failures "$report")
errors=$(report_total errors "$report")
completed=$(grep -c 'result="completed"' "$report" || true)
[ "$tests" = "$listed" ] || fail "$listed tests listed, but the report has ${tests:-none}"
[ "$failures" = 0 ] || fail "$failures tests failed"
[ "$errors" = 0 ] || fail "$errors tests had errors"
[ "$completed" = "$listed" ] || fail "$listed tests listed, but only $completed ran to the end"

echo "Windows core suite: all $listed tests passed under Wine (build ${built} s," \
    "Wine prefix ${booted} s, suite ${ran} s)."
