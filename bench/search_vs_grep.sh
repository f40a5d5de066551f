#!/bin/bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Wall-clock time of whole `skrybon-tool search` runs against grep over the
# same text, run in turn in one loop so that a busy machine slows both alike.
#   bench/search_vs_grep.sh [-n RUNS] DATA TSV WORD TOOL [TOOL...]
# DATA is a folder made by `skrybon-tool import` from TSV; WORD is searched
# not case-sensitive by each TOOL (`search --translation bg WORD`) and by
# `grep -F -i -c WORD TSV` in the C.UTF-8 locale (the same letter case rule
# for Polish letters). Prints the median, mean and fastest run of each, in ms.
set -euo pipefail
runs=50
if [[ ${1:-} == -n ]]; then runs=$2; shift 2; fi
if (($# < 4)); then
  sed -n '2,8p' "$0" >&2
  exit 2
fi
data=$1 tsv=$2 word=$3
shift 3
tools=("$@")
declare -A times
names=("${tools[@]}" grep)
microseconds() { local t=${EPOCHREALTIME/./}; echo $((10#$t)); }
cd "$data"
for ((i = 0; i < runs; i++)); do
  for tool in "${tools[@]}"; do
    start=$(microseconds)
    "$tool" search --translation bg "$word" >/dev/null
    times[$tool]+="$(($(microseconds) - start)) "
  done
  start=$(microseconds)
  LC_ALL=C.UTF-8 grep -F -i -c "$word" "$tsv" >/dev/null || true
  times[grep]+="$(($(microseconds) - start)) "
done
for name in "${names[@]}"; do
  printf '%s\n' ${times[$name]} | sort -n | awk -v name="$name" -v runs="$runs" '
    { t[NR] = $1; sum += $1 }
    END { printf "%-50s median %6.2f  mean %6.2f  fastest %6.2f ms (%d runs)\n", name, t[int((NR + 1) / 2)] / 1000, sum / NR / 1000, t[1] / 1000, runs }'
done
