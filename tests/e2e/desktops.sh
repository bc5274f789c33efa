#!/usr/bin/env bash
# Full screen as the window manager's. Under weston with XWayland, keys typed into the compositor act in
# it (a game, Escape, F1 back to the window, Escape on the title). Under openbox: the window's class and
# icon, the game going on through F1, the window back where it was moved, another window's focus pausing
# it, and the window manager's close ending it with the better score saved.
. "$(dirname "$0")/lib.sh"
needs weston Xwayland openbox wmctrl
E2E_SCREEN=800x600x24
e2e_begin 120 "$@"

geometry() { xwininfo -id "$WIN" | awk '/Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
  /Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h "+" x "+" y }'; }
full() { xprop -id "$WIN" _NET_WM_STATE | grep -q _NET_WM_STATE_FULLSCREEN && [ "$(geometry)" = 800x600+0+0 ]; }
window() { ! xprop -id "$WIN" _NET_WM_STATE | grep -q FULLSCREEN && [[ $(geometry) == 640x480+* ]]; }
# F1 (acting once the last one is up 0.75 s), then the game's window is $1 (full or window), its
# picture in the middle of it.
f1_gives() {
  sleep 1 && press F1 && within 5 "$1" || e2e_fail "F1 did not give the $1: $(geometry), $(xprop -id "$WIN" _NET_WM_STATE)"
  CROP=$([ "$1" = full ] && echo 640x480+80+60)
}

start_weston
open_title
f1_gives full
poll_shot full_title is_title 5 || e2e_fail "the title is not in the middle of the full screen under weston"
start_game
poll_shot play score_moved 8 || e2e_fail "the score did not go up in full screen under weston"
press Escape
poll_shot over is_game_over 3 || e2e_fail "Escape in a full-screen game under weston did not end it"
poll_shot back is_title 8 || e2e_fail "the title did not come back in full screen under weston"
f1_gives window
poll_shot window_title is_title 5 || e2e_fail "the title is not in the window after F1 under weston"
f1_gives full
press Escape
exits_0 "Escape on the title in full screen under weston"
stop_side && DISPLAY=$KEYS_DISPLAY && unset KEYS_DISPLAY

start_openbox
fresh_data && open_title
xprop -id "$WIN" WM_CLASS | grep -q '= "gobbler", "Gobbler"$' && xprop -id "$WIN" WM_HINTS | grep -q 'to use for icon' ||
  e2e_fail "the window's class or icon: $(xprop -id "$WIN" WM_CLASS WM_HINTS)"
xdotool windowmove "$WIN" 50 40 && sleep 0.5 && place=$(geometry)
start_game
poll_shot play score_moved 8 || e2e_fail "the score did not go up under openbox"
f1_gives full
# The switch's own focus changes do not pause the game.
sleep 1 && shot f1 && sleep 0.5 && shot f2 && ! cmp -s "$WORK/f1.rgb" "$WORK/f2.rgb" && ! is_paused f2 ||
  e2e_fail "the game stopped after F1 under openbox"
f1_gives window
[ "$(geometry)" = "$place" ] || e2e_fail "F1 twice put the window moved to $place at $(geometry)"
f1_gives full
# Another window taking the focus pauses the full-screen game; the window manager's close ends it.
sleep 1
xmessage -name focus_thief focus >/dev/null 2>&1 &
SIDE_PIDS="$SIDE_PIDS $!"
within 5 eval 'xdotool search --onlyvisible --classname "^focus_thief$" windowactivate >/dev/null 2>&1' &&
  poll_shot thief is_paused 3 || e2e_fail "another window taking the focus did not pause the full-screen game"
wmctrl -c Gobbler
poll_shot closed is_game_over 3 || e2e_fail "the window manager's close in full screen did not end the game"
exits_0 "the window manager's close in full screen"
hi_file_ok "$RUN_DIR/gobbler.hi"
e2e_pass
