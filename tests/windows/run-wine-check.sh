#!/bin/sh
# Cross-compiles the Windows back-ends with mingw-w64, links them with fakes of every Win32
# function they call and runs the result under wine. Only a program whose import table
# shows none of the real power, shell or tray functions is ever started.
#
# usage: run-wine-check.sh SOURCE_DIR [QT_INCLUDE_DIRS separated by ':']
set -eu

src=${1:?source directory}
qt_includes=${2:-}

CXX=x86_64-w64-mingw32-g++
OBJDUMP=x86_64-w64-mingw32-objdump
WINDRES=x86_64-w64-mingw32-windres
WINE=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver

missing=
for tool in $CXX $OBJDUMP $WINDRES; do
    command -v "$tool" >/dev/null 2>&1 || missing="$missing $tool"
done
[ -x "$WINE" ] || missing="$missing $WINE"
if [ -n "$missing" ]; then
    echo "FAIL: missing$missing (apt-get install g++-mingw-w64-x86-64; apt-get install --no-install-recommends wine64)" >&2
    exit 1
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/orvanta-wine.XXXXXX")
cleanup() {
    if [ -d "$work/prefix" ]; then
        WINEPREFIX="$work/prefix" "$WINESERVER" -k >/dev/null 2>&1 || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT INT TERM

flags="-std=c++20 -Wall -Wextra -Wpedantic -Werror"
win32_units=$(ls "$src"/src/platform/windows/Win32*.cpp)
check_units=$(ls "$src"/tests/windows/*.cpp)
forbidden='ExitWindowsEx|InitiateSystemShutdown|InitiateShutdown|AdjustTokenPrivileges|ShellExecute|Shell_NotifyIcon'

echo "== compiling the resource script ($(date +%T))"
"$WINDRES" -I "$src/resources/windows" "$src/resources/windows/orvanta.rc" -O coff -o "$work/orvanta-res.o"

echo "== compiling the test program (fakes only) ($(date +%T))"
for unit in $win32_units "$src/src/tray/TraySearch.cpp" $check_units; do
    # shellcheck disable=SC2086
    $CXX $flags -DORVANTA_WIN32_NO_REAL_API -DORVANTA_CHECK_RESOURCES \
        -I"$src/src" -I"$src/tests/windows" -c "$unit" -o "$work/$(basename "$unit" .cpp).o"
done
$CXX -static -o "$work/win32-check.exe" "$work"/*.o

echo "== the real table, linked but never run ($(date +%T))"
# Proves the program's default table reaches the real functions and that the import
# check below would see them.
cat >"$work/probe.cpp" <<'PROBE'
#include "platform/windows/Win32Api.h"
int main() { return win32::realWin32Api().ExitWindowsEx != nullptr ? 0 : 1; }
PROBE
# shellcheck disable=SC2086
$CXX $flags -I"$src/src" "$work/probe.cpp" "$src/src/platform/windows/Win32Api.cpp" \
    -static -luser32 -ladvapi32 -lshell32 -o "$work/real-table-probe.exe"
for name in ExitWindowsEx AdjustTokenPrivileges ShellExecuteA Shell_NotifyIconA DrawAnimatedRects; do
    if ! "$OBJDUMP" -p "$work/real-table-probe.exe" | grep -q "\\b$name\\b"; then
        echo "FAIL: the real table does not import $name" >&2
        exit 1
    fi
done
rm -f "$work/real-table-probe.exe"

if [ -n "$qt_includes" ]; then
    echo "== syntax check of the Qt adapters against this machine's Qt headers"
    qt_flags=
    old_ifs=$IFS
    IFS=:
    for dir in $qt_includes; do qt_flags="$qt_flags -isystem $dir"; done
    IFS=$old_ifs
    # WORKAROUND: these headers are configured for Linux; QT_STATIC keeps their export
    # macros from turning into dllimport, which is all that differs for a syntax check.
    for unit in "$src"/src/platform/windows/Win*.cpp; do
        case $(basename "$unit") in Win32*) continue ;; esac
        # shellcheck disable=SC2086
        $CXX $flags -fsyntax-only -DQT_STATIC -DQT_NO_CAST_FROM_ASCII \
            -DQT_NO_NARROWING_CONVERSIONS_IN_CONNECT -I"$src/src" $qt_flags "$unit"
    done
fi

echo "== import table of the test program ($(date +%T))"
imports=$("$OBJDUMP" -p "$work/win32-check.exe")
if ! printf '%s\n' "$imports" | grep -q "DLL Name: KERNEL32.dll"; then
    echo "FAIL: no import table found; the check below would prove nothing" >&2
    exit 1
fi
if printf '%s\n' "$imports" | grep -E -q "\\b($forbidden)"; then
    echo "FAIL: the test program imports a real power, shell or tray function; not running it" >&2
    printf '%s\n' "$imports" | grep -E "\\b($forbidden)" >&2
    exit 1
fi
printf '%s\n' "$imports" | grep "DLL Name"

echo "== running under wine ($(date +%T))"
mkdir "$work/prefix" "$work/home"
# Headless, in a prefix of its own, and with nowhere to find a D-Bus.
status=0
env -u DISPLAY -u WAYLAND_DISPLAY HOME="$work/home" WINEPREFIX="$work/prefix" WINEDEBUG=-all \
    WINEDLLOVERRIDES="mscoree,mshtml=" \
    DBUS_SESSION_BUS_ADDRESS="unix:path=$work/no-session-bus" \
    DBUS_SYSTEM_BUS_ADDRESS="unix:path=$work/no-system-bus" \
    "$WINE" "$work/win32-check.exe" >"$work/output.txt" 2>"$work/wine-stderr.txt" || status=$?
cat "$work/output.txt"
if [ "$status" -ne 0 ] || ! grep -q "checks, 0 failed" "$work/output.txt"; then
    echo "FAIL: the check under wine ended with status $status" >&2
    cat "$work/wine-stderr.txt" >&2
    exit 1
fi
echo "PASS"
