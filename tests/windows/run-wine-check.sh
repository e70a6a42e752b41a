#!/bin/sh
# Compiles the configured resource script, syntax-checks the Qt-using Windows files, then
# cross-compiles the power sequence with fake Win32 functions and runs it under wine: only
# once the import table shows that none of the real power functions can be reached.
#
# usage: run-wine-check.sh SOURCE_DIR CONFIGURED_RC VERSION QT_INCLUDE_DIRS(':'-separated)
set -eu
src=$1 rc=$2 version=$3 qt_dirs=$4
fail() { echo "FAIL: $*" >&2; exit 1; }
M=x86_64-w64-mingw32 WINE=/usr/lib/wine/wine64
for tool in $M-g++ $M-objdump $M-windres $WINE; do
    command -v "$tool" >/dev/null || fail "$tool missing (packages g++-mingw-w64-x86-64, wine64)"
done
work=$(mktemp -d "${TMPDIR:-/tmp}/orvanta-wine.XXXXXX")
trap 'WINEPREFIX="$work/prefix" /usr/lib/wine/wineserver -k 2>/dev/null || :; rm -rf "$work"' EXIT

"$M-windres" "$rc" -O res -o "$work/orvanta.res"
"$M-windres" -i "$work/orvanta.res" -O rc -o "$work/decompiled.rc"
numbers=$(echo "$version" | awk -F. '{ printf "%d, %d, 0, %d", $1, $2, $3 }')
text=$(echo "$version" | awk -F. '{ printf "%d.%02d.%04d", $1, $2, $3 }')
manifest=$(echo "$version" | awk -F. '{ printf "%d.%d.0.%d", $1, $2, $3 }')
[ "$(grep -cF -e "VERSION $numbers" -e "Version\", \"$text\"" -e "version=\"\"$manifest\"\"" \
    "$work/decompiled.rc")" -eq 5 ] || fail "the resource script lacks version $version"

# WORKAROUND: only Linux builds of Qt are at hand. Their headers serve for compiling, as
# no Qt function is linked into the test program; QT_STATIC keeps the export macros from
# turning into dllimport.
flags="-std=c++20 -Wall -Wextra -Wpedantic -Werror -DQT_STATIC -DQT_NO_CAST_FROM_ASCII -I$src/src"
flags="$flags -isystem $(echo "$qt_dirs" | sed 's/:/ -isystem /g')"
windows=$src/src/platform/windows
for unit in "$windows"/*.cpp; do
    grep -q '#include <Q' "$unit" || continue
    # shellcheck disable=SC2086
    $M-g++ $flags -DQT_NO_NARROWING_CONVERSIONS_IN_CONNECT -fsyntax-only "$unit"
done

# The real table imports what the check looks for; the test program imports none of it.
forbidden='ExitWindowsEx|AdjustTokenPrivileges|OpenProcessToken|InitiateS[a-zA-Z]*Shutdown'
echo '#include "platform/windows/Win32Power.h"' >"$work/real.cpp"
echo 'int main() { return !win32::realPowerApi().ExitWindowsEx; }' >>"$work/real.cpp"
# shellcheck disable=SC2086
$M-g++ $flags -static "$work/real.cpp" "$windows/Win32PowerApi.cpp" -o "$work/real.exe"
[ "$("$M-objdump" -p "$work/real.exe" | grep -cE "\\b($forbidden)")" -eq 3 ] ||
    fail "the import check cannot see the real functions"
# shellcheck disable=SC2086
$M-g++ $flags -static "$src/tests/windows/power_check.cpp" "$windows/Win32Power.cpp" \
    -o "$work/check.exe"
! "$M-objdump" -p "$work/check.exe" | grep -E "\\b($forbidden)" ||
    fail "the test program imports a real power function; not running it"

# Headless, in a prefix of its own, with no D-Bus to find.
mkdir "$work/prefix" "$work/home"
env -u DISPLAY -u WAYLAND_DISPLAY HOME="$work/home" WINEPREFIX="$work/prefix" WINEDEBUG=-all \
    WINEDLLOVERRIDES="mscoree,mshtml=" DBUS_SESSION_BUS_ADDRESS="unix:path=$work/none" \
    DBUS_SYSTEM_BUS_ADDRESS="unix:path=$work/none" \
    "$WINE" "$work/check.exe" >"$work/out.txt" 2>"$work/err.txt" ||
    fail "the check under wine: $(cat "$work/out.txt" "$work/err.txt")"
tr -d '\r' <"$work/out.txt" | grep -x "all passed" || fail "no result from the check under wine"
