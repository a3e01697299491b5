#!/usr/bin/env bash
# Fails, naming the files, when a tracked C++ file is laid out otherwise than .clang-format asks.
# The layout is the one Debian 12's clang-format (version 14) gives; another version may break
# some lines differently, so its verdict is said to come from another version.
set -euo pipefail
cd "$(dirname "$0")/.."

fail() {
    echo "Format check: $*" >&2
    exit 1
}

command -v clang-format >/dev/null || fail "clang-format is missing (Debian package clang-format)"
git rev-parse --is-inside-work-tree >/dev/null 2>&1 || fail "needs a git checkout to list the files"

version=$(clang-format --version)
mapfile -d '' -t files < <(git ls-files -z '*.cpp' '*.h')
((${#files[@]} > 0)) || fail "git lists no C++ files"

if ! report=$(clang-format --dry-run --Werror "${files[@]}" 2>&1); then
    unformatted=$(sed -n 's/^\(.*\):[0-9]*:[0-9]*: error: code should be clang-formatted.*/\1/p' \
        <<<"$report" | sort -u)
    if [ -z "$unformatted" ]; then
        fail "clang-format failed: $report"
    fi
    {
        echo "Format check: these files differ from .clang-format ($version):"
        sed 's/^/    /' <<<"$unformatted"
        echo "Lay them out with: clang-format -i FILE..."
        if ! [[ $version =~ version\ 14\. ]]; then
            echo "(The repository's layout is clang-format 14's, Debian 12's; this is another version.)"
        fi
    } >&2
    exit 1
fi
echo "Format check: ${#files[@]} C++ files laid out as .clang-format asks ($version)."
