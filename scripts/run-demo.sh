#!/usr/bin/env bash
# Installs what is missing, builds the program and its data tool, builds the
# demo data folder and starts the program in it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DSKRYBON_TESTS=OFF >/dev/null
cmake --build build -j2
build/tools/skrybon-tool demo --out demo-data
cd demo-data && exec ../build/src/app/skrybon
