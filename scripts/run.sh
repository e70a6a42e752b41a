#!/usr/bin/env bash
# Installs what is missing, builds Orvanta and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh build
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORVANTA_BUILD_TESTS=OFF
cmake --build build
exec build/src/orvanta
