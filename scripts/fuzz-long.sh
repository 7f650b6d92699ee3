#!/usr/bin/env bash
# Runs every libFuzzer target of a `make fuzz` build in turn, each for the
# given number of seconds, starting from its corpus fuzz/corpus/<name>/, and
# merges the inputs that reached new code back into that corpus.
#
# Usage: scripts/fuzz-long.sh FUZZ-BUILD-DIR SECONDS-PER-TARGET [TARGET-NAME...]
#
# Memory: an input of at most MAX_LEN bytes may make the package hold at
# most 64 bytes per input byte plus 64 MB; a larger single allocation is a
# finding (-malloc_limit_mb). The process as a whole (the sanitizers'
# shadow memory and quarantine and the fuzzer's own corpus included) may
# take RSS_EXTRA_MB more (-rss_limit_mb). Findings are written to
# FUZZ-BUILD-DIR/findings/<name>-crash-... (minimize them with
# -minimize_crash=1 and keep them in the corpus once fixed).
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:?usage: $0 FUZZ-BUILD-DIR SECONDS-PER-TARGET [TARGET-NAME...]}
seconds=${2:?usage: $0 FUZZ-BUILD-DIR SECONDS-PER-TARGET [TARGET-NAME...]}
shift 2
max_len=${MAX_LEN:-131072}
rss_extra_mb=${RSS_EXTRA_MB:-512}
limit_mb=$(( (64 * max_len + (1 << 20) - 1) / (1 << 20) + 64 ))

if [ $# -gt 0 ]; then
  names=("$@")
else
  names=()
  for exe in "$build"/fuzz_*; do
    [ -x "$exe" ] && names+=("$(basename "$exe" | sed 's/^fuzz_//')")
  done
fi
[ ${#names[@]} -gt 0 ] || { echo "no fuzz targets in $build (run make fuzz first)" >&2; exit 1; }

mkdir -p "$build/findings"
export ASAN_OPTIONS=${ASAN_OPTIONS:-quarantine_size_mb=64:malloc_context_size=10}
status=0
for name in "${names[@]}"; do
  exe=$build/fuzz_$name
  corpus=fuzz/corpus/$name
  [ -x "$exe" ] || { echo "$exe: missing" >&2; status=1; continue; }
  mkdir -p "$corpus"
  found=$(mktemp -d "${TMPDIR:-/tmp}/zyl-fuzz-long-$name.XXXXXX")
  echo "== $name: ${seconds}s, inputs up to $max_len bytes, $limit_mb MB per allocation"
  # New inputs go to the first directory; the corpus is only read.
  if ! "$exe" -max_total_time="$seconds" -max_len="$max_len" -timeout=10 \
      -malloc_limit_mb="$limit_mb" -rss_limit_mb=$((limit_mb + rss_extra_mb)) \
      -artifact_prefix="$build/findings/$name-" -print_final_stats=1 "$found" "$corpus" \
      2> "$build/findings/$name.log"; then
    echo "$name: finding, see $build/findings/$name.log" >&2
    status=1
  fi
  grep -E '^stat::number_of_executed_units|^stat::average_exec_per_sec' "$build/findings/$name.log" || true
  # Of what was found, only inputs that add coverage join the corpus.
  "$exe" -merge=1 -max_len="$max_len" -timeout=10 "$corpus" "$found" 2>> "$build/findings/$name.log" || status=1
  rm -rf "$found"
  echo "$name: $(find "$corpus" -type f | wc -l) inputs in $corpus"
done
exit $status
