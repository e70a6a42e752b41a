#!/bin/sh
# Runs a cross-built test program under wine, headless, in the tests' scratch prefix:
# CMake's emulator for the Windows build's tests. The prefix is shared with the window
# scenarios, which take it for themselves (the lock) while they run. These programs ask
# nothing of ExitWindowsEx, so wine's own wineboot.exe starts their sessions.
#   wine-run.sh PREFIX RECORDER_EXE PROGRAM [ARGUMENTS...]
set -eu
prefix=$1 recorder=$2
shift 2
"$(dirname "$0")/wine-prefix.sh" "$prefix" "$recorder"
run() {
    flock -s "$prefix.lock" env -u DISPLAY -u WAYLAND_DISPLAY WINEPREFIX="$prefix" \
        WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" \
        DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent \
        DBUS_SYSTEM_BUS_ADDRESS=unix:path=/nonexistent /usr/lib/wine/wine64 "$@"
}
case $1 in
*/tst_*.exe)
    # WORKAROUND: under wine a QtTest program's report to a pipe is lost (a plain printf
    # is not); it writes it to a file instead, shown once the program has ended.
    report=$(mktemp)
    trap 'rm -f "$report"' EXIT
    status=0
    run "$@" -o "$report,txt" || status=$?
    tr -d '\r' <"$report"
    exit $status
    ;;
esac
run "$@"
