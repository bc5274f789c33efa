#!/usr/bin/env bash
# Key-to-screen time: the game beside a bare Allegro loop that shows a
# changed picture on the tick that reads a key (tools/bare_loop
# --answer-keys), each on its own 1920x1080x24 Xvfb, one press on each in
# turn (tools/latency/latency_probe: XTest presses after a random 0-33 ms,
# the screen read with XShmGetImage every 0.35 ms). For:
#   start   Space on the title, until the game's maze shows
#   steer   Right in a game, the player resting at the left wall, until it turns
#   pause   P in a game, until the " PAUSED " box shows
#
#   tools/latency.sh [build-dir] [presses]  (default: build, 30; `make latency`)
#   GAME=other/gobbler tools/latency.sh     (another build of the game)
#
# Prints median, 90th percentile and maximum in ms and in frames (16.67 ms).
# Goals: each median within 1.2 times the bare loop's median of the same
# run; steering's 90th percentile within 2.0 frames. Exits with 1 when a goal
# is missed, 2 when something needed is missing.
set -euo pipefail

ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=$(cd "${1:-$ROOT/build}" && pwd)
PRESSES=${2:-30}
GAME=${GAME:-$BUILD/gobbler} BARE=$BUILD/bench/bare_loop PROBE=$BUILD/bench/latency_probe
for tool in Xvfb xdotool python3; do
  command -v "$tool" >/dev/null || { echo "latency: $tool is missing (make setup installs it)" >&2; exit 2; }
done
for program in "$GAME" "$BARE" "$PROBE"; do
  [ -x "$program" ] || { echo "latency: $program is missing: build it first" >&2; exit 2; }
done

WORK=$(mktemp -d)
PIDS=()
# Ends what this script started, the programs before their X servers; the
# library's own signal handling may hold a program up, so then for sure.
cleanup() {
  local i pid
  for ((i = ${#PIDS[@]} - 1; i >= 0; i--)); do
    pid=${PIDS[i]}
    kill "$pid" 2>/dev/null || continue
    timeout 3 tail --pid="$pid" -f /dev/null || kill -9 "$pid" 2>/dev/null || true
  done
  wait 2>/dev/null || true
  rm -rf "$WORK"
}
trap cleanup EXIT

# Starts an X server; its display name in the variable named $1.
start_x() {
  Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp -noreset 3>"$WORK/$1.display" 2>"$WORK/$1.xvfb.log" &
  PIDS+=($!)
  for _ in $(seq 100); do [ -s "$WORK/$1.display" ] && break; sleep 0.1; done
  [ -s "$WORK/$1.display" ] || { echo "latency: Xvfb did not start" >&2; exit 2; }
  printf -v "$1" ':%s' "$(head -n 1 "$WORK/$1.display")"
}
# Starts a program on display $1 and waits for its window named $2; its id in WIN.
start_on() {
  local display=$1 title=$2 && shift 2
  (cd "$WORK/run" && DISPLAY=$display exec "$@") >"$WORK/$title.log" 2>&1 &
  PIDS+=($!)
  WIN=$(DISPLAY=$display timeout 20 xdotool search --sync --onlyvisible --name "^$title\$" | head -n 1) ||
    { echo "latency: no window \"$title\"" >&2; cat "$WORK/$title.log" >&2; exit 2; }
}

start_x GAME_X
start_x BARE_X
mkdir "$WORK/run" && cp "$ROOT"/data/*.{bmp,wav} "$WORK/run/"
start_on "$BARE_X" "bare loop" "$BARE" --answer-keys && BARE_WIN=$WIN
start_on "$GAME_X" Gobbler "$GAME" && GAME_WIN=$WIN
sleep 1

probe() { "$PROBE" "$1" "$PRESSES" "$GAME_X" "$GAME_WIN" "$BARE_X" "$BARE_WIN" >"$WORK/$1.times"; }
probe start
DISPLAY=$GAME_X xdotool key space
sleep 8  # the start jingle, then the player runs left to the wall
probe steer
probe pause

python3 - "$WORK" "$PRESSES" <<'PY'
import statistics, sys

work, presses = sys.argv[1], int(sys.argv[2])
FRAME = 1000 / 60
def figures(times):
    s = sorted(times)
    p90 = s[min(len(s) - 1, int(0.9 * len(s) + 0.5) - 1)]
    return statistics.median(s), p90, s[-1]
def show(name, times):
    m, p, x = figures(times)
    print(f"  {name:<34} {m:6.1f} {p:6.1f} {x:6.1f}   {m / FRAME:5.2f} {p / FRAME:5.2f} {x / FRAME:5.2f}")
    return m, p
print(f"Key to screen, {presses} presses each, interleaved with a bare loop on its own 1920x1080x24 Xvfb:")
print(f"  {'':<34} {'median':>6} {'p90':>6} {'max':>6}   (ms; then frames of 16.67 ms)")
ok = True
for scenario, what in (("start", "title: Space to the game's start"), ("steer", "steering (Right, in a game)"),
                       ("pause", "P: the pause box")):
    game, bare = [], []
    for line in open(f"{work}/{scenario}.times"):
        who, ms = line.split()
        (game if who == "game" else bare).append(float(ms))
    gm, gp = show(what, game)
    bm, _ = show("  bare loop, same run", bare)
    ratio = gm / bm
    met = ratio <= 1.2
    ok = ok and met
    print(f"    median against the bare loop's: {ratio:.2f}x (goal at most 1.2x): {'met' if met else 'MISSED'}")
    if scenario == "steer":
        met = gp / FRAME <= 2.0
        ok = ok and met
        print(f"    90th percentile {gp / FRAME:.2f} frames (goal at most 2.0): {'met' if met else 'MISSED'}")
sys.exit(0 if ok else 1)
PY
