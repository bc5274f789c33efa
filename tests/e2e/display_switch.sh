#!/usr/bin/env bash
# F1, on the title and in a game.  Under a bare X server the switch to full
# screen may work or fail; either way the program goes on, its picture stays
# on view (in the window or full screen), F1 on the title starts no game, the
# game keeps running after F1, and the keys still work afterwards.
. "$(dirname "$0")/lib.sh"
e2e_begin 45 "$@"

load_title_picture
fresh_data
launch "$RUN_DIR"
find_window
poll_shot title is_title 5 || e2e_fail "the title picture is not on screen"

press F1
sleep 0.5
game_running || e2e_fail "F1 on the title ended the program"
find_view 5 || e2e_fail "after F1 on the title no 640x480 picture is on view"
poll_shot title2 is_title 3 || e2e_fail "after F1 on the title the title picture is not on view"
sleep 0.5
shot title3 && is_title title3 || e2e_fail "F1 on the title started a game or lost the title"
say "F1 on the title: still the title"

start_game
play_until_score 8
press F1
sleep 0.5
game_running || e2e_fail "F1 in a game ended the program"
find_view 5 || e2e_fail "after F1 in a game no 640x480 picture is on view"
poll_shot after is_maze 3 || e2e_fail "after F1 in a game the maze is not on view"
changed() { is_maze "$1" && ! cmp -s "$E2E_WORK/after.rgb" "$E2E_WORK/$1.rgb"; }
poll_shot later changed 3 || e2e_fail "after F1 the game does not go on"
mode="full screen"
xwininfo -id "$WIN" | grep -q '"Gobbler"' && mode="the window"
say "F1 in a game: the game goes on, in $mode"

press Escape
poll_shot over is_game_over 3 || e2e_fail "after F1, Escape in the game did not show the \" GAME OVER \" box"
poll_shot back is_title 5 || e2e_fail "after F1, the title did not come back after the game"
press Escape
wait_exit 5 "after F1, Escape on the title did not end the program within 5 s"
[ "$GOB_RC" = 0 ] || e2e_fail "the program ended with status $GOB_RC, not 0"
errs=$(game_stderr)
[ -z "$errs" ] || e2e_fail "the program complained: $errs"
e2e_pass
