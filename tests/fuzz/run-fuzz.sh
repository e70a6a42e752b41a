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
targets="entry commandline settings"
share=$(( ${2:-30} / 3 ))
version=$(sed -n 's/^project(Orvanta VERSION \([0-9]*\)\.\([0-9]*\)\.\([0-9]*\).*/\1 \2 \3/p' \
    "$repo/CMakeLists.txt")
set -- $version
sed -e "s/@PROJECT_VERSION_MAJOR@/$1/; s/@PROJECT_VERSION_MINOR@/$2/" \
    -e "s/@PROJECT_VERSION_PATCH@/$3/; s/@PROJECT_VERSION@/$1.$2.$3/" \
    "$repo/src/core/Version.h.in" >"$out/gen/core/Version.h"
flags="-std=c++20 -g -O1 -fPIC -fsanitize=address,undefined -fno-sanitize-recover=undefined
    -Wall -Wextra -Werror -I$repo/src -I$out/gen $(pkg-config --cflags Qt6Core)"
# Each source is compiled once, two at a time, and only when it changed.
build() { # object source
    if [ ! -f "$1" ] || [ "$2" -nt "$1" ] || [ -n "$(find "$repo/src" "$here" -name '*.h' -newer "$1")" ]
    then clang++-14 $flags -fsanitize=fuzzer-no-link -c "$2" -o "$1"; fi
}
shared=""
pids=""
for source in core/TimeText core/TimeRules core/FieldCheck core/CommandLine core/Settings \
              core/Log platform/linux/IniSettingsStore; do
    shared="$shared $out/$(basename $source).o"
    build "$out/$(basename $source).o" "$repo/src/$source.cpp" &
    pids="$pids $!"
    [ $(echo $pids | wc -w) -ge 2 ] || continue
    for pid in $pids; do wait "$pid"; done
    pids=""
done
for pid in $pids; do wait "$pid"; done
for target in $targets; do
    build "$out/fuzz_$target.o" "$here/fuzz_$target.cpp"
    clang++-14 -fsanitize=fuzzer,address,undefined "$out/fuzz_$target.o" $shared \
        $(pkg-config --libs Qt6Core) -o "$out/fuzz_$target"
done
# Seeds: for the field rules a byte for the rule, the row and the field, then the texts.
mkdir -p "$out/corpus/entry" "$out/corpus/commandline" "$out/corpus/settings" "$out/artifacts"
printf '\010 1\n75\n0' >"$out/corpus/entry/minutes"
printf '\0272\n59\n60' >"$out/corpus/entry/seconds"
printf '\0051\n30\n0.5' >"$out/corpus/entry/compose"
printf -- '--poweroff\0--in\0001:30:00' >"$out/corpus/commandline/in"
printf -- '-reboot\0--force\0--at=23:59' >"$out/corpus/commandline/at"
printf '[Settings]\nAction=2\nForce=0\nTimeSetting=1\nCountDown0=1, 2\nTime2=@Variant(\\0\\0\\0\\x7f)\n' \
    >"$out/corpus/settings/settings"
# Each settings run writes and reads files: on a memory file system where there is one. Qt's
# settings cache keeps every file it parsed, so each run would look like a leak and cost a
# heap scan; leaks are still looked for when the fuzzer ends.
[ -d /dev/shm ] && [ -w /dev/shm ] && export TMPDIR=/dev/shm
for target in $targets; do
    dict=$here/$target.dict
    [ -f "$dict" ] || dict=/dev/null
    extra=""
    [ "$target" != settings ] || extra=-detect_leaks=0
    if ! (cd "$out" && "./fuzz_$target" -max_total_time="$share" -max_len=256 -timeout=10 \
        $extra -dict="$dict" -artifact_prefix="$out/artifacts/$target-" "corpus/$target") \
        >"$out/$target.log" 2>&1; then
        tail -n 40 "$out/$target.log" >&2
        echo "fuzz: $target FAILED; the input is in $out/artifacts" >&2
        exit 1
    fi
    echo "fuzz_$target: $(grep '^Done' "$out/$target.log")"
done
