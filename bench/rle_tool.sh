#!/usr/bin/env bash
# zyl rle on 200 MB of random bytes (from the page cache, output to a file):
# whole-process throughput, best of three, beside cat copying the same file
# (the floor set by reading and writing) in the same run. Prints wall-clock
# and CPU (user + system) figures, as a busy machine stretches the former.
#
# Usage: bench/rle_tool.sh [ZYL_BINARY] [WORK_DIR]
#   defaults: build/bench/tools/zyl/zyl and a directory under /tmp
set -euo pipefail

zyl=${1:-build/bench/tools/zyl/zyl}
dir=${2:-${TMPDIR:-/tmp}/zyl-rle-bench}
mkdir -p "$dir"
data=$dir/random.bin
mb=200
[[ -s $data ]] || head -c $((mb * 1000000)) /dev/urandom > "$data"
cat "$data" > /dev/null

measure() {  # label, input file, command...: best wall and CPU seconds of three runs
  local label=$1 input=$2; shift 2
  local best_wall=1e9 best_cpu=1e9
  for _ in 1 2 3; do
    local t
    t=$( { /usr/bin/time -f "%e %U %S" "$@" < "$input" > "$dir/out.bin"; } 2>&1 | tail -1)
    best_wall=$(echo "$t $best_wall" | awk '{ print ($1 < $4 ? $1 : $4) }')
    best_cpu=$(echo "$t $best_cpu" | awk '{ c = $2 + $3; print (c < $4 ? c : $4) }')
  done
  printf "%-14s wall %6.3f s %8.0f MB/s   cpu %6.3f s %8.0f MB/s\n" "$label" "$best_wall" \
    "$(echo "$mb $best_wall" | awk '{ print $1 / ($2 > 0 ? $2 : 0.001) }')" "$best_cpu" \
    "$(echo "$mb $best_cpu" | awk '{ print $1 / ($2 > 0 ? $2 : 0.001) }')"
}

measure "zyl rle" "$data" "$zyl" rle
cp "$dir/out.bin" "$dir/encoded.bin"
measure "zyl rle -d" "$dir/encoded.bin" "$zyl" rle -d
cmp -s "$dir/out.bin" "$data" && echo "round trip: identical" || echo "round trip: DIFFERENT"
measure "cat" "$data" cat
