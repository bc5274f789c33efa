#!/usr/bin/env bash
# The program cannot start: a game file missing from the working directory
# (the first sound, a ghost picture, the last picture loaded) or no display.
# It says why in one line on stderr and ends with status 1.
. "$(dirname "$0")/lib.sh"
e2e_begin 40 "$@"

for missing in eating.wav ghostblue.bmp fruit8.bmp; do
  fresh_data
  rm "$RUN_DIR/$missing" || e2e_fail "$missing is not among the data files"
  launch
  wait_exit 5 "the program went on for 5 s without $missing"
  [ "$GOB_RC" = 1 ] || e2e_fail "without $missing the program ended with status $GOB_RC, not 1"
  err=$(grep -v '^ALSA lib' "$WORK/err.$RUNS")
  [ "$(grep -c . <<<"$err")" = 1 ] && [[ $err == *"\"$missing\""*"working directory"* ]] ||
    e2e_fail "without $missing stderr says: $err"
done

unset DISPLAY
fresh_data
launch
wait_exit 5 "with no display the program went on for 5 s"
[ "$GOB_RC" = 1 ] || e2e_fail "with no display the program ended with status $GOB_RC, not 1"
grep -q '^gobbler: .*display' "$WORK/err.$RUNS" || e2e_fail "with no display stderr does not say why"
e2e_pass
