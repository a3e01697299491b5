#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR and validates the menu entries and the metainfo
# as Debian's own tools do. Exits 77 (skipped) when a validator is not installed.
#     validate-entries.sh BUILD_DIR
set -euo pipefail
build=${1:?usage: validate-entries.sh BUILD_DIR}

for tool in desktop-file-validate appstreamcli; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIPPED: $tool is not installed (scripts/setup-deps.sh installs it)"
        exit 77
    fi
done

tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
DESTDIR="$tree" cmake --install "$build" --prefix /usr >/dev/null

# Both validators must stay silent: a warning or a hint counts as a failure here.
status=0
for entry in "$tree"/usr/share/applications/*.desktop; do
    report=$(desktop-file-validate "$entry" 2>&1) || status=1
    if [ -n "$report" ]; then
        echo "$report"
        status=1
    fi
done
for metainfo in "$tree"/usr/share/metainfo/*.metainfo.xml; do
    if ! report=$(appstreamcli validate --no-net --pedantic --no-color "$metainfo" 2>&1) ||
        ! grep -qx '✔ Validation was successful.' <<<"$report"; then
        echo "$report"
        status=1
    fi
done
exit "$status"
