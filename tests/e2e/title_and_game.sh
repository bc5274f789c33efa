#!/usr/bin/env bash
# The parade moves over the title; a key starts a game whose first picture shows every wall and dot;
# F1 keeps it going; Escape shows " GAME OVER ", then the title, where Escape ends the program with 0.
. "$(dirname "$0")/lib.sh"
e2e_begin 60 "$@"
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
e2e_pass
