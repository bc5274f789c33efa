# The end-to-end machinery: a private X server, the game in a copy of the data
# files, key presses, screenshots and pixel checks.
set -u
E2E_SCENARIO=$(basename "$0" .sh) E2E_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
XVFB_PID="" GAME_PID="" SIDE_PIDS="" WORK="" RUNS=0 WIN="" CROP="" E2E_ARGS=("$@")
e2e_pass() { echo "[$E2E_SCENARIO] PASS"; exit 0; }
e2e_fail() { echo "FAIL [$E2E_SCENARIO]: $*" >&2; grep -hsv '^ALSA lib' "$WORK"/err.* >&2; exit 1; }
alive() { local s; s=$(ps -o stat= -p "$1" 2>/dev/null) && [[ $s != Z* ]]; }
within() {  # runs "$@" every 0.1 s until it succeeds, for at most $1 seconds
  local end=$((${EPOCHREALTIME//[!0-9]/} + $1 * 1000000)) && shift
  until "$@"; do [ "${EPOCHREALTIME//[!0-9]/}" -lt $end ] && sleep 0.1 || return 1; done
}
e2e_cleanup() {
  trap - EXIT TERM INT
  for p in $GAME_PID $SIDE_PIDS $XVFB_PID; do kill "$p" 2>/dev/null && { within 1 eval "! alive $p" || kill -KILL "$p"; }; done
  wait 2>/dev/null; rm -rf "$WORK"
}
# e2e_begin <time-limit> <gobbler> <data-dir>: re-runs the script under a time limit (whatever it
# started is stopped however it ends), starts an X server (E2E_SCREEN, default 800x600x16), copies
# the data files. The server never resets: one resetting as its last client leaves refuses whoever
# connects meanwhile (the next game, a window manager, a screenshot).
e2e_begin() {
  GOBBLER=$(realpath "$2") DATA=$(realpath "$3")
  [ -n "${E2E_UNDER_LIMIT:-}" ] || E2E_UNDER_LIMIT=$1 exec timeout -s TERM -k 10 "$1" bash "$0" "${E2E_ARGS[@]}"
  WORK=$(mktemp -d "${TMPDIR:-/tmp}/gobbler-e2e.XXXXXX") || exit 1
  trap e2e_cleanup EXIT && trap 'e2e_fail "time limit reached"' TERM && trap 'e2e_fail interrupted' INT
  Xvfb -displayfd 3 -screen 0 "${E2E_SCREEN:-800x600x16}" -nolisten tcp -noreset 3>"$WORK/display" 2>"$WORK/xvfb.log" &
  XVFB_PID=$!
  within 10 grep -q . "$WORK/display" || e2e_fail "Xvfb did not start: $(tail -3 "$WORK/xvfb.log")"
  export DISPLAY=":$(tr -dc 0-9 <"$WORK/display")"
  convert "$DATA/intro.bmp" -depth 8 "rgb:$WORK/intro.rgb" && to_px intro || e2e_fail "cannot read intro.bmp"
  title_gaps intro >"$WORK/title_gaps.px"
  fresh_data
}
# Skips the scenario (status 77) when one of the programs "$@" is not installed.
needs() { local t && for t; do command -v "$t" >/dev/null || { echo "[$E2E_SCENARIO] SKIP: no $t"; exit 77; }; done; }
# A window manager or compositor "$@" on the X server, stopped with it (SIDE: its process).
beside() { "$@" >"$WORK/$1.out" 2>&1 & SIDE=$! SIDE_PIDS="$SIDE_PIDS $!"; }
stop_side() { kill "$SIDE" && wait "$SIDE" 2>/dev/null; SIDE_PIDS=${SIDE_PIDS/ $SIDE/}; }
start_openbox() {
  beside openbox && within 10 eval 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' ||
    e2e_fail "openbox did not start: $(tail -3 "$WORK/openbox.out")"
}
# weston in a window of the X server, with XWayland: the game goes on XWayland's display and keys are
# typed into weston's window (on KEYS_DISPLAY), so that they reach the game through the compositor.
start_weston() {
  local size && size=$(xdpyinfo | awk '/dimensions:/ { print $2 }')
  mkdir -m 700 "$WORK/xdg" && XDG_RUNTIME_DIR=$WORK/xdg beside weston --backend=x11-backend.so --use-pixman \
    --width="${size%x*}" --height="${size#*x}" --idle-time=0 --xwayland --socket=gobbler --log="$WORK/weston.log"
  within 10 grep -qs 'xserver listening on display' "$WORK/weston.log" || e2e_fail "weston did not start"
  KEYS_DISPLAY=$DISPLAY DISPLAY=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$WORK/weston.log")
  keys mousemove $((${size%x*} / 2)) $((${size#*x} / 2))
}
fresh_data() { RUN_DIR=$(mktemp -d "$WORK/data.XXXXXX") && cp "$DATA"/*.{bmp,wav} "$RUN_DIR" || e2e_fail "no $DATA"; }
launch() {  # "$@": the program's options
  RUNS=$((RUNS + 1))
  (cd "$RUN_DIR" && exec "$GOBBLER" "$@" >"$WORK/out.$RUNS" 2>"$WORK/err.$RUNS" </dev/null) &
  GAME_PID=$!
}
# Waits up to $1 s for the game to end (else fails with $2); its status in GOB_RC.
wait_exit() { within "$1" eval '! alive $GAME_PID' || e2e_fail "$2"; wait "$GAME_PID"; GOB_RC=$? GAME_PID=""; }
exits_0() {  # $1: what ends the program, within 5 s and with status 0
  wait_exit 5 "$1 did not end the program within 5 s"
  [ "$GOB_RC" = 0 ] || e2e_fail "$1 ended the program with status $GOB_RC, not 0"
}
fails_to_start() {  # $1: what is wrong; status 1 and one line on stderr matching the pattern $2
  launch && wait_exit 5 "$1: the program went on for 5 s"
  local err && err=$(grep -v '^ALSA lib' "$WORK/err.$RUNS")
  [ "$GOB_RC" = 1 ] && [ "$(grep -c . <<<"$err")" = 1 ] && [[ $err == $2 ]] || e2e_fail "$1: status $GOB_RC: $err"
}
window_up() {  # WIN: the game's visible window titled "Gobbler"
  alive "$GAME_PID" || { wait "$GAME_PID"; e2e_fail "the program ended (status $?) instead of opening its window"; }
  WIN=$(xdotool search --onlyvisible --name '^Gobbler$' 2>/dev/null | head -n 1) && [ -n "$WIN" ]
}
# The pointer to x=$1 y=$2, waited for (mousemove --sync waits for ever when it is there already).
pointer_at() {
  xdotool mousemove "$1" "$2" >/dev/null 2>&1 && within 2 eval "xdotool getmouselocation | grep -q '^x:$1 y:$2 '"
}
open_title() {  # "$@": the program's options
  launch "$@"
  within 10 window_up || e2e_fail "no visible window titled \"Gobbler\" within 10 s"
  pointer_at 320 240
  poll_shot title is_title 5 || e2e_fail "the title picture is not on screen"
}
# The game reads the keyboard once a frame: a key stays down a few frames.
press() { keys keydown "$1" && sleep 0.15 && keys keyup "$1" || e2e_fail "cannot press $1"; }
keys() { DISPLAY=${KEYS_DISPLAY:-$DISPLAY} xdotool "$@"; }  # typed where a compositor reads them
# After F1 the picture may be in another window: WIN becomes the one on view, a 640x480 window or a
# full screen of the X server's size with the picture centred in it (CROP: where).
view_up() {
  local id size full && full=$(xdpyinfo | awk '/dimensions:/ { print $2 }')
  while read -r id size; do
    [ "$size" = 640x480 ] || [ "$size" = "$full" ] || continue
    xwininfo -id "$id" | grep -q IsViewable || continue
    WIN=$id CROP="" && [ "$size" = 640x480 ] && return 0
    CROP=640x480+$(((${full%x*} - 640) / 2))+$(((${full#*x} - 480) / 2)) && return 0
  done < <(xwininfo -root -tree | awk '{ for (i = 2; i <= NF; i++) if ($i ~ /^[0-9]+x[0-9]+\+/) {
    sub(/\+.*/, "", $i); print $1, $i } }' 2>/dev/null)
  return 1
}
# Shot $1 of the game's picture: one "r g b" line per pixel in $WORK/$1.px.
shot() { rm -f "$WORK/$1".* && { grab "$WORK/$1" || { view_up && grab "$WORK/$1"; }; } && to_px "$1"; }
grab() { timeout 3 import -window "$WIN" ${CROP:+-crop "$CROP" +repage} -depth 8 "rgb:$1.rgb" 2>/dev/null && [ "$(stat -c %s "$1.rgb")" = 921600 ]; }
to_px() { od -An -v -tu1 -w3 "$WORK/$1.rgb" >"$WORK/$1.px"; }
shot_passes() { shot "$1" && "$2" "$1"; }
poll_shot() { within "$3" shot_passes "$1" "$2"; }  # shot $1 until check $2 passes on it, at most $3 s

# Colour classes with room for a 16-bit screen seen through an 8-bit dump.
AWK_LIB='
function is(kind, i) {  # black, or wall, white or cream
  return kind == "black" ? R[i] <= 24 && G[i] <= 24 && B[i] <= 24 : R[i] >= 232 && G[i] >= 232 &&
    (kind == "wall" ? B[i] <= 24 : kind == "white" ? B[i] >= 232 : B[i] >= 168 && B[i] <= 216) }
function count(kind, x0, y0, x1, y1,    x, y, n) {
  for (y = y0; y <= y1; y++) for (x = x0; x <= x1; x++) n += is(kind, y * 640 + x); return n + 0 }
function all(kind, x0, y0, x1, y1) { return count(kind, x0, y0, x1, y1) == (x1 - x0 + 1) * (y1 - y0 + 1) }'
# Runs the awk END program given last (awk options before it) on rows $2 to
# $3 of shot $1, its pixels in R, G, B.
px_check() {
  local name=$1 first=$(($2 * 640 + 1)) last=$((($3 + 1) * 640)) && shift 3
  awk -v first="$first" -v last="$last" "${@:1:$#-1}" "$AWK_LIB"'
    NR > last { exit }
    NR >= first { R[NR - 1] = $1; G[NR - 1] = $2; B[NR - 1] = $3 }'"${!#}" "$WORK/$name.px" ||
    echo "pixel check on $name could not run"
}
px_ok() { [ "$(px_check "$@")" = 1 ]; }  # the END program printed 1
# The title: the rows between the parade rows (y 0-5, 64-69, 128-133, 448-479)
# hold exactly the title picture.
title_gaps() { sed -n '1,3840p;40961,44800p;81921,85760p;286721,307200p' "$WORK/$1.px"; }
is_title() {
  title_gaps "$1" | paste -d ' ' "$WORK/title_gaps.px" - | awk '{ n++
    bad += ($1 - $4) ^ 2 > 144 || ($2 - $5) ^ 2 > 144 || ($3 - $6) ^ 2 > 144 } END { exit !(n == 32000 && !bad) }'
}
# The " GAME OVER " box: an 88x24 white frame at (212, 160) round dark letters.
is_game_over() {
  px_ok "$1" 160 183 'END { print (all("white", 212, 160, 299, 167) && all("white", 212, 176, 299, 183) &&
    all("white", 212, 168, 219, 175) && all("white", 292, 168, 299, 175) &&
    count("black", 220, 168, 291, 175) >= 40 && count("white", 220, 168, 291, 175) >= 200) }'
}
# The " PAUSED " box: a 64x24 white frame at (224, 160) round dark letters.
is_paused() {
  px_ok "$1" 160 183 'END { print (all("white", 224, 160, 287, 167) && all("white", 224, 176, 287, 183) &&
    all("white", 224, 168, 231, 175) && all("white", 280, 168, 287, 175) &&
    count("black", 232, 168, 279, 175) >= 30 && count("white", 232, 168, 279, 175) >= 150) }'
}
# The game picture: the long wall bar of row 0 and a block of row 12.
is_maze() { px_ok "$1" 0 207 'END { print all("wall", 48, 0, 463, 15) && all("wall", 16, 192, 31, 207) }'; }
# The pixels of the number in the "Score" box ($2 = score) or "Hi Score" box ($2 = hi).
number_pattern() {
  local y0=$([ "$2" = hi ] && echo 104 || echo 136)
  px_check "$1" "$y0" $((y0 + 7)) -v y0="$y0" 'END {
    for (y = y0; y < y0 + 8; y++) for (x = 546; x < 610; x++) s = s (is("cream", y * 640 + x) ? "#" : "."); print s }'
}
# Faults of the picture of a game at its start, one a line: every wall block
# all wall colour, every wall piece with some, every dot not under an actor
# (the player at (240,304), the ghosts at (241,161)) a white 4x4 square.
check_start_picture() {
  px_check "$1" 0 447 -v layout="$(grep -o '[0-9]\{32\}' "$E2E_DIR/../../src/game/game_state.cpp" | tr '\n' ' ')" '
    function hidden(x, y, s) {
      return x + s >= 240 && (x <= 271 && y + s >= 304 && y <= 335 || x <= 272 && y + s >= 161 && y <= 192) }
    function fault(msg) { if (++faults <= 12) print msg " at row " r " column " c }
    END {
      for (r = 0; r < split(layout, M, " "); r++) for (c = 0; c < 32; c++) {
        x = 16 * c; y = 16 * r; k = substr(M[r + 1], c + 1, 1) + 0
        if (k == 1 && !hidden(x, y, 15) && !all("wall", x, y, x + 15, y + 15)) fault("wall block not all wall colour")
        if (k >= 4 && !count("wall", x, y, x + 15, y + 15)) fault("wall piece without wall colour")
        if (k == 2 && !hidden(x, y, 4) && ++seen && !(all("white", x, y, x + 3, y + 3) &&
            all("black", x + 4, y, x + 4, y + 4) && all("black", x, y + 4, x + 3, y + 4)))
          fault("dot not a white 4x4 square")
      }
      if (seen != 192) print "saw " seen " dots, not the 192 that are not under an actor"
    }'
}
# Space on the title brings up the maze: the start picture in shot "start".
start_game() {
  press space
  poll_shot start is_maze 3 || e2e_fail "space on the title did not bring up the maze within 3 s"
  SCORE_ZERO=$(number_pattern start score)
}
moving() { ! cmp -s "$WORK/start.rgb" "$WORK/$1.rgb"; }
# The high score file $1 after a game that scored: 4 bytes, a positive score.
hi_file_ok() {
  local v && v=$(od -An -t d4 --endian=little "$1" | tr -d ' ') && [ "$(stat -c %s "$1")" = 4 ] && [ "$v" -gt 0 ] &&
    [ $((v % 10)) = 0 ] && [ ! -e "$1.new" ] || e2e_fail "after a game that scored $1 holds \"$v\" (or $1.new is left)"
}
# From the title: a game with some dots eaten, Escape, then Escape on the title; the high score
# and the game's recording then land in game directory $1, which holds nothing else.
play_a_game_and_quit() {
  open_title
  start_game
  poll_shot play score_moved 8 || e2e_fail "the score did not go up"
  press Escape
  poll_shot back is_title 8 || e2e_fail "the title did not come back after Escape"
  press Escape
  exits_0 "Escape on the title"
  hi_file_ok "$1/gobbler.hi"
  local left && left=$(cd "$1" && ls -A)
  [ "$left" = "gobbler.hi"$'\n'"gobbler.rec" ] ||
    e2e_fail "the game directory holds other than the high score and its game: $(tr '\n' ' ' <<<"$left")"
}
score_is() { [ "$(number_pattern "$1" score)" = "$2" ]; }
score_moved() { ! score_is "$1" "$SCORE_ZERO"; }
# Builds the X client tests/e2e/$1.cpp once, linked with the libraries "${@:2}".
x_helper() {
  [ -x "$WORK/$1" ] || "${CXX:-c++}" -o "$WORK/$1" "$E2E_DIR/$1.cpp" "${@:2}" >"$WORK/cc.log" 2>&1 ||
    e2e_fail "cannot build the helper $1: $(head -5 "$WORK/cc.log")"
}
# The window's close button: the message a window manager sends.
press_close_button() {
  x_helper close_window -lX11
  "$WORK/close_window" "$WIN" || e2e_fail "cannot send the close message to window $WIN"
}
# Key $1 pressed and released at once, within one frame.
tap_key() { x_helper tap_key -lX11 -lXtst && "$WORK/tap_key" "$1" || e2e_fail "cannot tap $1"; }
