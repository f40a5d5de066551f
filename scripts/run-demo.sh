#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Installs what is missing, builds the program and its data tool, builds the
# demo data folder and starts the program in it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
# The same compiler as the test build, so what the tests compile is what runs here.
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_COMPILER=clang++ \
  -DSKRYBON_TESTS=OFF >/dev/null
cmake --build build-release -j2
build-release/tools/skrybon-tool demo --out demo-data
cd demo-data && exec ../build-release/src/app/skrybon
