#!/usr/bin/env bash
# How much of the processor the running game takes, and the X server with
# it, beside a bare Allegro program that only shows a blank 640x480 16-bit
# picture every tick with the library's own blit (tools/bare_loop), all on
# one private X server of 1920x1080 at 24 bits, like a desktop of today.
#
#   tools/cpu_use.sh [build-dir]      (default: build; `make cpu-use`)
#   CPU_USE_WM=openbox tools/cpu_use.sh   the same under a window manager, whose
#                                       full screen the game then asks for
#
# The programs run one after another on the same server, so the server's
# processor time over each measured stretch is the work that program gives
# it. In turn:
#   bare        tools/bare_loop
#   scale 1     the game in a 640x480 window (--scale 1)
#   default     the game in its default window (1280x960 here, scale 2)
#   full        the game in full screen (--fullscreen; the picture 2x, centred)
# For each game: on the title screen, screenshots of the parade (its sprites
# move one pixel a frame) against the time of each give the frames per
# second (goal: 60 within 3 %); then a game is started with a key and, once
# the start jingle is over, the processor time (utime + stime) of the game
# and of the X server is read over 20 seconds of play (the processor time
# is counted in hundredths of a second, and the machine is shared: a long
# stretch steadies the figures).
# At scale 1 the title screen is measured too, over 20 seconds before the
# game starts.
# Goals, on the program's own time: scale 1 within 0.85 times the bare
# program, the default scale within 2.0 times, the title at scale 1 within
# 1.1 times.
# Exits with 1 when a goal is missed, 2 when something needed is missing.
set -euo pipefail

ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=$(cd "${1:-$ROOT/build}" && pwd)
GAME=$BUILD/gobbler
BARE=$BUILD/bench/bare_loop
SCREEN_SIZE=1920x1080
SECONDS_MEASURED=20
SCALE1_GOAL=0.85
SCALE2_GOAL=2.0
TITLE_GOAL=1.1   # the title screen at scale 1, program alone, against the bare program
FPS=60
FPS_TOLERANCE=0.03
SHOTS=4          # parade screenshots, 2.5 s apart: taking one holds the X server a moment
PARADE_ROW_Y=352 # the row of the parade that moves right: y 352 .. 383

for tool in Xvfb xdotool xwininfo import convert python3 getconf; do
  command -v "$tool" >/dev/null || { echo "cpu_use: $tool is missing (make setup installs it)" >&2; exit 2; }
done
for program in "$GAME" "$BARE"; do
  [ -x "$program" ] || { echo "cpu_use: $program is missing: build the gobbler and bare_loop targets" >&2; exit 2; }
done

WORK=$(mktemp -d)
XVFB_PID=""
WM_PID=""
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
  [ -z "$WM_PID" ] || end_process "$WM_PID"
  [ -z "$XVFB_PID" ] || end_process "$XVFB_PID"
  rm -rf "$WORK"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 "${SCREEN_SIZE}x24" -nolisten tcp -noreset 3>"$WORK/display" 2>"$WORK/xvfb.log" &
XVFB_PID=$!
for _ in $(seq 100); do
  [ -s "$WORK/display" ] && break
  sleep 0.1
done
[ -s "$WORK/display" ] || { echo "cpu_use: Xvfb did not start" >&2; cat "$WORK/xvfb.log" >&2; exit 2; }
export DISPLAY=":$(head -n 1 "$WORK/display")"
if [ -n "${CPU_USE_WM:-}" ]; then
  "$CPU_USE_WM" >"$WORK/wm.log" 2>&1 &
  WM_PID=$!
  sleep 2
fi

CLK_TCK=$(getconf CLK_TCK)
now() { date +%s.%N; }
# utime + stime of a process, in clock ticks (fields 14 and 15 of its stat;
# the name in brackets is cut off first).
cpu_ticks() { sed 's/^.*) //' "/proc/$1/stat" | awk '{ print $12 + $13 }'; }

# Where the game's picture is: the X window to capture (TARGET), the
# picture's corner in it and its scale.
TARGET="" PIC_X=0 PIC_Y=0 PIC_SCALE=1

# Starts a program in a fresh copy of data/; with a title, waits for its window.
start_app() {
  local program=$1 title=$2 && shift 2
  rm -rf "$WORK/run" && mkdir "$WORK/run" && cp -r "$ROOT/data/." "$WORK/run/" && rm -f "$WORK/run/gobbler.hi"
  (cd "$WORK/run" && exec "$program" "$@") >"$WORK/app.log" 2>&1 &
  APP_PID=$!
  [ -n "$title" ] || return 0
  TARGET=$(timeout 20 xdotool search --sync --onlyvisible --name "^$title\$" | head -n 1) || true
  if [ -z "$TARGET" ]; then
    echo "cpu_use: no window \"$title\" from $program $*" >&2
    cat "$WORK/app.log" >&2
    exit 2
  fi
  PIC_X=0 PIC_Y=0
  PIC_SCALE=$(xwininfo -id "$TARGET" | awk '/Width:/ { print int($2 / 640) }')
  xdotool mousemove 320 240 >/dev/null 2>&1 || true
}

# The game in full screen: a window of the server's size (the library's own
# with no name, or under a window manager the game's window filling the
# screen); the picture is centred on it at the largest whole scale.
wait_fullscreen() {
  local w=${SCREEN_SIZE%x*} h=${SCREEN_SIZE#*x} id
  for _ in $(seq 100); do
    for id in $(xwininfo -root -tree | awk -v g=" ${SCREEN_SIZE}[+]0[+]0" '$0 ~ g { print $1 }'); do
      if xwininfo -id "$id" | grep -q IsViewable; then
        TARGET=root
        PIC_SCALE=$((w / 640 < h / 480 ? w / 640 : h / 480))
        PIC_X=$(((w - 640 * PIC_SCALE) / 2)) PIC_Y=$(((h - 480 * PIC_SCALE) / 2))
        xdotool mousemove $((w / 2)) $((h / 2)) >/dev/null 2>&1 || true
        return 0
      fi
    done
    sleep 0.1
  done
  echo "cpu_use: the game did not go full screen" >&2
  cat "$WORK/app.log" >&2
  exit 2
}

# Percentages of one core that process $1 and the X server used over the
# next N seconds: "program server".
cpu_percent() {
  local pid=$1 t0 t1 c0 c1 x0 x1
  t0=$(now)
  c0=$(cpu_ticks "$pid")
  x0=$(cpu_ticks "$XVFB_PID")
  sleep "$SECONDS_MEASURED"
  c1=$(cpu_ticks "$pid")
  x1=$(cpu_ticks "$XVFB_PID")
  t1=$(now)
  awk -v c="$((c1 - c0))" -v x="$((x1 - x0))" -v hz="$CLK_TCK" -v a="$t0" -v b="$t1" \
    'BEGIN { printf "%.2f %.2f", 100 * c / hz / (b - a), 100 * x / hz / (b - a) }'
}

# Raw RGB of an area of the 640x480 picture (WxH+X+Y in its own pixels),
# brought back to that size: a screenshot, timed.
shot() {
  local file=$1 geometry=$2 w h x y a b
  IFS='x+' read -r w h x y <<<"$geometry"
  a=$(now)
  import -window "$TARGET" -crop "$((w * PIC_SCALE))x$((h * PIC_SCALE))+$((PIC_X + x * PIC_SCALE))+$((PIC_Y + y * PIC_SCALE))" \
    +repage "$WORK/shot.miff"
  b=$(now)
  convert "$WORK/shot.miff" -sample "${w}x${h}!" -depth 8 "rgb:$file"
  echo "$a $b"
}

# Non-black pixels of an area of the picture.
lit_pixels() {
  shot "$WORK/lit.rgb" "$1" >/dev/null
  python3 - "$WORK/lit.rgb" <<'EOF'
import sys
data = open(sys.argv[1], "rb").read()
print(sum(1 for i in range(0, len(data), 3) if max(data[i:i + 3]) > 24))
EOF
}

# The pace of the title parade: "ok|FAIL fps pixels span capture-ms".
convert "$ROOT/data/intro.bmp" -crop "640x32+0+$PARADE_ROW_Y" +repage -depth 8 "rgb:$WORK/title.rgb"
parade_pace() {
  sleep 1
  : >"$WORK/times"
  for i in $(seq 0 $((SHOTS - 1))); do
    shot "$WORK/parade$i.rgb" "640x32+0+$PARADE_ROW_Y" >>"$WORK/times"
    sleep 2.4
  done
  python3 - "$WORK" "$SHOTS" "$FPS" "$FPS_TOLERANCE" <<'EOF'
import sys

work, shots, fps_goal, tolerance = sys.argv[1], int(sys.argv[2]), float(sys.argv[3]), float(sys.argv[4])
WIDTH, ROWS, PERIOD = 640, 32, 641  # sprites wrap after x 640, back to 0

title = open(f"{work}/title.rgb", "rb").read()

def sprite_columns(path):
    """Columns of the parade row that differ from the title picture."""
    shot = open(path, "rb").read()
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
}

# One configuration of the game: "pace-result fps program% server% scale",
# at scale 1 followed by "title-program% title-server%" of the title screen.
# The player is left to run on its own; a life lost during the measured
# seconds would put a 2-second pause in them, so then the game is started
# again (the second spare-life icon, x 32..63 of the bottom strip, tells).
measure_game() {
  local how=$1 pace="" cpu icons_before icons_after result fps title=""
  for attempt in 1 2 3; do
    case $how in
      full) start_app "$GAME" "" --fullscreen && wait_fullscreen ;;
      default) start_app "$GAME" Gobbler ;;
      *) start_app "$GAME" Gobbler --scale "$how" ;;
    esac
    [ -n "$pace" ] || pace=$(parade_pace)
    [ "$how" != 1 ] || [ -n "$title" ] || title=$(cpu_percent "$APP_PID")
    xdotool key space
    sleep 4  # the start jingle pauses the game for 3 seconds
    icons_before=$(lit_pixels 32x32+32+448)
    cpu=$(cpu_percent "$APP_PID")
    icons_after=$(lit_pixels 32x32+32+448)
    stop_app
    if [ "$icons_before" -gt 50 ] && [ "$icons_after" -gt 50 ]; then
      read -r result fps _ <<<"$pace"
      echo "$result $fps $cpu $PIC_SCALE $title"
      return 0
    fi
    echo "(a life was lost while measuring, or the game did not start: measuring again)" >&2
  done
  echo "cpu_use: could not measure $SECONDS_MEASURED seconds of play without a lost life ($how)" >&2
  exit 2
}

start_app "$BARE" "bare loop"
sleep 1
read -r BARE_CPU BARE_X <<<"$(cpu_percent "$APP_PID")"
stop_app

read -r S1_PACE S1_FPS S1_CPU S1_X _ T1_CPU T1_X <<<"$(measure_game 1)"
read -r S2_PACE S2_FPS S2_CPU S2_X S2_SCALE <<<"$(measure_game default)"
read -r FS_PACE FS_FPS FS_CPU FS_X FS_SCALE <<<"$(measure_game full)"

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", (b > 0 ? a / b : 99) }'; }
sum() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a + b }'; }
verdict() { awk -v r="$1" -v goal="$2" 'BEGIN { print (r <= goal ? "met" : "MISSED") }'; }
BARE_ALL=$(sum "$BARE_CPU" "$BARE_X")
S1_RATIO=$(ratio "$S1_CPU" "$BARE_CPU") S2_RATIO=$(ratio "$S2_CPU" "$BARE_CPU")
S1_OK=$(verdict "$S1_RATIO" "$SCALE1_GOAL") S2_OK=$(verdict "$S2_RATIO" "$SCALE2_GOAL")
T1_RATIO=$(ratio "$T1_CPU" "$BARE_CPU") && T1_OK=$(verdict "$T1_RATIO" "$TITLE_GOAL")

echo "Processor time (utime + stime) over $SECONDS_MEASURED s of play, as a share of one core, on one"
echo "${SCREEN_SIZE}x24 Xvfb${CPU_USE_WM:+ under $CPU_USE_WM} (the X server measured while each program ran alone; load average at the end:"
echo "$(cut -d ' ' -f 1-3 /proc/loadavg) on $(getconf _NPROCESSORS_ONLN) processors; other work on the machine lowers the pace):"
echo "                                       program   X server       both   program/bare  both/bare"
row() {
  printf '  %-34s %6s %%  %6s %%  %6s %%   %6s        %6s\n' "$1" "$2" "$3" "$(sum "$2" "$3")" \
    "$(ratio "$2" "$BARE_CPU")" "$(ratio "$(sum "$2" "$3")" "$BARE_ALL")"
}
row "bare program (640x480, 16 bits)" "$BARE_CPU" "$BARE_X"
row "game, --scale 1 (640x480)" "$S1_CPU" "$S1_X"
row "title screen, --scale 1" "$T1_CPU" "$T1_X"
row "game, default ($((640 * S2_SCALE))x$((480 * S2_SCALE)) window)" "$S2_CPU" "$S2_X"
row "game, full screen (picture ${FS_SCALE}x)" "$FS_CPU" "$FS_X"
echo "Goals on the program's own time:"
echo "  scale 1 within $SCALE1_GOAL x the bare program: $S1_OK ($S1_RATIO x)"
echo "  default scale ($S2_SCALE) within $SCALE2_GOAL x the bare program: $S2_OK ($S2_RATIO x)"
echo "  the title screen at scale 1 within $TITLE_GOAL x the bare program: $T1_OK ($T1_RATIO x)"
PACE_OK=met
for p in "scale 1:$S1_PACE:$S1_FPS" "default scale:$S2_PACE:$S2_FPS" "full screen:$FS_PACE:$FS_FPS"; do
  IFS=: read -r name result fps <<<"$p"
  [ "$result" = ok ] || PACE_OK=MISSED
  echo "Title parade seen from outside, $name: $fps frames per second   goal $FPS within" \
    "$(awk -v t="$FPS_TOLERANCE" 'BEGIN { print 100 * t }') %: $([ "$result" = ok ] && echo met || echo MISSED)"
done
[ "$S1_OK" = met ] && [ "$S2_OK" = met ] && [ "$T1_OK" = met ] && [ "$PACE_OK" = met ]
