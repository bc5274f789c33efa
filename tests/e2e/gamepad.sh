#!/usr/bin/env bash
# A gamepad: a FIFO named as the joystick device in an allegro.cfg, with a preloaded shim answering the joystick
# interface's ioctls, carries js_event records. A shoulder button does not start a game, A does; the left stick
# steers right, Start pauses and resumes, the d-pad steers left, Back ends the game; the pad going away leaves
# the program running, and coming back is found.
. "$(dirname "$0")/lib.sh"
e2e_begin 90 "$@"
SHIM=$(realpath "${E2E_ARGS[2]}")
mkfifo "$WORK/pad" && mkdir "$WORK/config" || e2e_fail "cannot make the pad's FIFO"
printf '[joystick]\njoystick_device = %s\n' "$WORK/pad" >"$WORK/config/allegro.cfg"
# The program alone sees the shim and the configuration (ALLEGRO names the directory of allegro.cfg).
cat >"$WORK/with_pad" <<WRAP
#!/bin/sh
ALLEGRO="$WORK/config" LD_PRELOAD="$SHIM" ASAN_OPTIONS="\${ASAN_OPTIONS:+\$ASAN_OPTIONS:}verify_asan_link_order=0" exec "$GOBBLER" "\$@"
WRAP
chmod +x "$WORK/with_pad" && GOBBLER=$WORK/with_pad
exec 7<>"$WORK/pad"  # held open for writing; the program reads the other end
HOLDER_PID=""
trap 'release_axis; e2e_cleanup' EXIT

# struct js_event: time (u32), value (s16), type (1 button, 2 axis), number; little-endian.
pad_event() {
  local v=$(($3 & 0xffff))
  printf "$(printf '\\x00\\x00\\x00\\x00\\x%02x\\x%02x\\x%02x\\x%02x' $((v & 255)) $((v >> 8)) "$1" "$2")" >&7 ||
    e2e_fail "cannot write to the pad's FIFO"
}
button() { pad_event 1 "$1" "$2"; }
axis() { pad_event 2 "$1" "$2"; }
tap() { button "$1" 1 && sleep 0.15 && button "$1" 0; }
# The program opens the pad afresh every two seconds, and the joystick interface then reports what is held;
# the FIFO does not, so a held axis is sent again every 0.1 s.
hold_axis() {
  release_axis
  (while :; do pad_event 2 "$1" "$2"; sleep 0.1; done) &
  HOLDER_PID=$!
}
release_axis() {
  [ -z "$HOLDER_PID" ] || { kill "$HOLDER_PID" && wait "$HOLDER_PID"; } 2>/dev/null
  HOLDER_PID=""
}
A=0 LB=4 BACK=6 START=7 STICK_X=0 DPAD_X=6
# Dots of row 20 (y 320): column 20 right of the player's start, column 11 left of it.
dots() { px_ok "$1" 320 323 "END { print all(\"$2\", 320, 320, 323, 323) && all(\"$3\", 176, 320, 179, 323) }"; }
went_right() { dots "$1" black white; }
went_left() { dots "$1" black black; }

open_title
tap $LB
sleep 0.5
shot lb && is_title lb || e2e_fail "a shoulder button started a game"
tap $A
poll_shot start is_maze 3 || e2e_fail "A on the title did not start a game"
hold_axis $STICK_X 24000  # past half way to the right, held through the start pause
poll_shot right went_right 8 || e2e_fail "the left stick did not steer the player right"
release_axis && axis $STICK_X 0
tap $START
poll_shot paused is_paused 3 || e2e_fail "Start did not pause the game"
sleep 1 && shot still && cmp -s "$WORK/paused.rgb" "$WORK/still.rgb" || e2e_fail "the picture moved while paused"
tap $START
hold_axis $DPAD_X -32767
poll_shot left went_left 8 || e2e_fail "the d-pad did not steer the player back left"
release_axis && axis $DPAD_X 0
button $BACK 1
poll_shot over is_game_over 3 || e2e_fail "Back did not end the game with the \" GAME OVER \" box"
button $BACK 0
poll_shot back is_title 5 || e2e_fail "the title did not come back after Back"
# The pad goes away (its writer closes, the device file is gone) and comes back: A starts a game again.
exec 7>&- && rm -f "$WORK/pad"
sleep 2.5
shot gone && is_title gone && alive "$GAME_PID" || e2e_fail "the program did not run on after the pad went away"
mkfifo "$WORK/pad" && exec 7<>"$WORK/pad" || e2e_fail "cannot make the pad's FIFO again"
again() { tap $A && sleep 0.3 && shot "$1" && is_maze "$1"; }
within 6 again replugged || e2e_fail "the pad plugged in again was not found"
runs() { ! cmp -s "$WORK/replugged.rgb" "$WORK/$1.rgb"; }
poll_shot run2 runs 5 || e2e_fail "nothing moves after the start pause"
press Escape
poll_shot back2 is_title 5 || e2e_fail "the title did not come back after Escape"
press Escape
exits_0 "Escape on the title"
e2e_pass
