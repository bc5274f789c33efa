#!/usr/bin/env bash
# A game file missing from the working directory: the program says which
# file on one line of stderr, that the files are looked up in the working
# directory, and ends with status 1.  Tried with the first sound loaded, a
# ghost picture and the last picture loaded.
. "$(dirname "$0")/lib.sh"
e2e_begin 30 "$@"

for missing in eating.wav ghostblue.bmp fruit8.bmp; do
  fresh_data
  [ -e "$RUN_DIR/$missing" ] || e2e_fail "$missing is not among the data files"
  rm "$RUN_DIR/$missing"
  launch "$RUN_DIR"
  wait_exit 5 "the program went on for 5 s without $missing"
  [ "$GOB_RC" = 1 ] || e2e_fail "without $missing the program ended with status $GOB_RC, not 1"
  lines=$(grep -v '^ALSA lib' "$E2E_WORK/err.$E2E_RUNS")
  [ "$(printf '%s\n' "$lines" | grep -c .)" = 1 ] ||
    e2e_fail "without $missing stderr holds not one line but: $lines"
  case $lines in
    *"\"$missing\""*"working directory"*) ;;
    *) e2e_fail "without $missing stderr says: $lines" ;;
  esac
  [ ! -s "$E2E_WORK/out.$E2E_RUNS" ] || e2e_fail "without $missing stdout holds: $(head -3 "$E2E_WORK/out.$E2E_RUNS")"
  [ ! -e "$RUN_DIR/gobbler.hi" ] || e2e_fail "without $missing the program wrote gobbler.hi"
  say "without $missing: $lines"
done
e2e_pass
