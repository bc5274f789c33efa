#!/usr/bin/env bash
# Two games in one game directory, on two displays: the first ends with the better score and
# saves it; the second, whose game began before that record, ends later with a lower score and
# leaves the record as it is. The next game shows the better score in its "Hi Score" box.
. "$(dirname "$0")/lib.sh"
e2e_begin 60 "$@"
hi=$RUN_DIR/gobbler.hi
FIRST_DISPLAY=$DISPLAY

# The second display: another X server, stopped with the rest.
Xvfb -displayfd 4 -screen 0 800x600x16 -nolisten tcp -noreset 4>"$WORK/display2" 2>"$WORK/xvfb2.log" &
SIDE_PIDS="$SIDE_PIDS $!"
within 10 grep -q . "$WORK/display2" || e2e_fail "the second Xvfb did not start"
SECOND_DISPLAY=":$(tr -dc 0-9 <"$WORK/display2")"

# The game on display $1 (its window and process saved as WIN_$2 and PID_$2), at a game's start.
game_on() {
  DISPLAY=$1 open_title
  DISPLAY=$1 start_game
  eval "WIN_$2=\$WIN PID_$2=\$GAME_PID SCORE_ZERO_$2=\$SCORE_ZERO"
  GAME_PID="" SIDE_PIDS="$SIDE_PIDS $(eval echo "\$PID_$2")"
}
# Ends game $2 on display $1 with Escape; the final score's pattern in FINAL_$2, the program quit.
end_game() {
  local win pid && win=$(eval echo "\$WIN_$2") pid=$(eval echo "\$PID_$2")
  DISPLAY=$1 WIN=$win press Escape
  DISPLAY=$1 WIN=$win poll_shot "over_$2" is_game_over 3 || e2e_fail "Escape did not end game $2"
  eval "FINAL_$2=\$(number_pattern over_$2 score)"
  DISPLAY=$1 WIN=$win poll_shot "back_$2" is_title 5 || e2e_fail "no title after game $2"
  DISPLAY=$1 WIN=$win press Escape
  GAME_PID=$pid exits_0 "Escape on the title after game $2"
  SIDE_PIDS=${SIDE_PIDS/ $pid/}
}

game_on "$FIRST_DISPLAY" better
sleep 1.5  # the better game eats for longer
game_on "$SECOND_DISPLAY" lower
[ ! -e "$hi" ] || e2e_fail "gobbler.hi exists before either game ended"
sleep 2
end_game "$FIRST_DISPLAY" better
hi_file_ok "$hi"
cp "$hi" "$WORK/better.hi"
end_game "$SECOND_DISPLAY" lower
[ "$FINAL_lower" != "$SCORE_ZERO_lower" ] && [ "$FINAL_lower" != "$FINAL_better" ] ||
  e2e_fail "the second game did not end with a score of its own"
cmp -s "$WORK/better.hi" "$hi" || e2e_fail "the lower score of the game ending second replaced the record"
ls "$RUN_DIR" | grep -q '\.new$' && e2e_fail "a temporary file is left"
DISPLAY=$FIRST_DISPLAY open_title
DISPLAY=$FIRST_DISPLAY start_game
[ "$(number_pattern start hi)" = "$FINAL_better" ] || e2e_fail "the \"Hi Score\" box does not show the better score"
press_close_button
exits_0 "the close button"
e2e_pass
