#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Builds the libFuzzer targets (clang, AddressSanitizer, UndefinedBehaviorSanitizer)
# and runs each of them for the given number of seconds (default 60), starting
# from seeds written by the program's own writers. Inputs that crash are kept
# in build-fuzz/fuzz/artifacts/. Exit code 1 when any target found a fault.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
targets=(fuzz_verse_index fuzz_book_file fuzz_aliases fuzz_parse_reference fuzz_profile)
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
  -DSKRYBON_SANITIZE=ON -DSKRYBON_FUZZ=ON -DSKRYBON_GUI=OFF -DSKRYBON_TESTS=OFF >/dev/null
cmake --build build-fuzz -j2 --target skrybon_fuzz_seeds "${targets[@]}"
out=build-fuzz/fuzz
"$out/skrybon_fuzz_seeds" "$out/seeds"
mkdir -p "$out/artifacts"
failed=()
for target in "${targets[@]}"; do
  mkdir -p "$out/corpus/$target"
  echo "== $target: ${seconds}s"
  if ! "$out/$target" -max_total_time="$seconds" -max_len=4096 -artifact_prefix="$out/artifacts/$target-" \
      "$out/corpus/$target" "$out/seeds/$target" 2>"$out/$target.log"; then
    failed+=("$target")
    tail -n 30 "$out/$target.log"
  else
    tail -n 1 "$out/$target.log"
  fi
done
if ((${#failed[@]})); then
  echo "faults found by: ${failed[*]} (inputs in $out/artifacts)"
  exit 1
fi
echo "all fuzz targets ran clean"
