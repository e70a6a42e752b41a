#!/bin/sh
# What wine's menu builder would write into the user's home (desktop entries, icons, file
# types, menus), listed before the wine tests and compared after:  home-check.sh record|compare FILE
set -eu
data=${XDG_DATA_HOME:-$HOME/.local/share} config=${XDG_CONFIG_HOME:-$HOME/.config}
for dir in "$data/applications" "$data/icons" "$data/mime" "$data/desktop-directories" \
    "$config/menus"; do
    [ -d "$dir" ] && find "$dir" -printf '%y %p %s %T@\n' | sort || echo "absent $dir"
done >"$2.now"
[ "$1" = record ] && exec mv "$2.now" "$2"
diff -u "$2" "$2.now" || { echo "home-check: the wine tests changed the home folder" >&2; exit 1; }
rm -f "$2.now"
