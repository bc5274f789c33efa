# The end-to-end scenarios' machinery: a private X server, the game in a copy
# of the data files, key presses, screenshots and pixel checks. A scenario
# calls `e2e_begin <time-limit> <gobbler> <data-dir>` first.
set -u
E2E_SCENARIO=$(basename "$0" .sh)
E2E_DIR=$(cd "$(dirname "$0")" && pwd)
XVFB_PID="" GAME_PID="" WORK="" RUNS=0 WIN=""

# The level layout as the player sees it, two rows a line, a digit per
# 16-pixel cell: 0 empty, 1 wall block, 2 dot, 3 power pill, 4-9 wall pieces.
MAZE_ROWS=(
  61111111111111111111111111111117 10000000000000000000000000000001
  10322222222222222222222222222231 10261111117026111170261111117021
  10210000001021000010210000001021 10210000001021000010210000001021
  10291111118029111180291111118021 10200000000020000000200000000021
  10222222222220000000222222222221 91402611700611400511700611702518
  00002100100100000000100100102000 00002100100100000000100100102000
  51702100100911111111800100102614 00102100100000000000000100102100
  00102100100000000000000100102100 00102911800511111111400911802100
  00102000000000000000000000002100 00102222222222222222222222222100
  61802511114025111140251111402917 10002000000020000000200000002001
  10222222222222222222222222222221 10261111117026111170261111117021
  10210000001021000010210000001021 10210000001021000010210000001021
  10291111118029111180291111118021 10200000000020000000200000000021
  10322222222222222222222222222231 91111111111111111111111111111118
)

e2e_pass() { echo "[$E2E_SCENARIO] PASS"; exit 0; }
e2e_fail() {
  echo "FAIL [$E2E_SCENARIO]: $*" >&2
  grep -hv '^ALSA lib' "$WORK"/err.* >&2 2>/dev/null  # the game's own complaints
  exit 1
}

alive() { local s; s=$(ps -o stat= -p "$1" 2>/dev/null) && [[ $s != Z* ]]; }
now_ds() { local up; read -r up _ </proc/uptime; up=${up/./}; echo $((10#$up / 10)); }  # tenths of a second
# Runs "$@" every 0.1 s until it succeeds, for at most $1 seconds.
within() {
  local limit=$(($1 * 10)) start
  start=$(now_ds) && shift
  until "$@"; do [ $(($(now_ds) - start)) -lt "$limit" ] && sleep 0.1 || return 1; done
}
stop_pid() { [ -z "$1" ] || ! kill "$1" 2>/dev/null || within 1 eval "! alive $1" || kill -KILL "$1" 2>/dev/null; }
e2e_cleanup() {
  trap - EXIT TERM INT
  for pid in "$GAME_PID" "$XVFB_PID"; do stop_pid "$pid"; done
  wait 2>/dev/null
  [ -z "$WORK" ] || rm -rf "$WORK"
}

# Re-runs the script under a hard time limit (whatever it started is stopped
# however it ends), starts an X server on a free display, copies the data.
e2e_begin() {
  local limit=$1 tool
  shift
  [ -n "${E2E_UNDER_LIMIT:-}" ] || E2E_UNDER_LIMIT=$limit exec timeout -s TERM -k 10 "$limit" bash "$0" "$@"
  [ $# -eq 2 ] || { echo "usage: $0 <gobbler-binary> <data-dir>" >&2; exit 2; }
  GOBBLER=$(realpath "$1") DATA=$(realpath "$2")
  for tool in Xvfb xdotool xwininfo import convert od awk ps; do
    command -v "$tool" >/dev/null || { echo "FAIL [$E2E_SCENARIO]: $tool is not installed" >&2; exit 1; }
  done
  WORK=$(mktemp -d "${TMPDIR:-/tmp}/gobbler-e2e.XXXXXX") || exit 1
  trap e2e_cleanup EXIT
  trap 'e2e_fail "time limit of ${E2E_UNDER_LIMIT}s reached"' TERM
  trap 'e2e_fail "interrupted"' INT
  Xvfb -displayfd 3 -screen 0 800x600x16 -nolisten tcp 3>"$WORK/display" 2>"$WORK/xvfb.log" &
  XVFB_PID=$!
  within 10 eval '[ "$(wc -l <"$WORK/display")" -ge 1 ]' ||
    e2e_fail "Xvfb did not start: $(tail -3 "$WORK/xvfb.log")"
  export DISPLAY=":$(tr -dc 0-9 <"$WORK/display")"
  [ -x "$GOBBLER" ] || e2e_fail "no program at $GOBBLER"
  convert "$DATA/intro.bmp" -depth 8 "rgb:$WORK/intro.rgb" || e2e_fail "cannot read intro.bmp"
  od -An -v -tu1 -w3 "$WORK/intro.rgb" >"$WORK/intro.px"
  title_gaps intro >"$WORK/title_gaps.px"
  fresh_data
}

# A fresh copy of the data files, in $RUN_DIR.
fresh_data() {
  RUN_DIR=$(mktemp -d "$WORK/data.XXXXXX") && cp -r "$DATA"/. "$RUN_DIR"/ || e2e_fail "cannot copy $DATA"
  rm -f "$RUN_DIR/gobbler.hi" "$RUN_DIR/gobbler.hi.new"
}

# Starts the game in $RUN_DIR, its output in out.N and err.N.
launch() {
  RUNS=$((RUNS + 1))
  (cd "$RUN_DIR" && exec "$GOBBLER" >"$WORK/out.$RUNS" 2>"$WORK/err.$RUNS" </dev/null) &
  GAME_PID=$!
}

# Waits up to $1 seconds for the game to end (else fails with $2); its exit
# status in GOB_RC.
wait_exit() {
  within "$1" eval '! alive $GAME_PID' || e2e_fail "$2"
  wait "$GAME_PID"
  GOB_RC=$? GAME_PID=""
}

# Sets WIN to the game's visible window titled "Gobbler".
window_up() {
  alive "$GAME_PID" || { wait "$GAME_PID"; e2e_fail "the program ended (status $?) instead of opening its window"; }
  WIN=$(xdotool search --onlyvisible --name '^Gobbler$' 2>/dev/null | head -n 1)
  [ -n "$WIN" ]
}
# Starts the game and waits for its window and the title picture in it.
open_title() {
  launch
  within 10 window_up || e2e_fail "no visible window titled \"Gobbler\" within 10 s"
  xdotool mousemove --sync 320 240 >/dev/null 2>&1
  poll_shot title is_title 5 || e2e_fail "the title picture is not on screen"
}

# The game looks at the keyboard once a frame: a key stays down a few frames.
press() { xdotool keydown "$1" && sleep 0.15 && xdotool keyup "$1" || e2e_fail "cannot press $1"; }

# After a switch to full screen the picture may be in another window: sets
# WIN to the 640x480 window on view.
view_up() {
  local id
  for id in $(xwininfo -root -tree 2>/dev/null | awk '/ 640x480\+/ { print $1 }'); do
    xwininfo -id "$id" 2>/dev/null | grep -q 'IsViewable' && WIN=$id && return 0
  done
  return 1
}

# Screenshot $1 of the game's picture: raw RGB in $WORK/$1.rgb, one "r g b"
# line per pixel in $WORK/$1.px.
grab() { timeout 3 import -window "$WIN" -depth 8 "rgb:$1.rgb" 2>/dev/null && [ "$(stat -c %s "$1.rgb")" = 921600 ]; }
shot() {
  rm -f "$WORK/$1.rgb" "$WORK/$1.px"
  grab "$WORK/$1" || { view_up && grab "$WORK/$1"; } || return 1
  od -An -v -tu1 -w3 "$WORK/$1.rgb" >"$WORK/$1.px"
}
# Takes shot $1 every 0.1 s until check $2 passes on it, for at most $3 s.
shot_passes() { shot "$1" && "$2" "$1"; }
poll_shot() { within "$3" shot_passes "$1" "$2"; }

# Colour classes with room for a 16-bit screen seen through an 8-bit dump.
AWK_LIB='
function ix(x, y) { return y * 640 + x }
function is(kind, i) {
  if (kind == "wall") return R[i] >= 232 && G[i] >= 232 && B[i] <= 24
  if (kind == "white") return R[i] >= 232 && G[i] >= 232 && B[i] >= 232
  if (kind == "black") return R[i] <= 24 && G[i] <= 24 && B[i] <= 24
  return R[i] >= 232 && G[i] >= 232 && B[i] >= 168 && B[i] <= 216  # cream
}
function count(kind, x0, y0, x1, y1,    x, y, n) {
  for (y = y0; y <= y1; y++) for (x = x0; x <= x1; x++) n += is(kind, ix(x, y))
  return n + 0
}
function all(kind, x0, y0, x1, y1) { return count(kind, x0, y0, x1, y1) == (x1 - x0 + 1) * (y1 - y0 + 1) }
'
# Runs the awk program given last (its END block checks; awk options may come
# before it) with the pixels of rows $2 to $3 of shot $1 in R, G, B.
px_check() {
  local name=$1 first=$(($2 * 640 + 1)) last=$((($3 + 1) * 640))
  shift 3
  awk -v first="$first" -v last="$last" "${@:1:$#-1}" "$AWK_LIB"'
    NR > last { exit }
    NR >= first { R[NR - 1] = $1; G[NR - 1] = $2; B[NR - 1] = $3 }'"${!#}" "$WORK/$name.px" ||
    echo "pixel check on $name could not run"
}

# The title: the rows between the parade rows (y 0-5, 64-69, 128-133,
# 448-479) hold exactly the title picture.
title_gaps() { sed -n '1,3840p;40961,44800p;81921,85760p;286721,307200p' "$WORK/$1.px"; }
is_title() {
  title_gaps "$1" | paste -d ' ' "$WORK/title_gaps.px" - | awk '
    { n++; if (($1 - $4) ^ 2 > 144 || ($2 - $5) ^ 2 > 144 || ($3 - $6) ^ 2 > 144) bad++ }
    END { exit !(n == 32000 && bad == 0) }'
}

# The " GAME OVER " box: 88x24 pixels of white at (212, 160) framing the dark
# letters of its middle line.
is_game_over() {
  [ "$(px_check "$1" 160 183 '
    END { print (all("white", 212, 160, 299, 167) && all("white", 212, 176, 299, 183) &&
            all("white", 212, 168, 219, 175) && all("white", 292, 168, 299, 175) &&
            count("black", 220, 168, 291, 175) >= 40 && count("white", 220, 168, 291, 175) >= 200) }')" = 1 ]
}

# The game picture: the long wall bar of row 0 and the blocks of row 12.
is_maze() {
  [ "$(px_check "$1" 0 207 '
    END { print all("wall", 48, 0, 463, 15) && all("wall", 16, 192, 31, 207) &&
            all("wall", 480, 192, 495, 207) }')" = 1 ]
}

# The pixels of the number in the "Score" box ($2 = score) or the "Hi Score"
# box ($2 = hi), as a string.
number_pattern() {
  local y0=$([ "$2" = hi ] && echo 104 || echo 136)
  px_check "$1" "$y0" $((y0 + 7)) -v y0="$y0" '
    END { for (y = y0; y < y0 + 8; y++) for (x = 546; x < 610; x++) s = s (is("cream", ix(x, y)) ? "#" : ".")
          print s }'
}

# Faults, one a line, of the picture of a game at its start: every wall block
# all wall colour, every wall piece with some, every dot not under an actor a
# white 4x4 square.
check_start_picture() {
  px_check "$1" 0 447 -v layout="${MAZE_ROWS[*]}" '
    # The player at (240,304) and the ghosts at (241,161) may hide what is under them.
    function hidden(x0, y0, x1, y1) {
      return x1 >= 240 && x0 <= 271 && y1 >= 304 && y0 <= 335 || x1 >= 241 && x0 <= 272 && y1 >= 161 && y0 <= 192
    }
    function fault(msg) { if (++faults <= 12) print msg }
    END {
      rows = split(layout, M, " ")
      for (r = 0; r < rows; r++) for (c = 0; c < 32; c++) {
        x = 16 * c; y = 16 * r; k = substr(M[r + 1], c + 1, 1) + 0
        if (k == 1 && !hidden(x, y, x + 15, y + 15) && !all("wall", x, y, x + 15, y + 15))
          fault("wall block at row " r " column " c " is not all wall colour")
        if (k >= 4 && count("wall", x, y, x + 15, y + 15) == 0)
          fault("wall piece at row " r " column " c " has no wall colour")
        if (k == 2 && !hidden(x, y, x + 4, y + 4) && ++seen && !(all("white", x, y, x + 3, y + 3) &&
            all("black", x + 4, y, x + 4, y + 4) && all("black", x, y + 4, x + 3, y + 4)))
          fault("dot at row " r " column " c " is not a white 4x4 square")
      }
      if (seen != 192) fault("saw " seen " dots, not the 192 that are not under an actor")
    }'
}

# Space on the title brings up the maze: the start picture in shot "start",
# its score digits in SCORE_ZERO.
start_game() {
  press space
  poll_shot start is_maze 3 || e2e_fail "space on the title did not bring up the maze within 3 s"
  SCORE_ZERO=$(number_pattern start score)
}
moving() { ! cmp -s "$WORK/start.rgb" "$WORK/$1.rgb"; }
score_moved() { [ "$(number_pattern "$1" score)" != "$SCORE_ZERO" ]; }

# The window's close button: the message a window manager sends.
press_close_button() {
  [ -x "$WORK/close_window" ] || "${CXX:-c++}" -o "$WORK/close_window" "$E2E_DIR/close_window.cpp" -lX11 \
    >"$WORK/cc.log" 2>&1 || e2e_fail "cannot build the close-button helper: $(head -5 "$WORK/cc.log")"
  "$WORK/close_window" "$WIN" || e2e_fail "cannot send the close message to window $WIN"
}
