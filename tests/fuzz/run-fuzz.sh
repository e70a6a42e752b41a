#!/bin/sh
# Builds the libFuzzer targets over the program's own parsing (field rules, command line,
# settings file) with clang 14, ASan and UBSan (Qt is not instrumented) and runs each for its
# share of the time. Fails on a crash, a sanitizer report or a broken promise.
#   tests/fuzz/run-fuzz.sh [BUILD_DIR] [SECONDS]     (defaults: build-fuzz, 30 in all)
set -eu
here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
mkdir -p "${1:-build-fuzz}/gen/core"
out=$(cd "${1:-build-fuzz}" && pwd)
share=$(( ${2:-30} / 3 ))
sed -n 's/^project(Orvanta VERSION \(\([0-9]*\)\.\([0-9]*\)\.\([0-9]*\)\).*/s|@PROJECT_VERSION_MAJOR@|\2|;s|@PROJECT_VERSION_MINOR@|\3|;s|@PROJECT_VERSION_PATCH@|\4|;s|@PROJECT_VERSION@|\1|/p' \
    "$repo/CMakeLists.txt" >"$out/version.sed"
sed -f "$out/version.sed" "$repo/src/core/Version.h.in" >"$out/gen/core/Version.h"
flags="-std=c++20 -g -O1 -fPIC -fsanitize=address,undefined -fno-sanitize-recover=undefined
    -Wall -Wextra -Werror -I$repo/src -I$out/gen $(pkg-config --cflags Qt6Core)"
# Each source is compiled only when it or a header changed, two at a time.
build() { # source (without .cpp) in $repo/src, or fuzz_TARGET here
    case $1 in fuzz_*) src=$here/$1.cpp ;; *) src=$repo/src/$1.cpp ;; esac
    obj=$out/${1##*/}.o
    if [ ! -f "$obj" ] || [ "$src" -nt "$obj" ] || [ -n "$(find "$repo/src" "$here" -name '*.h' -newer "$obj")" ]
    then clang++-14 $flags -fsanitize=fuzzer-no-link -c "$src" -o "$obj"; fi
}
sources="core/TimeText core/TimeRules core/FieldCheck core/CommandLine core/CommandLineOptions
    core/CommandLineValues core/Settings core/Log
    core/ScheduleRule core/Power
    platform/linux/IniSettingsStore platform/linux/IniText platform/linux/IniValues"
objects=$(for s in $sources; do printf '%s ' "$out/${s##*/}.o"; done)
set -- $sources fuzz_entry fuzz_commandline fuzz_settings
while [ $# -gt 0 ]; do
    build "$1" & first=$!
    [ $# -lt 2 ] || build "$2"
    wait "$first"
    shift $(( $# < 2 ? 1 : 2 ))
done
# Seeds: for the field rules a byte for the rule, the row and the field, then the texts.
mkdir -p "$out/corpus/entry" "$out/corpus/commandline" "$out/corpus/settings" "$out/artifacts"
printf '\010 1\n75\n0' >"$out/corpus/entry/minutes"
printf '\0051\n30\n0.5' >"$out/corpus/entry/compose"
printf -- '--poweroff\0--in\0001:30:00' >"$out/corpus/commandline/in"
printf '[Settings]\nAction=2\nForce=0\nTimeSetting=1\nCountDown0=1, 2\nTime2=@Variant(\\0\\0\\0\\x7f)\n' \
    >"$out/corpus/settings/settings"
# Each settings run writes and reads a file: on a memory file system where there is one.
[ -d /dev/shm ] && [ -w /dev/shm ] && export TMPDIR=/dev/shm
for target in entry commandline settings; do
    clang++-14 -fsanitize=fuzzer,address,undefined "$out/fuzz_$target.o" $objects \
        $(pkg-config --libs Qt6Core) -o "$out/fuzz_$target"
    if ! (cd "$out" && "./fuzz_$target" -max_total_time="$share" -max_len=256 -timeout=10 \
        -dict="$here/$target.dict" -artifact_prefix="$out/artifacts/$target-" "corpus/$target") \
        >"$out/$target.log" 2>&1; then
        tail -n 40 "$out/$target.log" >&2
        echo "fuzz: $target FAILED; the input is in $out/artifacts" >&2
        exit 1
    fi
    echo "fuzz_$target: $(grep '^Done' "$out/$target.log")"
done
