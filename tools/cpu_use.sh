#!/usr/bin/env bash
# How much of the processor the running game takes, beside a bare Allegro
# program that only shows a blank picture every tick (tools/bare_loop), and
# the game's frame rate as seen from outside, all under a private X server.
#
#   tools/cpu_use.sh [build-dir]      (default: build; `make cpu-use`)
#
# 1. Starts the game (data/ copied to a temporary working directory) and,
#    on the title screen, takes screenshots of the parade: its sprites move
#    one pixel a frame, so their shift against the time of each screenshot
#    gives the frames per second. Goal: 60 within 3 %.
# 2. Starts a game with a key and, once the start jingle is over, reads the
#    process's processor time (utime + stime) over 10 seconds of play.
# 3. Does the same for the bare program right after. Goal: the game within
#    1.25 times the bare program.
# Exits with 1 when a goal is missed, 2 when something needed is missing.
set -euo pipefail

ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=$(cd "${1:-$ROOT/build}" && pwd)
GAME=$BUILD/gobbler
BARE=$BUILD/bench/bare_loop
SECONDS_MEASURED=10
CPU_GOAL=1.25
FPS=60
FPS_TOLERANCE=0.03
SHOTS=6          # parade screenshots, about a second apart
PARADE_ROW_Y=352 # the row of the parade that moves right: y 352 .. 383

for tool in Xvfb xdotool import convert python3 getconf; do
  command -v "$tool" >/dev/null || { echo "cpu_use: $tool is missing (make setup installs it)" >&2; exit 2; }
done
for program in "$GAME" "$BARE"; do
  [ -x "$program" ] || { echo "cpu_use: $program is missing: build the gobbler and bare_loop targets" >&2; exit 2; }
done

WORK=$(mktemp -d)
XVFB_PID=""
APP_PID=""
# Ends a process this script started: politely, then for sure.
running() {
  local state
  state=$(ps -o stat= -p "$1" 2>/dev/null) || return 1
  [[ $state != Z* ]]
}
end_process() {
  local pid=$1
  kill "$pid" 2>/dev/null || return 0
  for _ in $(seq 30); do
    running "$pid" || break
    sleep 0.1
  done
  kill -9 "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
}
stop_app() {
  if [ -n "$APP_PID" ]; then
    end_process "$APP_PID"
    APP_PID=""
  fi
}
cleanup() {
  stop_app
  [ -z "$XVFB_PID" ] || end_process "$XVFB_PID"
  rm -rf "$WORK"
}
trap cleanup EXIT

mkdir "$WORK/run"
cp -r "$ROOT/data/." "$WORK/run/"
rm -f "$WORK/run/gobbler.hi"

# A private X server on the first free display, 24 bits deep like a desktop.
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$WORK/display" 2>"$WORK/xvfb.log" &
XVFB_PID=$!
for _ in $(seq 100); do
  [ -s "$WORK/display" ] && break
  sleep 0.1
done
[ -s "$WORK/display" ] || { echo "cpu_use: Xvfb did not start" >&2; cat "$WORK/xvfb.log" >&2; exit 2; }
export DISPLAY=":$(head -n 1 "$WORK/display")"

CLK_TCK=$(getconf CLK_TCK)
now() { date +%s.%N; }
# utime + stime of a process, in clock ticks (fields 14 and 15 of its stat;
# the name in brackets is cut off first).
cpu_ticks() { sed 's/^.*) //' "/proc/$1/stat" | awk '{ print $12 + $13 }'; }

# Starts a program in the working directory and waits for its window.
start_app() {
  local program=$1 title=$2
  (cd "$WORK/run" && exec "$program") >"$WORK/app.log" 2>&1 &
  APP_PID=$!
  WINDOW=$(timeout 20 xdotool search --sync --onlyvisible --name "^$title\$" | head -n 1) || true
  if [ -z "$WINDOW" ]; then
    echo "cpu_use: no window \"$title\" from $program" >&2
    cat "$WORK/app.log" >&2
    exit 2
  fi
  xdotool mousemove --sync 320 240 >/dev/null 2>&1 || true
  xdotool windowfocus --sync "$WINDOW" >/dev/null 2>&1 || true
}

# Percentage of one core that process $1 used over the next N seconds.
cpu_percent() {
  local pid=$1 t0 t1 c0 c1
  t0=$(now)
  c0=$(cpu_ticks "$pid")
  sleep "$SECONDS_MEASURED"
  c1=$(cpu_ticks "$pid")
  t1=$(now)
  awk -v c="$((c1 - c0))" -v hz="$CLK_TCK" -v a="$t0" -v b="$t1" 'BEGIN { printf "%.2f", 100 * c / hz / (b - a) }'
}

# Raw RGB of a region of the window: a screenshot, timed.
shot() {
  local file=$1 geometry=$2 a b
  a=$(now)
  import -window "$WINDOW" -crop "$geometry" +repage -depth 8 "rgb:$file"
  b=$(now)
  echo "$a $b"
}

# Non-black pixels of a region of the window.
lit_pixels() {
  shot "$WORK/lit.rgb" "$1" >/dev/null
  python3 - "$WORK/lit.rgb" <<'EOF'
import sys
data = open(sys.argv[1], "rb").read()
print(sum(1 for i in range(0, len(data), 3) if max(data[i:i + 3]) > 24))
EOF
}

# --- 1. The pace of the title parade -------------------------------------
start_app "$GAME" Gobbler
sleep 1
convert "$ROOT/data/intro.bmp" -crop "640x32+0+$PARADE_ROW_Y" +repage -depth 8 "rgb:$WORK/title.rgb"
: >"$WORK/times"
for i in $(seq 0 $((SHOTS - 1))); do
  shot "$WORK/parade$i.rgb" "640x32+0+$PARADE_ROW_Y" >>"$WORK/times"
  sleep 0.8
done
PACE=$(python3 - "$WORK" "$SHOTS" "$FPS" "$FPS_TOLERANCE" <<'EOF'
import sys

work, shots, fps_goal, tolerance = sys.argv[1], int(sys.argv[2]), float(sys.argv[3]), float(sys.argv[4])
WIDTH, ROWS, PERIOD = 640, 32, 641  # sprites wrap after x 640, back to 0

def columns(path):
    """Columns of the parade row that differ from the title picture."""
    return open(path, "rb").read()

title = columns(f"{work}/title.rgb")

def sprite_columns(path):
    shot = columns(path)
    lit = []
    for x in range(WIDTH):
        differing = 0
        for y in range(ROWS):
            i = 3 * (y * WIDTH + x)
            if max(abs(shot[i + c] - title[i + c]) for c in range(3)) > 40:
                differing += 1
        lit.append(differing >= 3)
    return lit

def shift(before, after):
    """The rightward move, modulo the wrap, that best lays one on the other."""
    best, best_score = 0, -1
    for s in range(PERIOD):
        score = 0
        for x in range(WIDTH):
            if before[x]:
                y = (x + s) % PERIOD
                if y < WIDTH and after[y]:
                    score += 1
        if score > best_score:
            best, best_score = s, score
    return best

times, durations = [], []
for line in open(f"{work}/times"):
    a, b = map(float, line.split())
    times.append((a + b) / 2)  # the picture is taken somewhere in between
    durations.append(b - a)
profiles = [sprite_columns(f"{work}/parade{i}.rgb") for i in range(shots)]
if sum(profiles[0]) < 100:
    print("FAIL none 0 0 0")  # no parade sprites in the row
    sys.exit(0)
moved = [0]
for i in range(1, shots):
    moved.append(moved[-1] + shift(profiles[i - 1], profiles[i]))
# Least squares slope of pixels moved against time.
n = shots
mt, mm = sum(times) / n, sum(moved) / n
slope = sum((t - mt) * (m - mm) for t, m in zip(times, moved)) / sum((t - mt) ** 2 for t in times)
span = times[-1] - times[0]
ok = abs(slope - fps_goal) <= tolerance * fps_goal
print(f"{'ok' if ok else 'FAIL'} {slope:.2f} {moved[-1]} {span:.2f} {max(durations) * 1000:.0f}")
EOF
)
read -r PACE_RESULT PACE_FPS PACE_PIXELS PACE_SPAN PACE_CAPTURE_MS <<<"$PACE"

# --- 2. The game, playing --------------------------------------------------
# The player is left to run on its own; a life lost during the measured
# seconds would put a 2-second pause in them, so then the game is started
# again (the second spare-life icon, x 32..63 of the bottom strip, tells).
GAME_CPU=""
for attempt in 1 2 3; do
  if [ "$attempt" -gt 1 ]; then
    stop_app
    start_app "$GAME" Gobbler
    sleep 1
  fi
  xdotool key space
  sleep 4  # the start jingle pauses the game for 3 seconds
  icons_before=$(lit_pixels 32x32+32+448)
  cpu=$(cpu_percent "$APP_PID")
  icons_after=$(lit_pixels 32x32+32+448)
  if [ "$icons_before" -gt 50 ] && [ "$icons_after" -gt 50 ]; then
    GAME_CPU=$cpu
    break
  fi
  echo "(a life was lost while measuring, or the game did not start: measuring again)"
done
stop_app
[ -n "$GAME_CPU" ] || { echo "cpu_use: could not measure 10 seconds of play without a lost life" >&2; exit 2; }

# --- 3. The bare program ----------------------------------------------------
start_app "$BARE" "bare loop"
sleep 1
BARE_CPU=$(cpu_percent "$APP_PID")
stop_app

RATIO=$(awk -v g="$GAME_CPU" -v b="$BARE_CPU" 'BEGIN { printf "%.2f", (b > 0 ? g / b : 99) }')
CPU_OK=$(awk -v r="$RATIO" -v goal="$CPU_GOAL" 'BEGIN { print (r <= goal ? "met" : "MISSED") }')
PACE_OK=$([ "$PACE_RESULT" = ok ] && echo met || echo MISSED)

echo "Processor time (utime + stime) over $SECONDS_MEASURED s, as a share of one core:"
printf '  game, playing        %6s %%\n' "$GAME_CPU"
printf '  bare paced program   %6s %%\n' "$BARE_CPU"
echo "  game / bare          $RATIO   goal at most $CPU_GOAL: $CPU_OK"
if [ "$PACE_FPS" = none ]; then
  echo "Title parade seen from outside: no parade sprites found in the row at y $PARADE_ROW_Y   goal $FPS frames per second: MISSED"
else
  echo "Title parade seen from outside: $PACE_FPS frames per second ($PACE_PIXELS pixels in $PACE_SPAN s," \
    "$SHOTS screenshots of up to $PACE_CAPTURE_MS ms)   goal $FPS within $(awk -v t="$FPS_TOLERANCE" 'BEGIN { print 100 * t }') %: $PACE_OK"
fi
[ "$CPU_OK" = met ] && [ "$PACE_OK" = met ]
