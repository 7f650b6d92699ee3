#!/usr/bin/env bash
# zyl table --sort 2 beside GNU sort -t, -k2,2 -f on a generated CSV of
# 200,000 rows (about 14 MB; read from the page cache, output to a file):
# the best of three wall-clock and CPU (user + system) times of each whole
# process, their ratio, and a check that both put the keys in the same order
# (the comb sort is not stable, so rows with equal keys may differ).
#
# Usage: bench/table_tool.sh [ZYL_BINARY] [WORK_DIR]
#   defaults: build/bench/tools/zyl/zyl and a directory under /tmp
set -euo pipefail

zyl=${1:-build/bench/tools/zyl/zyl}
dir=${2:-${TMPDIR:-/tmp}/zyl-table-bench}
mkdir -p "$dir"
csv=$dir/table.csv

if [[ ! -s $csv ]]; then
  python3 - "$csv" <<'PY'
import random, sys
rng = random.Random(30)
syll = ["ka", "Lo", "mi", "NE", "ra", "tu", "So", "vi", "de", "ba", "pe", "Go"]
def word(lo, hi):
    return "".join(rng.choice(syll) for _ in range(rng.randint(lo, hi)))
with open(sys.argv[1], "w", newline="\n") as f:
    for i in range(200_000):
        f.write("%d,%s,%s %s,%d.%02d,%s,%s\n" % (i, word(2, 6), word(1, 4), word(1, 5), rng.randint(0, 99999),
                                              rng.randint(0, 99), word(3, 8), word(6, 14)))
PY
fi
cat "$csv" > /dev/null  # into the page cache

measure() {  # label, output file, command...: sets wall and cpu, the best seconds of three runs
  local label=$1 out=$2; shift 2
  wall=1e9 cpu=1e9
  for _ in 1 2 3; do
    local t
    t=$( { /usr/bin/time -f "%e %U %S" "$@" > "$out"; } 2>&1 | tail -1)
    wall=$(echo "$t $wall" | awk '{ print ($1 < $4 ? $1 : $4) }')
    cpu=$(echo "$t $cpu" | awk '{ c = $2 + $3; print (c < $4 ? c : $4) }')
  done
  printf "%-28s wall %6.3f s   cpu %6.3f s\n" "$label" "$wall" "$cpu"
}

printf "%s: %s bytes, %s rows\n" "$csv" "$(wc -c < "$csv")" "$(wc -l < "$csv")"
measure "zyl table --sort 2" "$dir/zyl.out" "$zyl" table --sort 2 "$csv"
zyl_wall=$wall zyl_cpu=$cpu
LC_ALL=C measure "sort -t, -k2,2 -f" "$dir/sort.out" sort -t, -k2,2 -f "$csv"
echo "$zyl_wall $zyl_cpu $wall $cpu" |
  awk '{ printf "ratio zyl / sort: wall %.2fx   cpu %.2fx   (goal 1.5x)\n", $1 / $3, $2 / $4 }'
same=identical
cmp -s <(cut -d, -f2 "$dir/zyl.out" | tr A-Z a-z) <(cut -d, -f2 "$dir/sort.out" | tr A-Z a-z) || same=DIFFERENT
echo "order of keys: $same"
