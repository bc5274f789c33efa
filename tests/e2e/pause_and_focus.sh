#!/usr/bin/env bash
# P and Pause freeze the game under a " PAUSED " box and let it go on; F1 while paused shows the box in the
# new mode; the window losing the keyboard focus to another window pauses the game, and getting it back does not
# resume it; P, F1 and Escape tapped within one frame act once each; Escape ends a paused game.
. "$(dirname "$0")/lib.sh"
e2e_begin 90 "$@"
HELPER_PID=""
stop_helper() { [ -z "$HELPER_PID" ] || kill "$HELPER_PID" 2>/dev/null; wait "$HELPER_PID" 2>/dev/null; HELPER_PID=""; }
trap 'stop_helper; e2e_cleanup' EXIT

# Paused: shot $1 shows the box, and a second later shot $1b is the very same picture.
paused_still() {
  poll_shot "$1" is_paused 3 || e2e_fail "$2: no \" PAUSED \" box"
  is_maze "$1" || e2e_fail "$2: the maze is not under the box"
  sleep 1 && shot "$1b" && cmp -s "$WORK/$1.rgb" "$WORK/$1b.rgb" || e2e_fail "$2: the picture moved while paused"
}
moves_on() {  # after shot $1, the game goes on without the box
  changed() { is_maze "$1" && ! is_paused "$1" && ! cmp -s "$WORK/$PREV.rgb" "$WORK/$1.rgb"; }
  PREV=$1b && poll_shot "$1c" changed 3 || e2e_fail "$2: the game did not go on"
}

open_title
start_game
poll_shot run moving 5 || e2e_fail "nothing moves after the start pause"
for k in p Pause; do
  press "$k" && paused_still "key_$k" "$k"
  press "$k" && moves_on "key_$k" "$k again"
done

# F1 while paused: the paused picture with its box in the other mode, and back.
press p && paused_still f1 "P before F1"
for round in 1 2; do
  press F1
  sleep 0.5
  within 5 view_up && paused_still "f1_$round" "F1 ($round) while paused"
done
pointer_at 320 240
press p && moves_on f1_2 "P after F1"

# Another window takes the keyboard focus.
xmessage -geometry 120x40+660+20 -name focus_thief "focus" >/dev/null 2>&1 &
HELPER_PID=$!
thief() { THIEF=$(xdotool search --onlyvisible --classname '^focus_thief$' 2>/dev/null | head -n 1) && [ -n "$THIEF" ]; }
within 5 thief || e2e_fail "the helper window did not come up"
shot before_focus && moving before_focus || e2e_fail "the game is not running before the focus test"
xdotool windowfocus "$THIEF" || e2e_fail "cannot focus the helper window"
paused_still focus "focus on another window"
xdotool windowfocus "$WIN" && pointer_at 320 240
sleep 0.5
shot focus_back && cmp -s "$WORK/focus.rgb" "$WORK/focus_back.rgb" || e2e_fail "getting the focus back resumed the game"
stop_helper
press p && moves_on focus_back "P after the focus came back"

# Keys tapped within one frame (press and release sent together) act once each, three times over.
in_full_screen() { view_up && [ -n "$CROP" ]; }
in_window() { view_up && [ -z "$CROP" ]; }
for try in 1 2 3; do
  tap_key p && paused_still "tap_p$try" "P tapped ($try)"
  tap_key p && moves_on "tap_p$try" "P tapped again ($try)"
done
tap_key F1
within 3 in_full_screen && sleep 1 && in_full_screen || e2e_fail "F1 tapped in a game did not switch once"
tap_key F1
within 3 in_window && sleep 1 && in_window || e2e_fail "F1 tapped again did not switch back"
pointer_at 320 240
tap_key Escape
poll_shot tap_over is_game_over 3 || e2e_fail "Escape tapped in a game did not end it"
poll_shot tap_back is_title 5 && sleep 0.5 && alive "$GAME_PID" || e2e_fail "Escape tapped to end a game also quit on the title"
start_game
poll_shot run2 moving 5 || e2e_fail "nothing moves in the second game"

# Escape ends a paused game: the game-over box over the paused picture.
press p && paused_still end "P before Escape"
press Escape
poll_shot over is_game_over 3 && is_maze over || e2e_fail "Escape while paused did not show the \" GAME OVER \" box"
poll_shot back is_title 5 || e2e_fail "the title did not come back after the paused game"
press Escape
exits_0 "Escape on the title"
e2e_pass
