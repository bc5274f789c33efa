#!/usr/bin/env bash
# The best score across runs: a game that scores and is left with Escape
# writes gobbler.hi (4 bytes, the score); the next run shows that very number
# in its "Hi Score" box, and a game that scores less leaves the file alone.
. "$(dirname "$0")/lib.sh"
e2e_begin 60 "$@"

load_title_picture
fresh_data
launch "$RUN_DIR"
find_window
poll_shot title is_title 5 || e2e_fail "the title picture is not on screen"
start_game
HI_ZERO=$(number_pattern start hi)
[ "$HI_ZERO" = "$SCORE_ZERO" ] || e2e_fail "with no gobbler.hi the two score boxes of the start picture show different numbers"
play_until_score 8

# Holding no key the player runs left along its row eating dots until the
# wall stops it; wait until the score has stayed put for 3 s.
last=$(number_pattern play score)
since=$(now_ds)
started=$since
while [ $(($(now_ds) - since)) -lt 30 ]; do
  [ $(($(now_ds) - started)) -lt 200 ] || e2e_fail "the score did not settle within 20 s"
  sleep 0.2
  shot settle || e2e_fail "cannot take a screenshot"
  now=$(number_pattern settle score)
  if [ "$now" != "$last" ]; then
    last=$now
    since=$(now_ds)
  fi
done
is_maze settle || e2e_fail "the game ended by itself before Escape"
press Escape
poll_shot over is_game_over 3 || e2e_fail "Escape in the game did not show the \" GAME OVER \" box"
FINAL=$(number_pattern over score)
[ "$FINAL" = "$last" ] || e2e_fail "the score changed between the last look and Escape"
poll_shot back is_title 5 || e2e_fail "the title did not come back after the game"
press Escape
wait_exit 5 "Escape on the title did not end the program within 5 s"
[ "$GOB_RC" = 0 ] || e2e_fail "the program ended with status $GOB_RC, not 0"
hi_file_value "$RUN_DIR/gobbler.hi"
[ "$HI_VALUE" -gt 0 ] && [ $((HI_VALUE % 10)) = 0 ] || e2e_fail "gobbler.hi holds $HI_VALUE after a game that scored"
say "first run: score $HI_VALUE saved"

cp "$RUN_DIR/gobbler.hi" "$E2E_WORK/saved.hi"
inode=$(stat -c %i "$RUN_DIR/gobbler.hi")
launch "$RUN_DIR"
find_window
poll_shot title is_title 5 || e2e_fail "the title picture is not on screen (second run)"
start_game
[ "$(number_pattern start score)" = "$HI_ZERO" ] || e2e_fail "the second game does not start with score 0"
[ "$(number_pattern start hi)" = "$FINAL" ] ||
  e2e_fail "the \"Hi Score\" box of the second run does not show the first run's final score $HI_VALUE"
say "second run: the \"Hi Score\" box shows $HI_VALUE"

# A short game: Escape as soon as the game moves, held down through the
# " GAME OVER " box, so that the title sees it too and ends the program.
moving() { ! cmp -s "$E2E_WORK/start.rgb" "$E2E_WORK/$1.rgb"; }
poll_shot run moving 5 || e2e_fail "nothing moves after the start pause"
xdotool keydown Escape || e2e_fail "cannot press Escape"
poll_shot over is_game_over 3 || e2e_fail "Escape in the second game did not show the \" GAME OVER \" box"
[ "$(number_pattern over hi)" = "$FINAL" ] || e2e_fail "the \"Hi Score\" box changed during the second game"
wait_exit 5 "Escape held through the \" GAME OVER \" box did not end the program"
xdotool keyup Escape
[ "$GOB_RC" = 0 ] || e2e_fail "the second run ended with status $GOB_RC, not 0"
cmp -s "$E2E_WORK/saved.hi" "$RUN_DIR/gobbler.hi" || e2e_fail "a lower score changed gobbler.hi"
[ "$(stat -c %i "$RUN_DIR/gobbler.hi")" = "$inode" ] || e2e_fail "a lower score rewrote gobbler.hi"
say "second run: a lower score left gobbler.hi alone"
e2e_pass
