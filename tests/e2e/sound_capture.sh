#!/usr/bin/env bash
# The sounds reach a real sound stack: ALSA's default device, sent through a plug into a WAV file (the user's
# own ALSA settings are read but never written). A game holds the start jingle and the eating sound; with
# --mute it stays silent; with --mute and then M in the game the eating sound comes back, the jingle does not.
. "$(dirname "$0")/lib.sh"
e2e_begin 120 "$@"
WAV_MATCH=$(realpath "${E2E_ARGS[2]}")
MATCH=0.9  # normalised cross-correlation of a sound found in the capture

# play <name> <keys pressed once the game runs> [options]: one game, its sound in $WORK/<name>.wav.
play() {
  local name=$1 keys=$2 && shift 2
  cat >"$WORK/$name.conf" <<CONF || e2e_fail "cannot write the ALSA configuration"
</usr/share/alsa/alsa.conf>
pcm.gobbler_capture { type file; slave.pcm "null"; file "$WORK/$name.wav"; format "wav" }
pcm.!default { type plug; slave { pcm "gobbler_capture"; format S16_LE; rate 44100; channels 2 } }
CONF
  export ALSA_CONFIG_PATH=$WORK/$name.conf
  open_title "$@"
  start_game
  poll_shot run moving 5 || e2e_fail "$name: nothing moves after the start pause"
  local k && for k in $keys; do press "$k"; done
  # The player runs left over a row of dots.
  poll_shot play score_moved 5 || e2e_fail "$name: no dot was eaten"
  sleep 1
  press Escape
  poll_shot back is_title 5 || e2e_fail "$name: the title did not come back after Escape"
  press Escape
  exits_0 "$name: Escape on the title"
  unset ALSA_CONFIG_PATH
  [ -s "$WORK/$name.wav" ] || e2e_fail "$name: nothing was captured (no ALSA sound driver?): $(grep -v '^ALSA lib' "$WORK/err.$RUNS" | head -3)"
}
score() { "$WAV_MATCH" find "$WORK/$1.wav" "$DATA/$2.wav" | cut -d ' ' -f 1; }
found() { awk -v s="$(score "$1" "$2")" -v m=$MATCH 'BEGIN { exit !(s >= m) }'; }

play sound ""
for s in intro eating; do
  found sound $s || e2e_fail "the capture does not hold $s.wav (best match $(score sound $s), below $MATCH)"
done

play muted "" --mute
read -r length top < <("$WAV_MATCH" peak "$WORK/muted.wav") || e2e_fail "cannot read the capture with --mute"
awk -v l="$length" 'BEGIN { exit !(l >= 1) }' || e2e_fail "with --mute the capture ran only $length s"
[ "$top" = 0 ] || e2e_fail "with --mute the capture is not silent (peak $top)"

play unmuted m --mute
found unmuted eating || e2e_fail "after --mute and M the eating sound is missing (best $(score unmuted eating))"
! found unmuted intro || e2e_fail "with --mute the start jingle was heard (match $(score unmuted intro))"
e2e_pass
