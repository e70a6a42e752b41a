#!/bin/sh
# Fails when a layer includes a layer above it: core < gui < platform < app.
src=${1:?source folder}
status=0
check() { # folder, the folders it must not include
    hits=$(grep -rnE "#include *[\"<]($2)/" "$src/$1" 2>/dev/null)
    [ -z "$hits" ] && return
    echo "$1/ includes $2/:"; echo "$hits"; status=1
}
check core 'gui|platform|app'
check gui 'platform|app'
check platform 'app'
exit $status
