#!/usr/bin/env bash
# A game that sets a record leaves gobbler.rec beside gobbler.hi; --verify replays it without a
# window to the score gobbler.hi holds; --replay plays it in the window, paused with P and run on
# with the right arrow held (which must not steer the replayed game), to the same last picture.
# Damaged, cut short and other-version files and an edited key are refused with their statuses.
. "$(dirname "$0")/lib.sh"
e2e_begin 90 "$@"

# A record of 10 to beat: the "Hi Score" box of the game and of its replay shows it.
printf '\x0a\x00\x00\x00' >"$RUN_DIR/gobbler.hi"
open_title
start_game
poll_shot play score_moved 8 || e2e_fail "the score did not go up"
press Up && sleep 0.6 && press Down && sleep 0.6
press p
poll_shot paused is_paused 3 || e2e_fail "P did not pause the game"
sleep 0.3 && press p && sleep 1
press Escape
poll_shot over is_game_over 3 || e2e_fail "Escape did not show the \" GAME OVER \" box"
poll_shot back is_title 8 || e2e_fail "the title did not come back after the game"
press Escape
exits_0 "Escape on the title"
rec=$RUN_DIR/gobbler.rec
hi_file_ok "$RUN_DIR/gobbler.hi"
[ -s "$rec" ] && [ ! -e "$rec.new" ] || e2e_fail "the game that set the record left no gobbler.rec (or gobbler.rec.new)"

# --verify: one line, the score gobbler.hi holds, no window.
hi=$(od -An -t d4 --endian=little "$RUN_DIR/gobbler.hi" | tr -d ' ')
out=$(cd "$RUN_DIR" && DISPLAY= "$GOBBLER" --verify gobbler.rec 2>"$WORK/verify.err") ||
  e2e_fail "--verify on the game's recording: status $?: $(cat "$WORK/verify.err")"
[[ $out =~ ^gobbler\.rec:\ ([0-9,]+)\ points,\ level\ 1,\ ([0-9,]+)\ frames:\ verified$ ]] ||
  e2e_fail "--verify printed \"$out\""
[ "${BASH_REMATCH[1]//,/}" = "$hi" ] || e2e_fail "--verify says ${BASH_REMATCH[1]} points, gobbler.hi holds $hi"

# --replay: the same last picture, whatever the viewer presses.
launch --replay gobbler.rec
within 10 window_up || e2e_fail "--replay opened no window"
poll_shot replaying is_maze 5 || e2e_fail "--replay does not show the maze"
sleep 3.5 && press p
poll_shot replay_paused is_paused 3 || e2e_fail "P did not pause the replay"
sleep 0.5 && press p
keys keydown Right && sleep 0.8 && keys keyup Right
poll_shot replay_over is_game_over 12 || e2e_fail "the replay did not end on the \" GAME OVER \" box"
cmp -s "$WORK/over.rgb" "$WORK/replay_over.rgb" ||
  e2e_fail "the replay's last picture differs from the game's in $(cmp -l "$WORK/over.rgb" "$WORK/replay_over.rgb" | wc -l) bytes"
exits_0 "the end of the replay"

# Refusals: the status and one line naming the file and the fault.
refused() {  # $1 file, $2 status, $3 pattern of the line on stderr
  local err status=0
  (cd "$RUN_DIR" && DISPLAY= "$GOBBLER" --verify "$1" >/dev/null 2>"$WORK/refused.err") || status=$?
  err=$(cat "$WORK/refused.err")
  [ "$status" = "$2" ] && [ "$(grep -c . <<<"$err")" = 1 ] && [[ $err == $3 ]] ||
    e2e_fail "--verify $1: status $status, not $2: $err"
}
cd "$RUN_DIR" || e2e_fail "no $RUN_DIR"
size=$(stat -c %s gobbler.rec)
edit() {  # $1 name, then python statements on bytearray b; the CRC-32 set again unless $3 is "keep"
  python3 -c "import sys, zlib
b = bytearray(open('gobbler.rec', 'rb').read())
$2
if '${3:-}' != 'keep': b[-4:] = (zlib.crc32(bytes(b[:-4])) & 0xffffffff).to_bytes(4, 'little')
open('$1', 'wb').write(b)" || e2e_fail "cannot make $1"
}
# The first run (no key held, the player running left) held right instead: a game that goes
# otherwise from its first frame.
edit turned.rec 'b[72] = (b[72] & 0xf0) | 2'
edit flipped.rec "b[$size // 2] ^= 0x10" keep
head -c $((size - 3)) gobbler.rec >cut.rec
edit version2.rec 'b[8] = 2' keep
refused turned.rec 1 "gobbler: turned.rec: not verified: *"
refused flipped.rec 2 "gobbler: flipped.rec: damaged: its CRC-32 does not match its contents"
refused cut.rec 2 "gobbler: cut.rec: cut short: *"
refused version2.rec 2 "gobbler: version2.rec: recording format version 2, but this game reads version 1"
refused missing.rec 2 "gobbler: missing.rec: No such file or directory"
launch --replay cut.rec
wait_exit 5 "--replay of a file cut short went on"
[ "$GOB_RC" = 2 ] && grep -q "gobbler: cut.rec: cut short" "$WORK/err.$RUNS" || e2e_fail "--replay cut.rec: status $GOB_RC"
e2e_pass
