#!/usr/bin/env bash
# Builds the Windows program from Linux with the static MinGW Qt kit: one self-contained
# orvanta.exe, the installer (NSIS) and a portable .zip, plus the unit tests for wine.
#   scripts/build-windows.sh [BUILD_DIR]        (default: build-win)
# The kit is ../shared/qt6-mingw-6.4.2.tar.xz beside the checkout, or ORVANTA_QT_KIT_ARCHIVE;
# ../shared/tools/build-qt-mingw.sh makes one. It is unpacked into BUILD_DIR once, after its
# checksum was compared with the .sha256 file beside it.
# Packages: g++-mingw-w64-x86-64, nsis, zip, qt6-base-dev-tools, qt6-translations-l10n.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-win}
archive=${ORVANTA_QT_KIT_ARCHIVE:-../shared/qt6-mingw-6.4.2.tar.xz}
M=x86_64-w64-mingw32

for tool in $M-g++-posix $M-objdump $M-strip makensis zip cmake ninja; do
    command -v "$tool" >/dev/null ||
        { echo "build-windows: $tool is missing (scripts/deps.sh test installs it)" >&2; exit 1; }
done
[ -f "$archive" ] || { echo "build-windows: no Qt kit at $archive" >&2; exit 1; }

mkdir -p "$build"
kit=$PWD/$build/qt6-mingw
sum=$(cut -d' ' -f1 "$archive.sha256")
# The mark names the archive's checksum: another kit is unpacked afresh.
if [ "$(cat "$kit/.orvanta-kit" 2>/dev/null)" != "$sum" ]; then
    echo "build-windows: checking and unpacking $archive"
    echo "$sum  $archive" | sha256sum --check --quiet ||
        { echo "build-windows: $archive does not match its .sha256" >&2; exit 1; }
    rm -rf "$kit"
    tar -xJf "$archive" -C "$build"
    [ -f "$kit/lib/cmake/Qt6/Qt6Config.cmake" ] ||
        { echo "build-windows: $archive did not unpack to qt6-mingw/" >&2; exit 1; }
    echo "$sum" >"$kit/.orvanta-kit"
fi

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64.cmake" \
    -DCMAKE_PREFIX_PATH="$kit" -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_BUILD_TYPE=MinSizeRel -DORVANTA_WERROR=ON -DORVANTA_BUILD_TESTS=ON "${launcher[@]}" >/dev/null
cmake --build "$build" -j "$(nproc)"

exe=$build/src/orvanta.exe
# Only the system's own DLLs: no compiler runtime or Qt library has to travel with it.
foreign=$($M-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p' |
    grep -iE '^(libstdc|libgcc|libwinpthread|qt6)' || true)
[ -z "$foreign" ] || { echo "build-windows: orvanta.exe needs $foreign" >&2; exit 1; }

cmake --build "$build" --target windows_packages
ls -l "$exe" "$build"/packages/*.exe "$build"/packages/*.zip
