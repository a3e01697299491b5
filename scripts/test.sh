#!/usr/bin/env bash
# Installs what is missing, checks the C++ files' layout, builds, and runs every test twice: in
# the normal build and in a build with AddressSanitizer and UndefinedBehaviorSanitizer; then runs
# each fuzz target briefly (FUZZ_SECONDS each, 20 unless set) and the core's tests a third time,
# cross-built for Windows, under Wine. It needs no git: an unpacked source archive works too.
set -euo pipefail
cd "$(dirname "$0")/.."

# The Windows cross build, Wine, clang-format and the fuzzers' Clang and libFuzzer are for the
# tests only; the run command never needs them.
scripts/setup-deps.sh g++-mingw-w64-x86-64-posix wine64 googletest clang-format clang \
    libfuzzer-14-dev

# The layout first: a file that clang-format would change fails the run before anything builds.
scripts/check-format.sh

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs"

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNORVIK_SANITIZE=ON -DNORVIK_BENCH=OFF
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
LSAN_OPTIONS=suppressions="$PWD/tests/lsan.supp" \
    ctest --test-dir build-asan --output-on-failure -j "$jobs"

scripts/fuzz.sh "${FUZZ_SECONDS:-20}"

scripts/test-windows.sh

echo "All tests passed (normal, sanitizer, fuzzing and Windows builds)."
