#!/usr/bin/env bash
# The recorded games written as recording files by the desktop build and by
# the browser build (under node): the same bytes; each build's files verified
# by the other build's --verify, to the final score, level and frames that
# the recordings hold.
#   recordings_verify.sh NATIVE_REC_FROM_TEXT NATIVE_GOBBLER WASM_REC_FROM_TEXT_JS WASM_GOBBLER_JS RECORDINGS_DIR DATA_DIR
set -euo pipefail
native_writer=$1 native_gobbler=$2 wasm_writer=$3 wasm_gobbler=$4 dir=$5 data=$6
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/native" "$work/wasm"
run_node() { node --no-experimental-fetch "$@"; }
final() { awk -v name="$2" '$1 == "final" { f = 1 } f && $1 == name { print $2 }' "$1"; }
commas() { sed ':a;s/\B[0-9]\{3\}\>/,&/;ta' <<<"$1"; }
expected=""
for text in "$dir"/*.txt; do
  name=$(basename "$text" .txt).rec
  "$native_writer" "$text" "$work/native/$name"
  run_node "$wasm_writer" "$text" "$work/wasm/$name"
  cmp "$work/native/$name" "$work/wasm/$name" || { echo "$name: the two builds write different files"; exit 1; }
  expected+="$name: $(commas "$(final "$text" score)") points, level $(($(final "$text" level) + 1)),"
  expected+=" $(commas "$(final "$text" frames)") frames: verified"$'\n'
done
[ "$(grep -c verified <<<"$expected")" = 4 ] || { echo "expected 4 recordings in $dir"; exit 1; }
(cd "$work/wasm" && "$native_gobbler" --data "$data" --verify *.rec) >"$work/native.out"
(cd "$work/native" && run_node "$wasm_gobbler" --data "$data" --verify *.rec) >"$work/wasm.out"
for build in native wasm; do
  if [ "$(cat "$work/$build.out")"$'\n' != "$expected" ]; then
    echo "the $build build's --verify printed:"; cat "$work/$build.out"; echo "instead of:"; printf %s "$expected"
    exit 1
  fi
done
echo "4 recorded games written alike by both builds and verified by the other build"
