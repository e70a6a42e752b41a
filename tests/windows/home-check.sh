#!/bin/sh
# What the wine tests could leave in the user's home: the desktop entries, menus, icons and
# file types that wine's menu builder writes for every shortcut and file type. Listed before
# the tests and compared afterwards (a ctest fixture):  home-check.sh record|compare FILE
set -eu
data=${XDG_DATA_HOME:-$HOME/.local/share}
config=${XDG_CONFIG_HOME:-$HOME/.config}
list() {
    for dir in "$data/applications" "$data/icons" "$data/mime" "$data/desktop-directories" \
        "$config/menus"; do
        if [ -d "$dir" ]; then
            find "$dir" -printf '%y %p %s %T@\n' | sort
        else
            echo "absent $dir"
        fi
    done
}
case $1 in
record) list >"$2" ;;
compare)
    list | diff -u "$2" - || { echo "home-check: the wine tests changed the home folder" >&2; exit 1; }
    echo "home-check: the home folder is as it was"
    ;;
*) echo "usage: home-check.sh record|compare FILE" >&2; exit 2 ;;
esac
