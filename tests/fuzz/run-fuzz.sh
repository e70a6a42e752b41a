#!/bin/sh
# Builds the libFuzzer target over the program's own parsing with clang 14, ASan and UBSan
# (Qt is not instrumented); runs it. Fails on a crash, a sanitizer report, a broken promise.
#   tests/fuzz/run-fuzz.sh [BUILD_DIR] [SECONDS]     (defaults: build-fuzz, 30)
set -eu
here=$(cd "$(dirname "$0")" && pwd)
src=$here/../../src
mkdir -p "${1:-build-fuzz}/corpus" "${1:-build-fuzz}/artifacts"
out=$(cd "${1:-build-fuzz}" && pwd)
clang++-14 -std=c++20 -g -O1 -fPIC -fsanitize=fuzzer,address,undefined \
    -fno-sanitize-recover=undefined -Wall -Wextra -Werror -I"$src" $(pkg-config --cflags Qt6Core) \
    "$here/fuzz_entry.cpp" "$src/core/TimeText.cpp" "$src/core/TimeRules.cpp" \
    "$src/core/FieldCheck.cpp" "$src/core/Settings.cpp" $(pkg-config --libs Qt6Core) \
    -o "$out/fuzz_entry"
# Seeds: a byte for the row (4: time of day) and field (8 * index), then the three texts.
printf '\010 1\n75\n0' >"$out/corpus/minutes"
printf '\0242\n59\n60' >"$out/corpus/seconds"
if ! (cd "$out" && ./fuzz_entry -max_total_time="${2:-30}" -max_len=256 -timeout=10 \
    -dict="$here/entry.dict" -artifact_prefix="$out/artifacts/" corpus) >"$out/fuzz.log" 2>&1; then
    tail -n 40 "$out/fuzz.log" >&2
    echo "fuzz: FAILED; the input is in $out/artifacts" >&2
    exit 1
fi
grep '^Done' "$out/fuzz.log"
