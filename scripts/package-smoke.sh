#!/usr/bin/env bash
# Smoke test of the Debian package, as an ordinary user: builds it with CPack, has lintian
# judge it (any error or warning fails), unpacks it with dpkg-deb into a scratch root
# and starts the packaged orvanta from there, through its desktop entry, under an X server
# of its own with private D-Bus buses and an empty home. It waits until the main window is
# mapped, checks that every library the running program loaded comes from the package's
# declared dependencies and closes the window the way a window manager's close button
# does. Nothing is installed on the machine and the real buses are never used.
#   scripts/package-smoke.sh BUILD_DIR
set -euo pipefail

build=$(cd "${1:?usage: package-smoke.sh BUILD_DIR}" && pwd)
caption='Orvanta v1.2'

missing=()
for pair in Xvfb:xvfb xdotool:xdotool xprop:x11-utils dbus-daemon:dbus dpkg-shlibdeps:dpkg-dev \
    file:file lintian:lintian /usr/bin/python3:python3; do
    command -v "${pair%%:*}" >/dev/null || missing+=("${pair#*:}")
done
if ((${#missing[@]})); then
    echo "package-smoke: installing ${missing[*]}"
    as_root=()
    ((EUID == 0)) || as_root=(sudo)
    "${as_root[@]}" apt-get update -qq
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

work=$(mktemp -d)
root=$work/root # the unpacked package
pids=()         # every background process of ours, in start order
app_pid=

cleanup() {
    local status=$?
    set +e
    [[ -n $app_pid ]] && kill -0 "$app_pid" 2>/dev/null && kill -TERM "$app_pid"
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill -TERM "${pids[i]}" 2>/dev/null
        wait "${pids[i]}" 2>/dev/null
    done
    rm -rf "$work"
    ((status == 0)) && echo "package-smoke: PASS" || echo "package-smoke: FAIL" >&2
    exit "$status"
}
trap cleanup EXIT

fail() {
    echo "package-smoke: $*" >&2
    [[ -s $work/orvanta.log ]] && sed 's/^/  orvanta: /' "$work/orvanta.log" >&2
    exit 1
}

now_ms() { date +%s%3N; }
began=$(now_ms)
say() { printf '== [%5.1f s] %s\n' "$((($(now_ms) - began) / 100))e-1" "$*"; }

# Waits (bounded) until the file exists and is not empty.
wait_for_file() {
    local file=$1 deadline=$(($(now_ms) + 10000))
    until [[ -s $file ]]; do
        (($(now_ms) < deadline)) || fail "nothing written to $file"
        sleep 0.02
    done
}

say "cpack -G DEB in $build"
rm -f "$build"/orvanta_*.deb
(cd "$build" && cpack -G DEB >"$work/cpack.log" 2>&1) || {
    cat "$work/cpack.log" >&2
    fail "cpack failed"
}
deb=$(ls "$build"/orvanta_*.deb)
echo "$deb"
# shellcheck disable=SC2016 # dpkg's own field syntax
dpkg-deb --show --showformat='Package: ${Package}\nVersion: ${Version}\nSection: ${Section}\nMaintainer: ${Maintainer}\nDepends: ${Depends}\nRecommends: ${Recommends}\n' "$deb"
dpkg-deb --contents "$deb" | awk '$6 !~ /\/$/ {print "  " $1 " " $6}'

say "lintian $(basename "$deb")"
lint_status=0
lintian --fail-on error,warning -I "$deb" >"$work/lintian.log" 2>&1 ||
    lint_status=$?
grep -v '^running with root privileges' "$work/lintian.log" | sed 's/^/  /' || true
((lint_status == 0)) || fail "lintian found errors or warnings (exit status $lint_status)"

say "dpkg-deb -x into $root"
dpkg-deb -x "$deb" "$root"
for file in usr/bin/orvanta usr/share/applications/orvanta.desktop \
    usr/share/metainfo/example.brannock.Orvanta.metainfo.xml usr/share/man/man1/orvanta.1.gz \
    usr/share/doc/orvanta/copyright usr/share/doc/orvanta/changelog.Debian.gz \
    usr/share/icons/hicolor/{16x16,24x24,32x32,48x48,64x64,128x128,256x256}/apps/orvanta.png \
    usr/share/icons/hicolor/scalable/apps/orvanta.svg; do
    [[ -s $root/$file ]] || fail "the package lacks /$file"
done
[[ -x $root/usr/bin/orvanta ]] || fail "the packaged /usr/bin/orvanta is not executable"
# Started the way a desktop starts it: the entry's command line, found on PATH.
command_line=$(sed -n 's/^Exec=//p' "$root/usr/share/applications/orvanta.desktop")
read -r -a command_line <<<"${command_line//%[fFuUik]/}"

# An X server on a display it picks itself, and two private buses.
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
wait_for_file "$work/display"
display=":$(tr -d '[:space:]' <"$work/display")"
for bus in system session; do
    dbus-daemon --session --nofork --address="unix:dir=$work" --print-address=3 \
        3>"$work/$bus.address" 2>>"$work/dbus.log" &
    pids+=($!)
    wait_for_file "$work/$bus.address"
done
say "X server $display, private buses started"

mkdir -p "$work/home" "$work/config" "$work/data" "$work/cache" "$work/state" "$work/runtime"
chmod 700 "$work/runtime"
# The unpacked tree comes first on every search path, so the program finds the
# package's files rather than anything installed on this machine.
run_env=(env -i PATH="$root/usr/bin:/usr/bin:/bin" XDG_DATA_DIRS="$root/usr/share:/usr/share"
    LANG=C.UTF-8 DISPLAY="$display"
    HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
    XDG_CACHE_HOME="$work/cache" XDG_STATE_HOME="$work/state" XDG_RUNTIME_DIR="$work/runtime"
    DBUS_SYSTEM_BUS_ADDRESS="$(head -n1 "$work/system.address")"
    DBUS_SESSION_BUS_ADDRESS="$(head -n1 "$work/session.address")")
export DISPLAY=$display

# shellcheck disable=SC2016 # the inner shell expands it
program=$("${run_env[@]}" sh -c 'command -v "$1"' sh "${command_line[0]}") ||
    fail "the desktop entry's command '${command_line[0]}' is not found"
[[ $program == "$root/usr/bin/orvanta" ]] || fail "the desktop entry starts $program"
say "starting ${command_line[*]} ($program)"
start=$(now_ms)
"${run_env[@]}" "${command_line[@]}" >"$work/orvanta.log" 2>&1 &
app_pid=$!

window=
deadline=$((start + 20000))
while [[ -z $window ]]; do
    kill -0 "$app_pid" 2>/dev/null || fail "orvanta ended before its window was mapped"
    (($(now_ms) < deadline)) || fail "no mapped window named '$caption' within 20 s"
    window=$(xdotool search --onlyvisible --name "^${caption//./\\.}\$" 2>/dev/null | head -n1) || true
    [[ -n $window ]] || sleep 0.05
done
echo "window $window mapped $(($(now_ms) - start)) ms after the start"
xwininfo -id "$window" | sed -n 's/^ *\(Absolute upper-left [XY]\|Width\|Height\|Map State\): */  \1: /p'
xprop -id "$window" WM_NAME WM_CLASS WM_PROTOCOLS _KDE_NET_WM_DESKTOP_FILE _GTK_APPLICATION_ID 2>/dev/null |
    grep -v 'not found\|no such atom' | sed 's/^/  /' || true
icons=$(xprop -id "$window" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | tr '\n' ' ')
echo "  window icons: ${icons:-none}"
[[ -n $icons ]] || fail "the window carries no icon"

# Every library the running program mapped (the platform plugin included) must belong
# to a package that the package's declared dependencies pull in; otherwise a clean
# machine would lack it.
mapfile -t depends < <(dpkg-deb --field "$deb" Depends Pre-Depends |
    sed 's/^[A-Za-z-]*://; s/([^)]*)//g; s/[,|]/\n/g' | sed 's/:.*//; s/[[:space:]]//g; /^$/d' |
    sort -u)
closure=$(apt-cache depends --recurse --no-recommends --no-suggests --no-conflicts --no-breaks \
    --no-replaces --no-enhances "${depends[@]}" | grep -v '^ ' | tr -d '<>' | sed 's/:.*//' |
    sort -u)
mapfile -t libraries < <(awk -v root="$root/" '$6 ~ /\.so/ && index($6, root) != 1 {print $6}' \
    "/proc/$app_pid/maps" | sort -u)
# dpkg knows some libraries under /lib only (merged /usr): ask again for those.
owned=$(dpkg -S "${libraries[@]}" 2>/dev/null || true)
unowned=()
for lib in "${libraries[@]}"; do
    grep -q ": $lib\$" <<<"$owned" || unowned+=("${lib#/usr}")
done
if ((${#unowned[@]})); then
    owned+=$'\n'$(dpkg -S "${unowned[@]}" 2>/dev/null || true)
    for lib in "${unowned[@]}"; do
        grep -q ": $lib\$" <<<"$owned" || fail "$lib is loaded but belongs to no package"
    done
fi
mapfile -t owners < <(sed -n 's/^\([^:,]*\)[:,].*/\1/p' <<<"$owned")
mapfile -t owners < <(printf '%s\n' "${owners[@]}" | sort -u)
# libX11 and the X11 platform plugin open libXcursor (which brings libXrender) with
# dlopen when it is there, for cursor themes; without it the program runs the same.
optional=(libxcursor1 libxrender1)
outside=()
extras=()
for pkg in "${owners[@]}"; do
    grep -qx "$pkg" <<<"$closure" && continue
    if printf '%s\n' "${optional[@]}" | grep -qx "$pkg"; then
        extras+=("$pkg")
    else
        outside+=("$pkg")
    fi
done
say "${#libraries[@]} libraries loaded from ${#owners[@]} packages; ${#outside[@]} outside the dependency closure${extras[*]:+, optional ones opened when present: ${extras[*]}}"
((${#outside[@]} == 0)) || fail "loaded from packages that no declared dependency brings: ${outside[*]}"

# Close it as a window manager's close button does: WM_DELETE_WINDOW to the window.
/usr/bin/python3 - "$window" <<'PY'
import ctypes
import sys

x11 = ctypes.cdll.LoadLibrary("libX11.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
x11.XInternAtom.restype = ctypes.c_ulong
x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]


class ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong),
                ("message_type", ctypes.c_ulong), ("format", ctypes.c_int), ("data", ctypes.c_long * 5)]


class XEvent(ctypes.Union):
    _fields_ = [("xclient", ClientMessage), ("pad", ctypes.c_long * 24)]


x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                           ctypes.POINTER(XEvent)]
display = x11.XOpenDisplay(None)
if not display:
    sys.exit("cannot open the display")
window = int(sys.argv[1])
event = XEvent()
event.xclient.type = 33  # ClientMessage
event.xclient.window = window
event.xclient.message_type = x11.XInternAtom(display, b"WM_PROTOCOLS", 0)
event.xclient.format = 32
event.xclient.data[0] = x11.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
event.xclient.data[1] = 0  # CurrentTime
if not x11.XSendEvent(display, window, 0, 0, ctypes.byref(event)):
    sys.exit("XSendEvent failed")
x11.XFlush(display)
x11.XCloseDisplay(display)
PY
closed=$(now_ms)
deadline=$((closed + 10000))
while kill -0 "$app_pid" 2>/dev/null; do
    (($(now_ms) < deadline)) || fail "orvanta still runs 10 s after its window was closed"
    sleep 0.02
done
status=0
wait "$app_pid" || status=$?
app_pid=
say "closed: orvanta ended $(($(now_ms) - closed)) ms after WM_DELETE_WINDOW, exit status $status"
((status == 0)) || fail "exit status $status"
if [[ -s $work/orvanta.log ]]; then sed 's/^/  orvanta: /' "$work/orvanta.log"; fi
