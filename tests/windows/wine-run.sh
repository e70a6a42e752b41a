#!/bin/sh
# CMake's emulator for the Windows tests: headless wine in the scratch prefix (shared with the
# window scenarios: the lock). They call no ExitWindowsEx, so wine's own wineboot.exe serves.
# Wine's menu builder stays off here and wherever the tests start wine: it would write desktop
# entries, menus and icons into the user's home.
#   [ORVANTA_WINE_DESKTOP=1] wine-run.sh PREFIX RECORDER_EXE PROGRAM [ARGUMENTS...]
# ORVANTA_WINE_DESKTOP=1: the program makes top-level windows, which headless wine refuses (its explorer.exe
# fails to start and may hang there); it gets an Xvfb of its own and the prefix alone, with a
# wineserver of its own, ended after it, as the window scenarios have.
set -eu
prefix=$1 recorder=$2
shift 2
"$(dirname "$0")/wine-prefix.sh" "$prefix" "$recorder"
wineserver() { WINEPREFIX="$prefix" /usr/lib/wine/wineserver "$@" 2>/dev/null || true; }
display= report= xvfb= fd=
finish() {
    [ -z "$report" ] || rm -f "$report"
    [ -z "$xvfb" ] || { wineserver -k; wineserver -w; kill "$xvfb"; wait "$xvfb" || true; }
    [ -z "$fd" ] || rm -f "$fd"
}
trap finish EXIT
if [ "${ORVANTA_WINE_DESKTOP:-}" = 1 ]; then
    exec 8>"$prefix.lock"
    flock -x 8
    fd=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fd" 2>/dev/null 8>&- &
    xvfb=$!
    tries=0
    until [ -s "$fd" ]; do
        tries=$((tries + 1))
        [ "$tries" -le 100 ] || { echo "wine-run: Xvfb did not start" >&2; exit 1; }
        sleep 0.05
    done
    display=:$(head -n 1 "$fd")
    # A wineserver left by the headless tests would give the program their headless desktop.
    wineserver -k
    wineserver -w
fi
run() {
    set -- env -u WAYLAND_DISPLAY WINEPREFIX="$prefix" WINEDEBUG=-all \
        WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d" \
        DBUS_SESSION_BUS_ADDRESS=unix:path=/nonexistent \
        DBUS_SYSTEM_BUS_ADDRESS=unix:path=/nonexistent /usr/lib/wine/wine64 "$@"
    if [ -n "$display" ]; then
        DISPLAY=$display "$@" # the prefix is locked for it already (fd 8)
    else
        env -u DISPLAY flock -s "$prefix.lock" "$@"
    fi
}
case $1 in
*/tst_*.exe)
    # WORKAROUND: under wine a QtTest report to a pipe is lost: written to a file, then shown.
    report=$(mktemp)
    status=0
    run "$@" -o "$report,txt" || status=$?
    tr -d '\r' <"$report"
    exit $status
    ;;
esac
run "$@"
