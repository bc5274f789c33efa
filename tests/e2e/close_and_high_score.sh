#!/usr/bin/env bash
# The close button ends the program with 0: on the title writing nothing, in a game after the
# " GAME OVER " box and saving the better score, which the next run shows; a lower one is not saved.
# SIGINT and SIGHUP on the title, SIGTERM in a game end it the same way, at once.
. "$(dirname "$0")/lib.sh"
e2e_begin 60 "$@"
hi=$RUN_DIR/gobbler.hi

open_title
press_close_button
exits_0 "the close button on the title"
[ ! -e "$hi" ] || e2e_fail "closing on the title wrote gobbler.hi without a game"
open_title
start_game
# With no key held the player runs left eating dots: the box shows the score
# that is saved, even while it goes up.
poll_shot play score_moved 8 && is_maze play || e2e_fail "the score did not go up"
press_close_button
poll_shot over is_game_over 3 || e2e_fail "the close button in a game did not show the \" GAME OVER \" box"
final=$(number_pattern over score)
exits_0 "the close button in a game"
hi_file_ok "$hi"
cp "$hi" "$WORK/saved.hi" && inode=$(stat -c %i "$hi")
open_title
start_game
[ "$(number_pattern start hi)" = "$final" ] || e2e_fail "the \"Hi Score\" box does not show the saved score"
poll_shot run moving 5 || e2e_fail "nothing moves after the start pause"
press_close_button
exits_0 "the close button in a short game"
cmp -s "$WORK/saved.hi" "$hi" && [ "$(stat -c %i "$hi")" = "$inode" ] || e2e_fail "a lower score rewrote gobbler.hi"
rm "$hi"
for sig in INT HUP; do
  open_title
  kill -s "$sig" "$GAME_PID"
  wait_exit 1 "SIG$sig on the title did not end the program within 1 s"
  [ "$GOB_RC" = 0 ] && [ ! -e "$hi" ] || e2e_fail "SIG$sig on the title: status $GOB_RC, or gobbler.hi written"
done
open_title
start_game
poll_shot play score_moved 8 || e2e_fail "the score did not go up"
kill -s TERM "$GAME_PID"
wait_exit 1 "SIGTERM in a game did not end the program within 1 s"
[ "$GOB_RC" = 0 ] || e2e_fail "SIGTERM in a game ended the program with status $GOB_RC, not 0"
hi_file_ok "$hi"
e2e_pass
