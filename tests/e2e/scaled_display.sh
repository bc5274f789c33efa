#!/usr/bin/env bash
# On a 1920x1080 desktop of 24 bits: --help, --version and a bad option; the window is 1280x960 by
# default, its picture made of 2x2 blocks and, halved, the same as the 640x480 window's (--scale 1)
# at the same moment; the walls stop the player; F1 gives a full screen with the picture at (320, 60), black around it, and a
# second F1 the 1280x960 window again; the " GAME OVER " box is scaled too.
. "$(dirname "$0")/lib.sh"
E2E_SCREEN=1920x1080x24
e2e_begin 90 "$@"

# The command line: status, and what goes to which stream.
run_options() { "$GOBBLER" "$@" >"$WORK/opt.out" 2>"$WORK/opt.err" </dev/null; OPT_RC=$?; }
run_options --help
[ "$OPT_RC" = 0 ] && head -n 1 "$WORK/opt.out" | grep -q '^Usage: gobbler \[--window | --fullscreen\] \[--scale N\]' &&
  grep -q F1 "$WORK/opt.out" && [ ! -s "$WORK/opt.err" ] || e2e_fail "--help: status $OPT_RC, $(head -c 300 "$WORK/opt.err")"
run_options --version
[ "$OPT_RC" = 0 ] && grep -qx 'gobbler [0-9]*\.[0-9]*\.[0-9]*' "$WORK/opt.out" && [ ! -s "$WORK/opt.err" ] ||
  e2e_fail "--version: status $OPT_RC, printed \"$(cat "$WORK/opt.out")\""
for bad in "--scale 9" "--scale" "--big" "--window extra"; do
  run_options $bad
  [ "$OPT_RC" = 2 ] && [ ! -s "$WORK/opt.out" ] && head -n 1 "$WORK/opt.err" | grep -q '^gobbler: ' &&
    sed -n 2p "$WORK/opt.err" | grep -q '^Usage: gobbler' || e2e_fail "$bad: status $OPT_RC, not one line and the usage"
done

size_of() { xwininfo -id "$1" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }'; }
# Shot $1 of window $2, $3 (WxH) large: $WORK/$1.rgb.
grab_big() {
  rm -f "$WORK/$1".* && timeout 5 import -window "$2" -depth 8 "rgb:$WORK/$1.rgb" 2>/dev/null &&
    [ "$(stat -c %s "$WORK/$1.rgb")" = $((${3%x*} * ${3#*x} * 3)) ]
}
# Cuts the WxH+X+Y area $3 out of the $2 (WxH) shot $1 into shot $1.$4.
cut() { convert -size "$2" -depth 8 "rgb:$WORK/$1.rgb" -crop "$3" +repage -depth 8 "rgb:$WORK/$1.$4.rgb"; }
# The 1280x960 shot $1 is made of 2x2 blocks: halved ($1.half, with its pixels) and doubled back it is
# the same.
halve() {
  convert -size 1280x960 -depth 8 "rgb:$WORK/$1.rgb" -sample 50% -depth 8 "rgb:$WORK/$1.half.rgb" && to_px "$1.half"
}
blocks_2x2() {
  convert -size 640x480 -depth 8 "rgb:$WORK/$1.half.rgb" -sample 200% -depth 8 "rgb:$WORK/$1.back.rgb" &&
    cmp -s "$WORK/$1.rgb" "$WORK/$1.back.rgb"
}
big_window_shot() { grab_big "$1" "$WIN" 1280x960 && halve "$1"; }
big_passes() { big_window_shot "$1" && "$2" "$1.half"; }

# The same moment at scale 1: the first picture of a game, held through the start jingle.
launch --scale 1
within 10 window_up || e2e_fail "no window with --scale 1"
[ "$(size_of "$WIN")" = 640x480 ] || e2e_fail "--scale 1 opened a $(size_of "$WIN") window"
pointer_at 320 240
poll_shot title is_title 5 || e2e_fail "the title picture is not on screen at --scale 1"
start_game
# The picture held still: a shot taken while it came in may hold part of the title.
held() { shot again && is_maze again && cmp -s "$WORK/start.rgb" "$WORK/again.rgb" || { cp "$WORK/again.rgb" "$WORK/start.rgb"; false; }; }
within 2 held || e2e_fail "the start picture at --scale 1 did not hold still"
to_px start
faults=$(check_start_picture start) && [ -z "$faults" ] || e2e_fail "start picture at --scale 1: $faults"
cp "$WORK/start.rgb" "$WORK/small.rgb"
# The walls block on a 24-bit screen too (the pictures are loaded as 5-6-5): with no key held the
# player runs left from x 240 and stops at the maze's left wall, its 32x32 square at x 16.
player_at_wall() {
  px_ok "$1" 304 335 'function player(x0, x1,    x, y, n) { for (y = 304; y <= 335; y++) for (x = x0; x <= x1; x++)
      n += !is("black", y * 640 + x) && !is("wall", y * 640 + x) && !is("white", y * 640 + x); return n }
    END { print (player(16, 47) >= 200 && player(0, 15) == 0 && player(48, 271) == 0) }'
}
poll_shot wall player_at_wall 10 || e2e_fail "the player did not stop at the wall left of its start"
kill "$GAME_PID" && wait "$GAME_PID" 2>/dev/null; GAME_PID=""

# The default window.
fresh_data && launch
within 10 window_up || e2e_fail "no visible window titled \"Gobbler\" within 10 s"
[ "$(size_of "$WIN")" = 1280x960 ] || e2e_fail "the default window is $(size_of "$WIN"), not 1280x960"
pointer_at 640 480
within 5 big_passes title is_title || e2e_fail "the title picture is not on screen in the 1280x960 window"
press space
# Within the start jingle's pause, halved, the same as at scale 1.
same_as_small() { big_window_shot start && cmp -s "$WORK/start.half.rgb" "$WORK/small.rgb"; }
within 3 same_as_small || e2e_fail "the 1280x960 start picture, halved, differs from the 640x480 one in" \
  "$(cmp -l "$WORK/start.half.rgb" "$WORK/small.rgb" | wc -l) bytes"
blocks_2x2 start || e2e_fail "the 1280x960 picture is not made of 2x2 blocks"

# Wall pixels of a 640x480 shot, as a list of their places: the walls never change, and the actors
# never cover them, so any two pictures of a game agree on it.
walls() { awk '$1 >= 232 && $2 >= 232 && $3 <= 24 { print NR }' "$WORK/$1.px"; }
convert -size 640x480 -depth 8 "rgb:$WORK/small.rgb" -depth 8 "rgb:$WORK/small.rgb" && to_px small
walls small >"$WORK/small.walls"

# F1: the full screen, the picture at (320, 60) and as large as fits, black around it.
sleep 3  # the game runs after the jingle
press F1
full_up() {
  local id && for id in $(xwininfo -root -tree | awk '/ 1920x1080\+0\+0/ { print $1 }'); do
    xwininfo -id "$id" | grep -q IsViewable && return 0; done; return 1
}
within 5 full_up || e2e_fail "F1 did not bring up a 1920x1080 full screen"
pointer_at 960 540
full_shot() {
  grab_big full root 1920x1080 && cut full 1920x1080 1280x960+320+60 pic && halve full.pic && is_maze full.pic.half
}
within 3 full_shot || e2e_fail "the maze is not in the full screen at (320, 60)"
blocks_2x2 full.pic || e2e_fail "the full-screen picture is not made of 2x2 blocks"
walls full.pic.half | cmp -s - "$WORK/small.walls" || e2e_fail "the full-screen picture is not at (320, 60)"
lit=$(convert -size 1920x1080 -depth 8 "rgb:$WORK/full.rgb" -fill black -draw 'rectangle 320,60 1599,1019' \
  -format '%[fx:maxima.r + maxima.g + maxima.b]' info:) && [ "$lit" = 0 ] ||
  e2e_fail "the full screen is not black around the picture"

# A second F1: the 1280x960 window again.
sleep 1
press F1
back_up() { ! full_up && window_up && [ "$(size_of "$WIN")" = 1280x960 ]; }
within 5 back_up || e2e_fail "a second F1 did not bring back the 1280x960 window"
pointer_at 640 480
within 3 big_passes back is_maze || e2e_fail "the maze is not in the window after the second F1"
blocks_2x2 back && walls back.half | cmp -s - "$WORK/small.walls" || e2e_fail "the picture in the window is not scaled 2x"
press Escape
within 3 big_passes over is_game_over || e2e_fail "Escape did not show the \" GAME OVER \" box, scaled"
blocks_2x2 over || e2e_fail "the \" GAME OVER \" box is not made of 2x2 blocks"
within 5 big_passes back is_title || e2e_fail "the title did not come back after the game"
press Escape
exits_0 "Escape on the title"
e2e_pass
