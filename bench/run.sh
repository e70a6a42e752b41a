#!/usr/bin/env bash
# The benchmark in one command: builds Orvanta in Release into build-bench/, installs the
# peer (Debian's kshutdown) if it is missing, and measures both on a private desktop
# (bench/bench.py). Writes bench/RESULTS.md; takes about 28 minutes. Not part of CI.
# Arguments are passed to bench.py (--quick for a short trial run of about 6 minutes, written
# to build-bench/RESULTS-quick.md, never to bench/RESULTS.md; --only firing for the firing
# lanes alone, about 8 minutes, replacing only the firing rows of bench/RESULTS.md;
# --only waits for the cost of waiting besides the clock, about 4 minutes, printed: its
# table goes into the section of bench/RESULTS.md that names it).
set -euo pipefail
cd "$(dirname "$0")/.."

cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVANTA_BUILD_TESTS=OFF \
    -DORVANTA_WERROR=ON >/dev/null
cmake --build build-bench --target orvanta

# Only here: the peer is installed for the benchmark and for nothing else.
if ! dpkg-query -W -f '${Status}' kshutdown 2>/dev/null | grep -q 'install ok installed'; then
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends kshutdown
fi
for tool in Xvfb trayer dbus-daemon unshare strip; do
    command -v "$tool" >/dev/null || { echo "bench: $tool is missing" >&2; exit 1; }
done
/usr/bin/python3 -c 'import Xlib, dbusmock' ||
    { echo "bench: python3-xlib or python3-dbusmock is missing" >&2; exit 1; }

if [ "$*" = "--only waits" ]; then
    exec /usr/bin/python3 bench/waits.py build-bench/src/orvanta
fi
exec /usr/bin/python3 bench/bench.py build-bench/src/orvanta --command "bench/run.sh $*" "$@"
