#!/usr/bin/env bash
# A game as the player starts and leaves it: a key on the title starts it;
# during the start jingle the whole maze is on screen with every dot, the
# actors at their start places, two spare lives, the level fruit and both
# score boxes.  Escape in the game shows the " GAME OVER " box over the
# maze, then the title comes back, and Escape there ends the program.
. "$(dirname "$0")/lib.sh"
e2e_begin 40 "$@"

load_title_picture
fresh_data
launch "$RUN_DIR"
find_window
poll_shot title is_title 5 || e2e_fail "the title picture is not on screen"

pressed=$(now_ds)
press space
poll_shot start is_maze 3 || e2e_fail "space on the title did not bring up the maze within 3 s"
taken=$(now_ds)
# The start picture stays 3 s; a later picture would show the actors moved.
[ $((taken - pressed)) -le 22 ] || e2e_fail "the maze took $(((taken - pressed) * 100)) ms to appear: too late to see the start picture"
faults=$(check_start_picture start)
[ -z "$faults" ] || e2e_fail "start picture: $faults"
say "start picture right"

# Still the same picture a second later: the game waits through the jingle.
sleep 1
shot still || e2e_fail "cannot take a screenshot"
cmp -s "$E2E_WORK/start.rgb" "$E2E_WORK/still.rgb" || e2e_fail "the picture changed during the start pause"

# Then the game runs: the picture changes.
moving() { ! cmp -s "$E2E_WORK/start.rgb" "$E2E_WORK/$1.rgb"; }
poll_shot run moving 4 || e2e_fail "nothing moves after the start pause"
is_maze run || e2e_fail "the maze went away when the game began"

press Escape
poll_shot over is_game_over 3 || e2e_fail "Escape in the game did not show the \" GAME OVER \" box"
is_maze over || e2e_fail "the \" GAME OVER \" box is not over the maze"
sleep 1
shot over2 || e2e_fail "cannot take a screenshot"
is_game_over over2 || e2e_fail "the \" GAME OVER \" box went away within 1 s"
poll_shot back is_title 4 || e2e_fail "the title did not come back after the \" GAME OVER \" box"
game_running || e2e_fail "the program ended after Escape in a game"
say "Escape: game over box, then the title"

press Escape
wait_exit 3 "Escape on the title after a game did not end the program within 3 s"
[ "$GOB_RC" = 0 ] || e2e_fail "the program ended with status $GOB_RC after Escape on the title, not 0"
e2e_pass
