#!/usr/bin/env bash
# Installs what is missing, builds Orvanta twice (plain, and with AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs the whole test suite in both, then the fuzzer, the
# desktop metadata validators and the Debian package smoke test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh test

jobs=$(nproc)
step() { printf '\n==== %s ====\n' "$*"; }

step "build"
cmake -S . -B build-ci -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVANTA_WERROR=ON
cmake --build build-ci -j "$jobs"

step "tests"
ctest --test-dir build-ci --output-on-failure -j "$jobs"

step "build with AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DORVANTA_WERROR=ON -DORVANTA_SANITIZE=ON
cmake --build build-asan -j "$jobs"

step "tests under the sanitizers"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-asan --output-on-failure -j "$jobs"

if [ -x tests/fuzz/run-fuzz.sh ]; then
    step "fuzzing"
    tests/fuzz/run-fuzz.sh build-fuzz 30
fi
if [ -x scripts/validate-metadata.sh ]; then
    step "desktop metadata"
    scripts/validate-metadata.sh
fi
if [ -x scripts/package-smoke.sh ]; then
    step "Debian package"
    scripts/package-smoke.sh build-ci
fi
step "Windows: orvanta.exe, installer and zip, tested under wine"
if [ -f ../shared/qt6-mingw-6.4.2.tar.xz ]; then
    scripts/build-windows.sh build-win
    ctest --test-dir build-win --output-on-failure -j "$jobs"
else
    echo "Windows build skipped: no Qt kit at ../shared/qt6-mingw-6.4.2.tar.xz (make one with ../shared/tools/build-qt-mingw.sh)"
fi
step "all passed"
