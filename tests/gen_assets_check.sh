#!/usr/bin/env bash
# gen_assets_check.sh <gen_assets binary> <data directory>: the generator draws
# the same files on every run, and the pictures and sounds of the data
# directory (where the game also keeps its high score) are exactly those.
set -u
[ $# -eq 2 ] || { echo "usage: $0 <gen_assets binary> <data directory>" >&2; exit 2; }
work=$(mktemp -d "${TMPDIR:-/tmp}/gen_assets_check.XXXXXX") || exit 1
trap 'rm -rf "$work"' EXIT
for run in first second; do
  "$1" "$work/$run" || { echo "FAIL: the $run run of the generator failed" >&2; exit 1; }
done
mkdir "$work/data" && cp "$2"/*.bmp "$2"/*.wav "$work/data"/ || { echo "FAIL: nothing to compare in $2" >&2; exit 1; }
n=$(ls "$work/first" | wc -l)
[ "$n" -gt 30 ] || { echo "FAIL: the generator wrote only $n files" >&2; exit 1; }
diff -r "$work/first" "$work/second" >&2 || { echo "FAIL: two runs of the generator differ" >&2; exit 1; }
diff -r "$work/first" "$work/data" >&2 || { echo "FAIL: $2 is not what the generator draws" >&2; exit 1; }
echo "gen_assets_check: $n files, deterministic and matching $2"
