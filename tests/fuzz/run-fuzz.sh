#!/bin/sh
# Builds the libFuzzer target over the time entry and settings rules with clang 14 and
# runs it for a bounded time. Prints the number of executions; exits non-zero when the
# build fails or the fuzzer finds a crash, a sanitizer report or a broken promise.
#
#   tests/fuzz/run-fuzz.sh [build folder] [seconds]
# Defaults: <repo>/build-fuzz, 30 seconds. Needs clang-14, libclang-rt-14-dev, qt6-base-dev.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
out=${1:-$repo/build-fuzz}
seconds=${2:-30}
cxx=${CXX_FUZZ:-clang++-14}

mkdir -p "$out/corpus" "$out/artifacts"
# The fuzzer runs from inside the folder: every path it is given must be absolute.
out=$(cd "$out" && pwd)
qt_cflags=$(pkg-config --cflags Qt6Core)
qt_libs=$(pkg-config --libs Qt6Core)

# Only this code is instrumented; Qt itself is not. Each source is compiled on its own,
# in parallel, and only when it is newer than its object.
flags="-std=c++20 -g -O1 -fPIC -fno-omit-frame-pointer -fsanitize=fuzzer,address,undefined
    -fno-sanitize-recover=undefined -Wall -Wextra -Werror -I$repo/src $qt_cflags"
sources="$here/fuzz_entry.cpp $repo/src/entry/TimeText.cpp $repo/src/entry/FieldCheck.cpp
    $repo/src/schedule/TimeNumber.cpp $repo/src/settings/SettingsMapping.cpp"
objects=""
pids=""
for src in $sources; do
    obj="$out/$(basename "$src" .cpp).o"
    objects="$objects $obj"
    if [ ! -f "$obj" ] || [ -n "$(find "$repo/src" "$here" -name '*.[ch]*' -newer "$obj" | head -n 1)" ]; then
        # shellcheck disable=SC2086
        "$cxx" $flags -c "$src" -o "$obj" &
        pids="$pids $!"
    fi
done
for pid in $pids; do
    wait "$pid" || { echo "fuzz: build FAILED" >&2; exit 1; }
done
# shellcheck disable=SC2086
"$cxx" -fsanitize=fuzzer,address,undefined $objects $qt_libs -o "$out/fuzz_entry"

cp "$here"/seeds/* "$out/corpus/"
log="$out/fuzz.log"
status=0
(cd "$out" && UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 ./fuzz_entry \
    -max_total_time="$seconds" -max_len=512 -rss_limit_mb=2048 -timeout=10 \
    -dict="$here/entry.dict" -artifact_prefix="$out/artifacts/" -print_final_stats=1 \
    corpus) >"$log" 2>&1 || status=$?

runs=$(sed -n 's/^Done \([0-9]*\) runs.*/\1/p' "$log" | tail -n 1)
if [ "$status" -ne 0 ] || [ -z "$runs" ]; then
    tail -n 60 "$log" >&2
    echo "fuzz: FAILED (exit $status); inputs in $out/artifacts" >&2
    exit 1
fi
echo "fuzz: $runs executions in about $seconds s, no crash (log: $log)"
