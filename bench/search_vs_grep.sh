#!/bin/bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Whole `skrybon-tool search` runs against grep over the same text, run in
# turn in one loop so that a busy machine slows all of them alike.
#   bench/search_vs_grep.sh [-n RUNS] DATA TSV WORD TOOL [TOOL...]
# DATA is a folder made by `skrybon-tool import` from TSV; WORD is searched
# not case-sensitive by each TOOL (`search --translation bg WORD`) and by
# `grep -F -i -c WORD TSV` in the C.UTF-8 locale (the same letter case rule
# for Polish letters). Prints, in ms, the median and fastest wall-clock time
# of each and its mean processor time (user and system, which a busy machine
# disturbs less than the wall clock). Output goes to a file, not /dev/null:
# GNU grep stops at the first match when it writes to /dev/null, even with -c.
set -euo pipefail
runs=50
if [[ ${1:-} == -n ]]; then runs=$2; shift 2; fi
if (($# < 4)); then
  sed -n '3,12p' "$0" >&2
  exit 2
fi
data=$1 tsv=$2 word=$3
shift 3
tools=("$@")
declare -A times cpu
names=("${tools[@]}" grep)
# Processor time of the finished children so far, in µs, without starting a
# process of its own (which would count too).
timing=$(mktemp)
out=$(mktemp)
trap 'rm -f "$timing" "$out"' EXIT
children_cpu() {
  { times; } >"$timing"
  local lines fields total=0
  mapfile -t lines <"$timing"
  read -ra fields <<<"${lines[1]}"
  for f in "${fields[@]}"; do  # 0m1.234s
    local minutes=${f%%m*} seconds=${f#*m}
    seconds=${seconds%s}
    total=$((total + 10#$minutes * 60000000 + 10#${seconds%.*} * 1000000 + 10#${seconds#*.} * 1000))
  done
  children_cpu_us=$total
}
run() {  # name command...
  local name=$1 start before
  shift
  children_cpu
  before=$children_cpu_us
  start=${EPOCHREALTIME/./}
  "$@" >"$out" || true
  times[$name]+="$((10#${EPOCHREALTIME/./} - 10#$start)) "
  children_cpu
  cpu[$name]=$((${cpu[$name]:-0} + children_cpu_us - before))
}
cd "$data"
for ((i = 0; i < runs; i++)); do
  for tool in "${tools[@]}"; do run "$tool" "$tool" search --translation bg "$word"; done
  LC_ALL=C.UTF-8 run grep grep -F -i -c "$word" "$tsv"
done
for name in "${names[@]}"; do
  printf '%s\n' ${times[$name]} | sort -n | awk -v name="$name" -v runs="$runs" -v cpu="${cpu[$name]}" '
    { t[NR] = $1 }
    END { printf "%-40s wall median %6.2f  fastest %6.2f  cpu mean %6.2f ms (%d runs)\n", name, t[int((NR + 1) / 2)] / 1000, t[1] / 1000, cpu / runs / 1000, runs }'
done
