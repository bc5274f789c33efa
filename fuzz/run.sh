#!/usr/bin/env bash
# Runs each fuzz target in turn for the given seconds, seeded from data/ and
# tests/corpus/. What they find to keep goes to <build>/corpus-<kind>, a
# failing input to <build>/crash-*; the run fails on the first fault.
set -euo pipefail
build=$(cd "$1" && pwd)
seconds=$2
root=$(cd "$(dirname "$0")/.." && pwd)
for kind in bmp wav rec; do
  corpus=$build/corpus-$kind
  seeds=$build/seeds-$kind
  mkdir -p "$corpus" "$seeds"
  cp "$root"/tests/corpus/"$kind"/*."$kind" "$seeds"/
  if compgen -G "$root/data/*.$kind" >/dev/null; then cp "$root"/data/*."$kind" "$seeds"/; fi
  log=$build/fuzz-$kind.log
  echo "fuzz_$kind: $seconds s (log: $log)"
  if ! "$build/fuzz_$kind" -max_total_time="$seconds" -timeout=60 -rss_limit_mb=2560 -print_final_stats=1 \
      -artifact_prefix="$build/" "$corpus" "$seeds" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "fuzz_$kind: FAILED (the input is saved as $build/crash-* or similar)"
    exit 1
  fi
  grep -E '^(Done|stat::number_of_executed_units|stat::peak_rss_mb)' "$log" | sed "s/^/fuzz_$kind: /"
done
