#!/usr/bin/env bash
# Started where no display can be opened (no X server at all): the program
# cannot start its display, says so in one line on stderr and ends at once
# with status 1.
E2E_NO_X_SERVER=1
. "$(dirname "$0")/lib.sh"
e2e_begin 20 "$@"

unset DISPLAY
fresh_data
launch "$RUN_DIR"
wait_exit 5 "with no display the program went on for 5 s"
[ "$GOB_RC" -lt 128 ] || e2e_fail "with no display the program was killed by signal $((GOB_RC - 128))"
[ "$GOB_RC" = 1 ] || e2e_fail "with no display the program ended with status $GOB_RC, not 1"
grep -q "^gobbler: .*display" "$E2E_WORK/err.$E2E_RUNS" || e2e_fail "with no display stderr does not say why: $(head -3 "$E2E_WORK/err.$E2E_RUNS")"
[ ! -s "$E2E_WORK/out.$E2E_RUNS" ] || e2e_fail "with no display stdout holds: $(head -3 "$E2E_WORK/out.$E2E_RUNS")"
[ ! -e "$RUN_DIR/gobbler.hi" ] || e2e_fail "with no display the program wrote gobbler.hi"
e2e_pass
