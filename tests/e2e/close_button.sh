#!/usr/bin/env bash
# The window's close button: on the title it ends the program at once with
# status 0; in a game it ends the game as Escape does (the " GAME OVER " box,
# a better score saved in gobbler.hi) and then ends the program with 0.
. "$(dirname "$0")/lib.sh"
e2e_begin 40 "$@"

load_title_picture
fresh_data
launch "$RUN_DIR"
find_window
poll_shot title is_title 5 || e2e_fail "the title picture is not on screen"
press_close_button
wait_exit 3 "the close button on the title did not end the program within 3 s"
[ "$GOB_RC" = 0 ] || e2e_fail "the program ended with status $GOB_RC after the close button on the title, not 0"
[ ! -e "$RUN_DIR/gobbler.hi" ] || e2e_fail "closing on the title wrote gobbler.hi without a game"
say "close on the title: status 0"

launch "$RUN_DIR"
find_window
poll_shot title is_title 5 || e2e_fail "the title picture is not on screen (second run)"
start_game
play_until_score 8
press_close_button
poll_shot over is_game_over 3 || e2e_fail "the close button in a game did not show the \" GAME OVER \" box"
game_running || e2e_fail "the program ended before showing the \" GAME OVER \" box for its time"
wait_exit 5 "the program did not end within 5 s of the close button in a game"
[ "$GOB_RC" = 0 ] || e2e_fail "the program ended with status $GOB_RC after the close button in a game, not 0"
hi_file_value "$RUN_DIR/gobbler.hi"
[ "$HI_VALUE" -gt 0 ] && [ $((HI_VALUE % 10)) = 0 ] ||
  e2e_fail "gobbler.hi holds $HI_VALUE after a game that scored"
[ ! -e "$RUN_DIR/gobbler.hi.new" ] || e2e_fail "the temporary gobbler.hi.new was left behind"
say "close in a game: box, score $HI_VALUE saved, status 0"
e2e_pass
