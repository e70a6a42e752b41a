#!/bin/bash
# Runs the peer inside a mount namespace of its own (start it as
#   unshare --mount --propagation private /bin/bash peer-sandbox.sh RECORDERS STAMP ARGS...)
# where every power command is a recorder: shutdown, poweroff, reboot, halt, systemctl and
# loginctl are bind-mounted over with RECORDERS/poweroff (a script that only logs), and
# RECORDERS is first on PATH. Refuses to start unless the D-Bus buses are private ones.
# STAMP receives the moment of the exec, the start of the peer's own process.
set -eu
recorders=$1
stamp=$2
shift 2

recorder="$recorders/poweroff"
[ -x "$recorder" ] || { echo "no recorder at $recorder" >&2; exit 97; }
grep -q 'printf' "$recorder" || { echo "$recorder is not a recorder" >&2; exit 97; }

# The mounts must stay in this namespace.
[ "$(readlink /proc/self/ns/mnt)" != "$(readlink /proc/1/ns/mnt)" ] ||
    { echo "not in a mount namespace of our own" >&2; exit 97; }

for path in /usr/sbin/shutdown /usr/sbin/poweroff /usr/sbin/reboot /usr/sbin/halt \
    /usr/bin/systemctl /usr/bin/loginctl /sbin/shutdown /sbin/poweroff /sbin/reboot \
    /sbin/halt /bin/systemctl /bin/loginctl /usr/bin/shutdown /usr/bin/poweroff \
    /usr/bin/reboot /usr/bin/halt; do
    [ -e "$path" ] || continue
    mount --bind "$recorder" "$path"
    cmp -s "$path" "$recorder" || { echo "$path is still the real command" >&2; exit 97; }
done

case "${DBUS_SYSTEM_BUS_ADDRESS:-}" in
    unix:path=/tmp/*|unix:dir=/tmp/*) ;;
    *) echo "refusing: system bus ${DBUS_SYSTEM_BUS_ADDRESS:-unset} is not private" >&2; exit 97 ;;
esac
case "${DBUS_SESSION_BUS_ADDRESS:-}" in
    unix:path=/tmp/*|unix:dir=/tmp/*) ;;
    *) echo "refusing: session bus ${DBUS_SESSION_BUS_ADDRESS:-unset} is not private" >&2; exit 97 ;;
esac
case "$PATH" in
    "$recorders":*) ;;
    *) echo "refusing: $recorders is not first on PATH" >&2; exit 97 ;;
esac
if [ -n "${XDG_CURRENT_DESKTOP:-}${DESKTOP_SESSION:-}${XDG_SESSION_DESKTOP:-}" ]; then
    echo "refusing: a desktop is named in the environment" >&2
    exit 97
fi

printf '%s\n' "$EPOCHREALTIME" >"$stamp"
exec kshutdown "$@"
