#!/usr/bin/env bash
# How much of the processor the running game takes on its title screen,
# beside a game in play, under a private X server. The title parade draws
# fourteen rows of sprites over a full-screen picture every frame; it should
# cost about what a game frame costs, not more.
#
#   tools/title_cpu.sh [build-dir] [rounds]     (defaults: build, 3)
#
# Each round starts the game (data/ copied to a temporary working directory),
# reads its processor time (utime + stime) over 10 seconds of the title
# screen, starts a game with a key and, once the start jingle is over, over
# 10 seconds of play. A round in which a life is lost is played again: the
# 2-second pause would lower the game's figure. Prints every round and the
# medians. Exits with 2 when something needed is missing.
set -euo pipefail

ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=$(cd "${1:-$ROOT/build}" && pwd)
ROUNDS=${2:-3}
GAME=$BUILD/gobbler
SECONDS_MEASURED=10

for tool in Xvfb xdotool import python3 getconf; do
  command -v "$tool" >/dev/null || { echo "title_cpu: $tool is missing (make setup installs it)" >&2; exit 2; }
done
[ -x "$GAME" ] || { echo "title_cpu: $GAME is missing: build the gobbler target" >&2; exit 2; }

WORK=$(mktemp -d)
XVFB_PID=""
APP_PID=""
end_process() {
  kill "$1" 2>/dev/null || return 0
  for _ in $(seq 30); do
    kill -0 "$1" 2>/dev/null || break
    sleep 0.1
  done
  kill -9 "$1" 2>/dev/null || true
  wait "$1" 2>/dev/null || true
}
cleanup() {
  [ -z "$APP_PID" ] || end_process "$APP_PID"
  [ -z "$XVFB_PID" ] || end_process "$XVFB_PID"
  rm -rf "$WORK"
}
trap cleanup EXIT

mkdir "$WORK/run"
cp -r "$ROOT/data/." "$WORK/run/"
rm -f "$WORK/run/gobbler.hi"

Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp -noreset 3>"$WORK/display" 2>"$WORK/xvfb.log" &
XVFB_PID=$!
for _ in $(seq 100); do
  [ -s "$WORK/display" ] && break
  sleep 0.1
done
[ -s "$WORK/display" ] || { echo "title_cpu: Xvfb did not start" >&2; cat "$WORK/xvfb.log" >&2; exit 2; }
export DISPLAY=":$(head -n 1 "$WORK/display")"

CLK_TCK=$(getconf CLK_TCK)
cpu_ticks() { sed 's/^.*) //' "/proc/$1/stat" | awk '{ print $12 + $13 }'; }
# Percentage of one core that the game used over the next seconds.
cpu_percent() {
  local t0 t1 c0 c1
  t0=$(date +%s.%N)
  c0=$(cpu_ticks "$APP_PID")
  sleep "$SECONDS_MEASURED"
  c1=$(cpu_ticks "$APP_PID")
  t1=$(date +%s.%N)
  awk -v c="$((c1 - c0))" -v hz="$CLK_TCK" -v a="$t0" -v b="$t1" 'BEGIN { printf "%.2f", 100 * c / hz / (b - a) }'
}
# Lit pixels of the second spare-life icon (x 32..63 of the bottom strip).
spare_life_pixels() {
  import -window "$WINDOW" -crop 32x32+32+448 +repage -depth 8 "rgb:$WORK/icon.rgb"
  python3 -c 'import sys; d = open(sys.argv[1], "rb").read(); print(sum(max(d[i:i + 3]) > 24 for i in range(0, len(d), 3)))' \
    "$WORK/icon.rgb"
}

TITLE=()
PLAY=()
attempts=0
while [ "${#PLAY[@]}" -lt "$ROUNDS" ]; do
  attempts=$((attempts + 1))
  [ "$attempts" -le $((ROUNDS * 3)) ] || { echo "title_cpu: too many rounds with a life lost" >&2; exit 2; }
  (cd "$WORK/run" && exec "$GAME") >"$WORK/app.log" 2>&1 &
  APP_PID=$!
  WINDOW=$(timeout 20 xdotool search --sync --onlyvisible --name '^Gobbler$' | head -n 1) || true
  [ -n "$WINDOW" ] || { echo "title_cpu: no game window" >&2; cat "$WORK/app.log" >&2; exit 2; }
  xdotool mousemove 320 240 >/dev/null 2>&1 || true
  sleep 1
  title=$(cpu_percent)
  xdotool key space
  sleep 4  # the start jingle pauses the game for 3 seconds
  before=$(spare_life_pixels)
  play=$(cpu_percent)
  after=$(spare_life_pixels)
  end_process "$APP_PID"
  APP_PID=""
  if [ "$before" -gt 50 ] && [ "$after" -gt 50 ]; then
    TITLE+=("$title")
    PLAY+=("$play")
    echo "round ${#PLAY[@]}: title $title %, game $play %"
  else
    echo "(a life was lost while measuring the game: again)"
  fi
done

median() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
TITLE_MEDIAN=$(median "${TITLE[@]}")
PLAY_MEDIAN=$(median "${PLAY[@]}")
echo "Processor time over $SECONDS_MEASURED s, as a share of one core, median of $ROUNDS rounds:"
printf '  title screen   %6s %%\n' "$TITLE_MEDIAN"
printf '  game, playing  %6s %%\n' "$PLAY_MEDIAN"
awk -v t="$TITLE_MEDIAN" -v g="$PLAY_MEDIAN" 'BEGIN { printf "  title / game   %6.2f\n", (g > 0 ? t / g : 99) }'
