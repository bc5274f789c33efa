#!/usr/bin/env bash
# The recorded games replayed by the desktop build and by the browser build
# (under node): the same check value and picture hash on every frame and the
# same final state.
#   replays_match.sh NATIVE_REPLAY_HASHES WASM_REPLAY_HASHES_JS RECORDINGS_DIR
set -euo pipefail
native=$1 wasm=$2 dir=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
recordings=("$dir"/*.txt)
[ ${#recordings[@]} -eq 4 ] || { echo "expected 4 recordings in $dir, found ${#recordings[@]}"; exit 1; }
"$native" "${recordings[@]}" > "$work/native"
node --no-experimental-fetch "$wasm" "${recordings[@]}" > "$work/wasm"
frames=$(grep -c '^[0-9]* [0-9a-f]\{8\} [0-9a-f]\{8\}$' "$work/native" || true)
# 600 + 1500 + 3000 frames and a whole game at least.
[ "$frames" -gt 5100 ] || { echo "only $frames frames replayed natively"; exit 1; }
if ! diff -q "$work/native" "$work/wasm" > /dev/null; then
  echo "the browser build played differently; first difference:"
  diff "$work/native" "$work/wasm" | head -5
  exit 1
fi
echo "$frames frames of ${#recordings[@]} recorded games: same pictures and final states"
