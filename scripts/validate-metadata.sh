#!/usr/bin/env bash
# Checks the desktop entry and the AppStream metainfo with the freedesktop validators.
# With a configured build directory as argument it also installs into a scratch tree
# and checks that the entry, the metainfo and the icon fit together there.
#   scripts/validate-metadata.sh [BUILD_DIR]
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-}

missing=()
command -v desktop-file-validate >/dev/null || missing+=(desktop-file-utils)
command -v appstreamcli >/dev/null || missing+=(appstream)
if ((${#missing[@]})); then
    echo "validate-metadata: installing ${missing[*]}"
    as_root=()
    ((EUID == 0)) || as_root=(sudo)
    "${as_root[@]}" apt-get update -qq
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

desktop=$root/resources/linux/orvanta.desktop
metainfo=$root/resources/linux/example.brannock.Orvanta.metainfo.xml

echo "== desktop-file-validate $(basename "$desktop")"
desktop-file-validate "$desktop"
echo "ok"

echo "== appstreamcli validate --no-net $(basename "$metainfo")"
appstreamcli validate --no-net "$metainfo"

if [[ -n $build ]]; then
    tree=$(mktemp -d)
    trap 'rm -rf "$tree"' EXIT
    echo "== installed tree ($build, prefix /usr)"
    DESTDIR=$tree cmake --install "$build" --prefix /usr >/dev/null
    (cd "$tree" && find . -type f | sort)
    appstreamcli validate-tree --no-net "$tree"
fi
