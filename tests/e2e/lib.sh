# Shared machinery of the end-to-end scenarios: a private X server, the game
# started in a fresh copy of the data files, keys pressed as a person would,
# screenshots and pixel checks.  Sourced by the scenario scripts, which call
#   e2e_begin <time-limit-seconds> <gobbler-binary> <data-dir>
# first.  Everything started here is stopped and every temporary file removed
# when the script ends, whether it passes, fails or runs out of time.

set -u

E2E_SCENARIO=$(basename "$0" .sh)
E2E_DIR=$(cd "$(dirname "$0")" && pwd)
E2E_XVFB_PID=""
E2E_WORK=""
E2E_RUNS=0          # games started so far
WIN=""              # the window of the current run's game
SHOT_W=640
SHOT_H=480

# The level layout as the player sees it: one string per row of 16-pixel
# cells, 0 empty, 1 wall block, 2 dot, 3 power pill, 4-9 wall pieces.
MAZE_ROWS=(
  "61111111111111111111111111111117"
  "10000000000000000000000000000001"
  "10322222222222222222222222222231"
  "10261111117026111170261111117021"
  "10210000001021000010210000001021"
  "10210000001021000010210000001021"
  "10291111118029111180291111118021"
  "10200000000020000000200000000021"
  "10222222222220000000222222222221"
  "91402611700611400511700611702518"
  "00002100100100000000100100102000"
  "00002100100100000000100100102000"
  "51702100100911111111800100102614"
  "00102100100000000000000100102100"
  "00102100100000000000000100102100"
  "00102911800511111111400911802100"
  "00102000000000000000000000002100"
  "00102222222222222222222222222100"
  "61802511114025111140251111402917"
  "10002000000020000000200000002001"
  "10222222222222222222222222222221"
  "10261111117026111170261111117021"
  "10210000001021000010210000001021"
  "10210000001021000010210000001021"
  "10291111118029111180291111118021"
  "10200000000020000000200000000021"
  "10322222222222222222222222222231"
  "91111111111111111111111111111118"
)

say() { echo "[$E2E_SCENARIO] $*"; }

# The game's own complaints, without the sound library's chatter about a
# machine with no sound card.
game_stderr() {
  local f
  for f in "$E2E_WORK"/err.*; do
    [ -e "$f" ] && grep -v '^ALSA lib' "$f"
  done
  return 0
}

e2e_fail() {
  echo "FAIL [$E2E_SCENARIO]: $*" >&2
  local errs
  errs=$(game_stderr)
  [ -n "$errs" ] && printf 'game stderr:\n%s\n' "$errs" >&2
  if [ -n "${E2E_KEEP_DIR:-}" ] && [ -n "$E2E_WORK" ]; then
    mkdir -p "$E2E_KEEP_DIR" && cp -r "$E2E_WORK" "$E2E_KEEP_DIR/$E2E_SCENARIO.$$" &&
      echo "screenshots and logs kept in $E2E_KEEP_DIR/$E2E_SCENARIO.$$" >&2
  fi
  exit 1
}

e2e_pass() {
  say "PASS"
  exit 0
}

stop_pid() {
  local pid=$1 _
  [ -n "$pid" ] || return 0
  kill -0 "$pid" 2>/dev/null || return 0
  kill -TERM "$pid" 2>/dev/null
  for _ in 1 2 3 4 5 6 7 8 9 10; do
    kill -0 "$pid" 2>/dev/null || return 0
    sleep 0.1
  done
  kill -KILL "$pid" 2>/dev/null
  return 0
}

e2e_cleanup() {
  trap - EXIT TERM INT
  local f pid
  if [ -n "$E2E_WORK" ]; then
    for f in "$E2E_WORK"/pid.*; do
      [ -e "$f" ] || continue
      read -r pid <"$f" || continue
      # Only a game that has not been seen ending is still ours to stop.
      [ -e "${f/pid./rc.}" ] || stop_pid "$pid"
    done
  fi
  stop_pid "$E2E_XVFB_PID"
  # Reap the watcher subshells.
  wait 2>/dev/null
  [ -n "$E2E_WORK" ] && rm -rf "$E2E_WORK"
}

# Re-runs the script under a hard time limit, then sets up the work area and
# the X server (none when E2E_NO_X_SERVER is set).
e2e_begin() {
  local limit=$1
  shift
  if [ -z "${E2E_UNDER_LIMIT:-}" ]; then
    export E2E_UNDER_LIMIT=$limit
    exec timeout -s TERM -k 10 "$limit" bash "$0" "$@"
  fi
  if [ $# -lt 2 ]; then
    echo "usage: $0 <gobbler-binary> <data-dir>" >&2
    exit 2
  fi
  GOBBLER=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
  DATA=$(cd "$2" && pwd)
  [ -x "$GOBBLER" ] || { echo "FAIL [$E2E_SCENARIO]: no program at $GOBBLER" >&2; exit 1; }
  local tool
  for tool in Xvfb xdpyinfo xdotool xwininfo xprop import convert od awk; do
    command -v "$tool" >/dev/null || { echo "FAIL [$E2E_SCENARIO]: $tool is not installed" >&2; exit 1; }
  done
  E2E_WORK=$(mktemp -d "${TMPDIR:-/tmp}/gobbler-e2e.XXXXXX")
  trap e2e_cleanup EXIT
  trap 'e2e_fail "time limit of ${E2E_UNDER_LIMIT}s reached"' TERM
  trap 'e2e_fail "interrupted"' INT
  [ -n "${E2E_NO_X_SERVER:-}" ] || start_xvfb
}

# A private X server on the first free display from :90 on.  A display is
# ours only when its lock file names our server (another test may start one
# on the same number at the same moment).
start_xvfb() {
  local n depth pid lockpid deadline started
  for n in $(seq 90 140); do
    [ -e "/tmp/.X$n-lock" ] && continue
    [ -e "/tmp/.X11-unix/X$n" ] && continue
    for depth in 16 24; do
      Xvfb ":$n" -screen 0 800x600x$depth -nolisten tcp >"$E2E_WORK/xvfb.log" 2>&1 &
      pid=$!
      started=""
      deadline=$((SECONDS + 10))
      while [ $SECONDS -lt $deadline ] && kill -0 "$pid" 2>/dev/null; do
        if xdpyinfo -display ":$n" >/dev/null 2>&1; then
          lockpid=$(tr -dc 0-9 <"/tmp/.X$n-lock" 2>/dev/null)
          if [ "${lockpid:-0}" -eq "$pid" ]; then started=1; fi
          break
        fi
        sleep 0.1
      done
      if [ -n "$started" ]; then
        E2E_XVFB_PID=$pid
        export DISPLAY=":$n"
        return 0
      fi
      stop_pid "$pid"
      wait "$pid" 2>/dev/null
      # Display taken meanwhile: the next number, not the next depth.
      grep -qi 'already active' "$E2E_WORK/xvfb.log" && break
    done
  done
  e2e_fail "could not start an X server on any display from :90 to :140 ($(tail -3 "$E2E_WORK/xvfb.log" 2>/dev/null))"
}

# A fresh copy of the data files, in $RUN_DIR, for the next run.
fresh_data() {
  RUN_DIR=$(mktemp -d "$E2E_WORK/data.XXXXXX") || e2e_fail "cannot make a temporary directory"
  cp -r "$DATA"/. "$RUN_DIR"/ || e2e_fail "cannot copy $DATA"
  rm -f "$RUN_DIR/gobbler.hi" "$RUN_DIR/gobbler.hi.new"
}

# Starts the game with working directory $1.  A watcher subshell waits for it
# and writes its exit status to rc.<run>, so the status can be collected
# later without blocking.
launch() {
  local dir=$1
  E2E_RUNS=$((E2E_RUNS + 1))
  local k=$E2E_RUNS
  (
    cd "$dir" || exit 1
    "$GOBBLER" >"$E2E_WORK/out.$k" 2>"$E2E_WORK/err.$k" </dev/null &
    echo $! >"$E2E_WORK/pid.$k.tmp"
    mv "$E2E_WORK/pid.$k.tmp" "$E2E_WORK/pid.$k"
    wait $!
    echo $? >"$E2E_WORK/rc.$k.tmp"
    mv "$E2E_WORK/rc.$k.tmp" "$E2E_WORK/rc.$k"
  ) &
  local deadline=$((SECONDS + 5))
  until [ -e "$E2E_WORK/pid.$k" ]; do
    [ $SECONDS -lt $deadline ] || e2e_fail "the game did not start"
    sleep 0.05
  done
}

# True while the current game runs.
game_running() { [ ! -e "$E2E_WORK/rc.$E2E_RUNS" ]; }

# Tenths of a second on a clock that only goes forward.
now_ds() { local up; read -r up _ </proc/uptime; up=${up/./}; echo $((10#$up / 10)); }

# Waits up to $1 seconds for the current game to end and puts its exit
# status in GOB_RC.  Fails the scenario with $2 if it does not end in time.
wait_exit() {
  local limit=$1 what=$2 start
  start=$(now_ds)
  while game_running; do
    [ $(($(now_ds) - start)) -lt $((limit * 10)) ] || e2e_fail "$what"
    sleep 0.05
  done
  read -r GOB_RC <"$E2E_WORK/rc.$E2E_RUNS"
}

# Finds the game's visible window titled "Gobbler" (waiting up to 10 s) and
# puts the pointer over it, so that keys typed go to it.  Sets WIN.
find_window() {
  local start ids
  start=$(now_ds)
  WIN=""
  while [ -z "$WIN" ]; do
    if ! game_running; then
      read -r GOB_RC <"$E2E_WORK/rc.$E2E_RUNS"
      e2e_fail "the program ended (status $GOB_RC) instead of opening its window"
    fi
    [ $(($(now_ds) - start)) -lt 100 ] || e2e_fail "no visible window titled \"Gobbler\" within 10 s"
    ids=$(xdotool search --onlyvisible --name '^Gobbler$' 2>/dev/null)
    WIN=$(echo "$ids" | head -n 1)
    [ -n "$WIN" ] || sleep 0.1
  done
  xdotool mousemove --sync 320 240 >/dev/null 2>&1
  return 0
}

window_size() { xwininfo -id "$WIN" 2>/dev/null | awk '/Width:/{w=$2} /Height:/{h=$2} END{print w "x" h}'; }

# Presses and holds key $1 for $2 seconds (default 0.15): the game looks at
# the keyboard once per frame, so a key must stay down across a few frames.
press() {
  local key=$1 hold=${2:-0.15}
  xdotool keydown "$key" || e2e_fail "cannot press $key"
  sleep "$hold"
  xdotool keyup "$key" || e2e_fail "cannot release $key"
}

# The game's picture wherever it is now: in its window, or, after a switch
# to full screen, in whatever 640x480 window is on view.  Sets WIN; waits up
# to $1 seconds (default 5).
find_view() {
  local limit=${1:-5} start id
  start=$(now_ds)
  while :; do
    for id in $(xwininfo -root -tree 2>/dev/null | awk '/ 640x480\+/ { print $1 }'); do
      if xwininfo -id "$id" 2>/dev/null | grep -q 'Map State: IsViewable'; then
        WIN=$id
        return 0
      fi
    done
    [ $(($(now_ds) - start)) -lt $((limit * 10)) ] || return 1
    sleep 0.1
  done
}

# Screenshot of the game's picture as raw 8-bit RGB in $E2E_WORK/$1.rgb and
# one "r g b" line per pixel, row by row, in $E2E_WORK/$1.px.  Returns
# non-zero if the picture cannot be captured at the moment.
shot() {
  local name=$1 out=$E2E_WORK/$1
  rm -f "$out.rgb" "$out.px"
  if ! timeout 3 import -window "$WIN" -depth 8 "rgb:$out.rgb" 2>/dev/null ||
    [ "$(stat -c %s "$out.rgb" 2>/dev/null)" != $((SHOT_W * SHOT_H * 3)) ]; then
    # The window may have been replaced by a display switch.
    find_view 1 || return 1
    timeout 3 import -window "$WIN" -depth 8 "rgb:$out.rgb" 2>/dev/null || return 1
    [ "$(stat -c %s "$out.rgb" 2>/dev/null)" = $((SHOT_W * SHOT_H * 3)) ] || return 1
  fi
  od -An -v -tu1 -w3 "$out.rgb" >"$out.px"
}

# The same dump made from a picture file ($2) instead of the screen.
picture_px() {
  local name=$1 file=$2 out=$E2E_WORK/$1
  convert "$file" -depth 8 "rgb:$out.rgb" || e2e_fail "cannot read $file"
  [ "$(stat -c %s "$out.rgb")" = $((SHOT_W * SHOT_H * 3)) ] || e2e_fail "$file is not 640x480"
  od -An -v -tu1 -w3 "$out.rgb" >"$out.px"
}

# Colour classes with room for a 16-bit screen seen through an 8-bit dump.
AWK_LIB='
function ix(x, y) { return y * 640 + x }
function wall(i) { return R[i] >= 232 && G[i] >= 232 && B[i] <= 24 }
function white(i) { return R[i] >= 232 && G[i] >= 232 && B[i] >= 232 }
function black(i) { return R[i] <= 24 && G[i] <= 24 && B[i] <= 24 }
function cream(i) { return R[i] >= 232 && G[i] >= 232 && B[i] >= 168 && B[i] <= 216 }
function count(kind, x0, y0, x1, y1,    x, y, n, i) {
  n = 0
  for (y = y0; y <= y1; y++) for (x = x0; x <= x1; x++) {
    i = ix(x, y)
    if (kind == "wall" && wall(i)) n++
    else if (kind == "white" && white(i)) n++
    else if (kind == "black" && black(i)) n++
    else if (kind == "cream" && cream(i)) n++
    else if (kind == "lit" && !black(i)) n++
  }
  return n
}
function all(kind, x0, y0, x1, y1) { return count(kind, x0, y0, x1, y1) == (x1 - x0 + 1) * (y1 - y0 + 1) }
function load(    i) { i = NR - 1; R[i] = $1; G[i] = $2; B[i] = $3 }
'

# Runs awk program $4 (its END block does the checking, with the pixels of
# rows $2 to $3 of dump $1 loaded into R/G/B; more awk options may follow)
# and prints what it prints.  A program that cannot run prints a fault,
# never nothing.
px_check() {
  local name=$1 y0=$2 y1=$3 prog=$4
  shift 4
  awk -v first=$((y0 * 640 + 1)) -v last=$(((y1 + 1) * 640)) "$@" \
    "$AWK_LIB NR > last { exit } NR >= first { load() } $prog" "$E2E_WORK/$name.px" ||
    echo "pixel check on $name could not run"
}

# Polls screenshots every 0.1 s until check function $2 (given the shot's
# name) succeeds or $3 seconds pass; the last shot is left in $1.
poll_shot() {
  local name=$1 check=$2 limit=$3
  local start
  start=$(now_ds)
  while :; do
    if shot "$name" && "$check" "$name"; then return 0; fi
    [ $(($(now_ds) - start)) -lt $((limit * 10)) ] || return 1
    sleep 0.1
  done
}

# The picture shows the title: the rows between the parade rows (y 0-5,
# 64-69, 128-133, 448-479) hold exactly the title picture; the parade covers
# everything else part of the time.
title_gaps() { sed -n '1,3840p;40961,44800p;81921,85760p;286721,307200p' "$E2E_WORK/$1.px"; }
is_title() {
  local res
  res=$(title_gaps "$1" | paste -d ' ' "$E2E_WORK/title_gaps.px" - | awk '
    { n++; if (($1 - $4) ^ 2 > 144 || ($2 - $5) ^ 2 > 144 || ($3 - $6) ^ 2 > 144) bad++ }
    END { print (n == 32000 && bad == 0) ? "yes" : "no" }')
  [ "$res" = yes ]
}

# The " GAME OVER " box: 88x24 pixels of white at (212, 160), the words in
# dark letters on its middle line of text.
is_game_over() {
  local res
  res=$(px_check "$1" 160 183 '
    END {
      ok = all("white", 212, 160, 299, 167) && all("white", 212, 176, 299, 183) &&
           all("white", 212, 168, 219, 175) && all("white", 292, 168, 299, 175)
      dark = count("black", 220, 168, 291, 175)
      print (ok && dark >= 40 && count("white", 220, 168, 291, 175) >= 200) ? "yes" : "no"
    }')
  [ "$res" = yes ]
}

# The game picture: the maze's wall blocks are on screen.
is_maze() {
  local res
  res=$(px_check "$1" 0 207 '
    END {
      # The long bar of row 0 and the left and right blocks of row 12.
      ok = all("wall", 48, 0, 463, 15) &&
           all("wall", 16, 192, 31, 207) && all("wall", 480, 192, 495, 207)
      print ok ? "yes" : "no"
    }')
  [ "$res" = yes ]
}

# The score number's pixels (light yellow), as a string, of the "Score" box
# (which=score) or the "Hi Score" box (which=hi).
number_pattern() {
  local y0=136
  [ "$2" = hi ] && y0=104
  px_check "$1" "$y0" $((y0 + 7)) '
    END { s = ""; for (y = y0; y < y0 + 8; y++) for (x = 546; x < 610; x++) s = s (cream(ix(x, y)) ? "#" : "."); print s }' -v y0="$y0"
}

# Fails unless $1 is a 4-byte high-score file; puts its value in HI_VALUE.
hi_file_value() {
  local f=$1
  [ -f "$f" ] || e2e_fail "no high-score file $f"
  [ "$(stat -c %s "$f")" = 4 ] || e2e_fail "high-score file has $(stat -c %s "$f") bytes, not 4"
  HI_VALUE=$(od -An -t d4 --endian=little "$f" | tr -d ' ')
}

# The title picture of the data files, for is_title.
load_title_picture() {
  picture_px title_picture "$DATA/intro.bmp"
  title_gaps title_picture >"$E2E_WORK/title_gaps.px"
}

# Checks a picture of a game at its start (actors at their start places,
# three lives, level 0, score 0): walls, every dot not under an actor, empty
# cells, score boxes, actors, spare lives and level fruit.  Prints one line
# per fault; prints nothing when the picture is right.
check_start_picture() {
  local layout
  layout=$(IFS=,; echo "${MAZE_ROWS[*]}")
  px_check "$1" 0 479 '
    function fault(msg) { if (++faults <= 12) print msg; else if (faults == 13) print "..." }
    # Player (240, 304) and the four ghosts (drawn at 241, 161): their 32x32
    # boxes may hide what lies under them.
    function hidden(x0, y0, x1, y1) {
      return (x1 >= 240 && x0 <= 271 && y1 >= 304 && y0 <= 335) ||
             (x1 >= 241 && x0 <= 272 && y1 >= 161 && y0 <= 192)
    }
    function code(r, c) { return (r < 0 || r >= rows || c < 0 || c >= 32) ? 0 : substr(M[r + 1], c + 1, 1) + 0 }
    END {
      rows = split(layout, M, ",")
      for (r = 0; r < rows; r++) for (c = 0; c < 32; c++) {
        x = 16 * c; y = 16 * r; k = code(r, c)
        if (k == 2) dots++
        if (k == 1 && !hidden(x, y, x + 15, y + 15) && !all("wall", x, y, x + 15, y + 15))
          fault("wall block at row " r " column " c " is not all wall colour (" count("wall", x, y, x + 15, y + 15) "/256)")
        if (k >= 4 && k <= 9 && count("wall", x, y, x + 15, y + 15) == 0)
          fault("wall piece " k " at row " r " column " c " has no pixel of wall colour")
        if (k == 2 && !hidden(x, y, x + 4, y + 4)) {
          seen++
          if (!all("white", x, y, x + 3, y + 3))
            fault("dot at row " r " column " c " is not a white 4x4 square at (" x "," y ")")
          else if (!all("black", x + 4, y, x + 4, y + 4) || !all("black", x, y + 4, x + 3, y + 4))
            fault("dot at row " r " column " c " is bigger than 4x4")
        }
        if (k == 0 && r < rows && !hidden(x, y, x + 15, y + 15)) {
          near = 0
          for (dr = -1; dr <= 1; dr++) for (dc = -1; dc <= 1; dc++) if (code(r + dr, c + dc) >= 3) near = 1
          if (!near && !all("black", x, y, x + 15, y + 15))
            fault("empty cell at row " r " column " c " is not black")
        }
      }
      if (dots != 194) fault("layout in the test holds " dots " dots, not 194")
      if (seen != 192) fault("checked " seen " dots, expected 192 not under an actor")
      # Score boxes: light-yellow frames of 88x32 at (530, 88) and (530, 120).
      for (b = 88; b <= 120; b += 32) {
        if (!all("cream", 530, b, 617, b + 7) || !all("cream", 530, b + 24, 617, b + 31) ||
            !all("cream", 530, b + 8, 537, b + 23) || !all("cream", 610, b + 8, 617, b + 23))
          fault("score box frame at y " b " is not all light yellow")
        if (count("white", 538, b + 8, 609, b + 15) < 12) fault("score box at y " b " has no label")
        if (count("cream", 562, b + 16, 569, b + 23) < 6) fault("score box at y " b " shows no number at (562," b + 16 ")")
        if (count("cream", 570, b + 16, 609, b + 23) != 0) fault("score box at y " b " shows more than one digit")
      }
      if (!all("black", 512, 0, 639, 87) || !all("black", 512, 152, 639, 447) || !all("black", 512, 88, 529, 151) ||
          !all("black", 618, 88, 639, 151))
        fault("the area right of the maze is not black outside the score boxes")
      if (count("lit", 240, 304, 271, 335) < 100) fault("no player at its start (240,304)")
      if (count("lit", 241, 161, 272, 192) - count("wall", 241, 161, 272, 192) < 100) fault("no ghosts at home (241,161)")
      if (count("lit", 0, 448, 31, 479) < 100 || count("lit", 32, 448, 63, 479) < 100)
        fault("two spare lives are not shown at (0,448) and (32,448)")
      if (!all("black", 64, 448, 479, 479)) fault("something besides two spare lives and one fruit in the bottom strip")
      if (count("lit", 480, 452, 511, 479) < 20) fault("no level fruit at (480,452)")
    }' -v layout="$layout"
}

# Presses space on the title and waits for the maze; the start picture is
# left in the shot "start" and its score digits in SCORE_ZERO.
start_game() {
  press space
  poll_shot start is_maze 3 || e2e_fail "space on the title did not bring up the maze within 3 s"
  SCORE_ZERO=$(number_pattern start score)
}

# Waits (up to $1 seconds) until the score on screen is no longer the one of
# the start picture: the player has eaten something.
score_moved() { [ "$(number_pattern "$1" score)" != "$SCORE_ZERO" ]; }
play_until_score() {
  poll_shot play score_moved "$1" || e2e_fail "the score did not go up within $1 s of play"
}

# Presses the window's close button: the WM_DELETE_WINDOW message a window
# manager sends.  The helper comes built as $E2E_CLOSE_WINDOW or is built
# here from close_window.cpp.
press_close_button() {
  if [ -z "${E2E_CLOSE_WINDOW:-}" ]; then
    E2E_CLOSE_WINDOW=$E2E_WORK/close_window
    "${CXX:-c++}" -std=c++17 -o "$E2E_CLOSE_WINDOW" "$E2E_DIR/close_window.cpp" -lX11 >"$E2E_WORK/cc.log" 2>&1 ||
      e2e_fail "cannot build the close-button helper: $(head -5 "$E2E_WORK/cc.log")"
  fi
  "$E2E_CLOSE_WINDOW" "$WIN" || e2e_fail "cannot send the close message to window $WIN"
}
