#!/bin/sh
# Makes the tests' scratch prefix once, the recorder in wineboot.exe's place (all ExitWindowsEx
# starts; wine runs it only with WINEDLLOVERRIDES=wineboot.exe=n):  wine-prefix.sh PREFIX RECORDER
set -eu
prefix=$1 recorder=$2
WINE=/usr/lib/wine/wine64
boot=$prefix/drive_c/windows/system32/wineboot.exe
[ -f "$prefix/.orvanta-ready" ] && cmp -s "$recorder" "$boot" && exit 0
exec 9>"$prefix.lock"
flock 9
if [ ! -f "$prefix/.orvanta-ready" ]; then
    rm -rf "$prefix"
    env -u DISPLAY -u WAYLAND_DISPLAY WINEPREFIX="$prefix" WINEDEBUG=-all \
        WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d" "$WINE" wineboot -i >/dev/null 2>&1
    WINEPREFIX="$prefix" /usr/lib/wine/wineserver -w
    # A CJK font among the prefix's own, as Chinese, Japanese and Korean Windows have.
    cjk=/usr/share/fonts/truetype/wqy/wqy-zenhei.ttc
    [ ! -f "$cjk" ] || cp "$cjk" "$prefix/drive_c/windows/Fonts/"
    touch "$prefix/.orvanta-ready"
fi
cmp -s "$recorder" "$boot" || cp "$recorder" "$boot"
cmp -s "$recorder" "$boot" || { echo "wine-prefix: the recorder is not in place" >&2; exit 1; }
