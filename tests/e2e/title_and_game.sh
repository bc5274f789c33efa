#!/usr/bin/env bash
# The parade moves over the title; a key starts a game whose first picture shows every wall and dot;
# F1 keeps it going; Escape shows " GAME OVER ", then the title, where Escape ends the program with 0.
# On the title, a few times over: F1 tapped within a frame switches to full screen once, F1 held past
# the keyboard's repeat delay switches back once, neither starts a game, and Escape tapped quits.
. "$(dirname "$0")/lib.sh"
e2e_begin 90 "$@"
open_title
sleep 0.6  # the parade comes fully onto the screen
shot a && sleep 0.5 && shot b && is_title a && is_title b || e2e_fail "the title picture went away"
# Each of the fourteen parade rows (seven going left, seven right) moves.
still=$(paste -d ' ' "$WORK/a.px" "$WORK/b.px" | awk '$1 != $4 || $2 != $5 || $3 != $6 { n[int((NR - 1) / 640)]++ }
  END { for (j = split("6 32 70 96 134 160 192 224 256 288 320 352 384 416", Y, " "); j; j--) {
    s = 0; for (y = Y[j] + 8; y < Y[j] + 24; y++) s += n[y]; if (s < 40) printf "%d ", Y[j] } }') && [ -z "$still" ] ||
  e2e_fail "the parade rows at y $still do not move"
start_game
faults=$(check_start_picture start) && [ -z "$faults" ] || e2e_fail "start picture: $faults"
poll_shot run moving 5 || e2e_fail "nothing moves after the start pause"
press F1
sleep 0.5
alive "$GAME_PID" && within 5 view_up && poll_shot after is_maze 3 || e2e_fail "after F1 the maze is not on view"
changed() { is_maze "$1" && ! cmp -s "$WORK/after.rgb" "$WORK/$1.rgb"; }
poll_shot later changed 3 || e2e_fail "after F1 the game does not go on"
press Escape
poll_shot over is_game_over 3 && is_maze over || e2e_fail "Escape in the game did not show the \" GAME OVER \" box"
poll_shot back is_title 5 || e2e_fail "the title did not come back after the game"
press Escape
exits_0 "Escape on the title"

in_full_screen() { view_up && [ -n "$CROP" ]; }
in_window() { view_up && [ -z "$CROP" ]; }
xset r on
for try in 1 2 3; do
  open_title
  tap_key F1
  within 3 in_full_screen && sleep 1 && in_full_screen || e2e_fail "try $try: F1 tapped did not switch once"
  poll_shot "tap$try" is_title 3 || e2e_fail "try $try: F1 tapped started a game"
  xdotool keydown F1 && within 3 in_window && sleep 1 && in_window && xdotool keyup F1 ||
    e2e_fail "try $try: F1 held did not switch once (its repeats came from 0.66 s on)"
  sleep 0.3 && in_window && poll_shot "held$try" is_title 3 || e2e_fail "try $try: F1 held started a game"
  tap_key Escape
  exits_0 "try $try: Escape tapped on the title"
done
e2e_pass
