#!/usr/bin/env bash
# zyl grep beside GNU grep on a generated text of about 125 MB (2 million
# lines of words and numbers, read from the page cache, output to a file):
# the best of three wall-clock times of each, their ratio, and a check that
# both printed the same bytes.
#
# Usage: bench/grep_tool.sh [ZYL_BINARY] [WORK_DIR]
#   defaults: build/bench/tools/zyl/zyl and a directory under /tmp
set -euo pipefail

zyl=${1:-build/bench/tools/zyl/zyl}
dir=${2:-${TMPDIR:-/tmp}/zyl-grep-bench}
mkdir -p "$dir"
text=$dir/text.txt

if [[ ! -s $text ]]; then
  python3 - "$text" <<'PY'
import random, sys
rng = random.Random(20)
syll = ["ka", "lo", "mi", "ne", "ra", "tu", "so", "vi", "de", "ba", "pe", "go"]
with open(sys.argv[1], "w", newline="\n") as f:
    for _ in range(2_000_000):
        words = []
        for _ in range(rng.randint(5, 11)):
            k = rng.random()
            if k < 0.35:
                words.append("word%d" % rng.randint(0, 99999))
            elif k < 0.45:
                words.append("Word%d" % rng.randint(0, 99999))
            else:
                words.append("".join(rng.choice(syll) for _ in range(rng.randint(1, 4))))
        f.write(" ".join(words) + "\n")
PY
fi
cat "$text" > /dev/null  # into the page cache

best_time() {  # best of three runs of "$@" > $out, in seconds
  local best=
  for _ in 1 2 3; do
    local t0 t1
    t0=$(date +%s.%N)
    "$@" > "$out" || [[ $? -eq 1 ]]
    t1=$(date +%s.%N)
    best=$(echo "$t0 $t1 ${best:-1e9}" | awk '{ d = $2 - $1; print (d < $3 ? d : $3) }')
  done
  echo "$best"
}

printf "%-30s %10s %10s %7s  %s\n" "pattern" "zyl s" "grep s" "ratio" "output"
run() {  # label, zyl arguments..., --, grep arguments...
  local label=$1; shift
  local za=() ga=()
  while [[ $1 != -- ]]; do za+=("$1"); shift; done
  shift
  ga=("$@")
  out=$dir/zyl.out; local tz; tz=$(best_time "$zyl" grep "${za[@]}" "$text")
  out=$dir/grep.out; local tg; tg=$(LC_ALL=C best_time grep "${ga[@]}" "$text")
  local same=identical
  cmp -s "$dir/zyl.out" "$dir/grep.out" || same=DIFFERENT
  printf "%-30s %10.3f %10.3f %6.2fx  %s (%s lines)\n" "$label" "$tz" "$tg" "$(echo "$tz $tg" | awk '{ print $1 / $2 }')" \
    "$same" "$(wc -l < "$dir/grep.out")"
}

run "word1999"                word1999 -- word1999
run "-n word1999"             -n word1999 -- -n word1999
run "word1999[0-9]+ "         'word1999[0-9]+ ' -- -E 'word1999[0-9]+ '
run "-i WORD1999[0-9]+ "      -i 'WORD1999[0-9]+ ' -- -i -E 'WORD1999[0-9]+ '
run "[wW]ord1999[0-9]"        '[wW]ord1999[0-9]' -- -E '[wW]ord1999[0-9]'
run "[0-9]+ kalo"             '[0-9]+ kalo' -- -E '[0-9]+ kalo'
run "[0-9]+[yz] (no literal)"  '[0-9]+[yz]' -- -E '[0-9]+[yz]'
