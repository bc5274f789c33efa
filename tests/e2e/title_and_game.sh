#!/usr/bin/env bash
# The title and a game as the player meets them: the parade moves across the
# title picture; a key starts a game whose first picture shows the maze with
# every dot; F1 keeps the game running and on view; Escape shows the
# " GAME OVER " box, then the title, and Escape there ends the program with 0.
. "$(dirname "$0")/lib.sh"
e2e_begin 60 "$@"

open_title
sleep 0.6  # the parade comes fully onto the screen
shot a && sleep 0.5 && shot b && is_title a && is_title b || e2e_fail "the title picture went away"
# Each of the fourteen parade rows (seven going left, seven right) moves.
still=$(paste -d ' ' "$WORK/a.px" "$WORK/b.px" | awk '
  $1 != $4 || $2 != $5 || $3 != $6 { n[int((NR - 1) / 640)]++ }
  END { for (j = split("6 32 70 96 134 160 192 224 256 288 320 352 384 416", Y, " "); j; j--) {
          s = 0; for (y = Y[j] + 8; y < Y[j] + 24; y++) s += n[y]; if (s < 40) printf "%d ", Y[j] } }')
[ -z "$still" ] || e2e_fail "the parade rows at y $still do not move"

pressed=$(now_ds)
start_game
# The start picture stays 3 s; a later one would show the actors moved.
[ $(($(now_ds) - pressed)) -le 22 ] || e2e_fail "the maze came too late to see the start picture"
faults=$(check_start_picture start)
[ -z "$faults" ] || e2e_fail "start picture: $faults"

poll_shot run moving 5 || e2e_fail "nothing moves after the start pause"
press F1
sleep 0.5
alive "$GAME_PID" || e2e_fail "F1 in a game ended the program"
within 5 view_up || e2e_fail "after F1 no 640x480 picture is on view"
poll_shot after is_maze 3 || e2e_fail "after F1 the maze is not on view"
changed() { is_maze "$1" && ! cmp -s "$WORK/after.rgb" "$WORK/$1.rgb"; }
poll_shot later changed 3 || e2e_fail "after F1 the game does not go on"

press Escape
poll_shot over is_game_over 3 || e2e_fail "Escape in the game did not show the \" GAME OVER \" box"
is_maze over || e2e_fail "the \" GAME OVER \" box is not over the maze"
poll_shot back is_title 5 || e2e_fail "the title did not come back after the game"
press Escape
wait_exit 5 "Escape on the title did not end the program within 5 s"
[ "$GOB_RC" = 0 ] || e2e_fail "Escape on the title ended the program with status $GOB_RC, not 0"
e2e_pass
