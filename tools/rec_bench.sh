#!/usr/bin/env bash
# Recorded games, measured: games played headless by record_game's seeded
# hands until they add up to 36,000 frames or more (ten minutes of play),
# written as recording files by the game's own recorder; their size per ten
# minutes (goal: at most 16 KB), and the time of one `gobbler --verify` of
# them all, native (goal: at most 2 s for 36,000 frames) and, with the
# browser build's program under node, against the native (goal: at most 1.5x).
#   rec_bench.sh BUILD [WEB_BUILD]
set -euo pipefail
build=$(cd "$1" && pwd) web=${2:+$(cd "$2" && pwd)}
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
frames=0 seed=1
while [ "$frames" -lt 36000 ]; do
  "$build/tests/record_game" "$seed" 100000 "$work/$seed.txt" 2>/dev/null
  "$build/tests/rec_from_text" "$work/$seed.txt" "$work/$seed.rec"
  frames=$((frames + $(awk '$1 == "frames" { print $2 }' "$work/$seed.txt")))
  seed=$((seed + 1))
done
bytes=$(cat "$work"/*.rec | wc -c)
games=$((seed - 1))
echo "recordings: $games games, $frames frames, $bytes bytes in all"
awk -v b="$bytes" -v g="$games" -v f="$frames" 'BEGIN {
  printf "size of 36,000 frames of play: %.1f KB (the key runs scaled, one 76-byte header; %d bytes a game on average; goal at most 16 KB)\n",
    ((b - 76 * g) * 36000 / f + 76) / 1024, b / g }'
best() {  # the best of three runs of "$@", in seconds
  local t best=""
  for _ in 1 2 3; do
    local start=${EPOCHREALTIME/./}
    "$@" >/dev/null
    t=$(( ${EPOCHREALTIME/./} - start ))
    [ -z "$best" ] || [ "$t" -lt "$best" ] && best=$t
  done
  awk -v us="$best" 'BEGIN { printf "%.3f", us / 1e6 }'
}
cd "$work"
native=$(best "$build/gobbler" --data "$root/data" --verify ./*.rec)
awk -v t="$native" -v f="$frames" 'BEGIN { printf "--verify native: %.3f s for %d frames, %.2f s per 36,000 frames (goal at most 2 s)\n", t, f, t * 36000 / f }'
if [ -n "$web" ]; then
  wasm=$(best node --no-experimental-fetch "$web/gobbler_node.js" --data "$root/data" --verify ./*.rec)
  awk -v t="$wasm" -v n="$native" -v f="$frames" 'BEGIN {
    printf "--verify WebAssembly under node: %.3f s for %d frames, %.2f s per 36,000 frames: %.2fx the native (goal at most 1.5x)\n",
      t, f, t * 36000 / f, t / n }'
fi
