#!/usr/bin/env bash
# The window's close button and the best score across runs. Closing on the
# title ends the program with 0 and writes nothing; closing in a game ends it
# as Escape does (the " GAME OVER " box), then the program with 0, the better
# score saved in gobbler.hi. The next run shows that score in its "Hi Score"
# box, and a game that scores less leaves the file alone.
. "$(dirname "$0")/lib.sh"
e2e_begin 60 "$@"
hi=$RUN_DIR/gobbler.hi

open_title
press_close_button
wait_exit 3 "the close button on the title did not end the program within 3 s"
[ "$GOB_RC" = 0 ] || e2e_fail "the close button on the title: status $GOB_RC, not 0"
[ ! -e "$hi" ] || e2e_fail "closing on the title wrote gobbler.hi without a game"

open_title
start_game
poll_shot play score_moved 8 || e2e_fail "the score did not go up within 8 s of play"
# Holding no key the player runs left eating dots until the wall stops it: a
# picture's score is one frame behind, so close once the score holds still.
settled() {
  local s
  s=$(number_pattern "$1" score) && sleep 1 && shot "$1" && [ "$(number_pattern "$1" score)" = "$s" ]
}
poll_shot play settled 15 && is_maze play || e2e_fail "the score did not settle within 15 s"
press_close_button
poll_shot over is_game_over 3 || e2e_fail "the close button in a game did not show the \" GAME OVER \" box"
final=$(number_pattern over score)
wait_exit 5 "the program did not end within 5 s of the close button in a game"
[ "$GOB_RC" = 0 ] || e2e_fail "the close button in a game: status $GOB_RC, not 0"
[ "$(stat -c %s "$hi" 2>/dev/null)" = 4 ] || e2e_fail "no 4-byte gobbler.hi after a game that scored"
value=$(od -An -t d4 --endian=little "$hi" | tr -d ' ')
[ "$value" -gt 0 ] && [ $((value % 10)) = 0 ] || e2e_fail "gobbler.hi holds $value after a game that scored"
[ ! -e "$hi.new" ] || e2e_fail "the temporary gobbler.hi.new was left behind"
cp "$hi" "$WORK/saved.hi"
inode=$(stat -c %i "$hi")

open_title
start_game
[ "$(number_pattern start hi)" = "$final" ] || e2e_fail "the \"Hi Score\" box does not show the saved $value"
# A short game: Escape held from the first move through the " GAME OVER "
# box, so that the title sees it too and ends the program.
poll_shot run moving 5 || e2e_fail "nothing moves after the start pause"
xdotool keydown Escape
poll_shot over is_game_over 3 || e2e_fail "Escape in the third run did not show the \" GAME OVER \" box"
wait_exit 5 "Escape held through the \" GAME OVER \" box did not end the program"
xdotool keyup Escape
[ "$GOB_RC" = 0 ] || e2e_fail "the third run ended with status $GOB_RC, not 0"
cmp -s "$WORK/saved.hi" "$hi" && [ "$(stat -c %i "$hi")" = "$inode" ] || e2e_fail "a lower score rewrote gobbler.hi"
e2e_pass
