#!/usr/bin/env bash
# Fails, naming the files, when a C++ file of the sources is laid out otherwise than .clang-format
# asks. In a git checkout the sources are the tracked files; in an unpacked source archive they
# are every file outside the build trees (folders holding a CMakeCache.txt), whose generated code
# is not ours to lay out.
# The layout is the one Debian 12's clang-format (version 14) gives; another version may break
# some lines differently, so its verdict is said to come from another version.
set -euo pipefail
cd "$(dirname "$0")/.."

fail() {
    echo "Format check: $*" >&2
    exit 1
}

command -v clang-format >/dev/null || fail "clang-format is missing (Debian package clang-format)"

list_sources() {
    if command -v git >/dev/null && [ "$(git rev-parse --show-toplevel 2>/dev/null)" = "$PWD" ]; then
        git ls-files -z '*.cpp' '*.h'
    else
        find . \( -name '.*' -a ! -name . -o -type d -exec test -e '{}/CMakeCache.txt' ';' \) -prune \
            -o -type f \( -name '*.cpp' -o -name '*.h' \) -printf '%P\0' | sort -z
    fi
}

version=$(clang-format --version)
mapfile -d '' -t files < <(list_sources)
((${#files[@]} > 0)) || fail "no C++ files found under $PWD"

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
