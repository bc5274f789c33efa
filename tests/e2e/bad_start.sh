#!/usr/bin/env bash
# The program cannot start: a game file missing from the working directory
# (the first sound, a ghost picture, the last picture loaded) or no display.
. "$(dirname "$0")/lib.sh"
e2e_begin 40 "$@"
for missing in eating.wav ghostblue.bmp fruit8.bmp; do
  fresh_data && rm "$RUN_DIR/$missing" && fails_to_start "without $missing" "*\"$missing\"*working directory*"
done
unset DISPLAY
fails_to_start "with no display" "gobbler: *display*"
e2e_pass
