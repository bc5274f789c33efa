#!/usr/bin/env bash
# play.sh <package-dir> <source-dir>: the package unpacked into a temporary
# root (dpkg -x) and its launcher started with a fresh HOME on a private X
# server: the title shows, a game starts and ends with Escape, and the player's
# game directory then holds the high score and nothing else: no picture or
# sound is copied there.
. "$(dirname "$0")/../e2e/lib.sh"
e2e_begin 90 /dev/null "$2/data"  # the launcher is known once unpacked
debs=("$(realpath "$1")"/gobbler_*.deb)
[ ${#debs[@]} = 1 ] && [ -f "${debs[0]}" ] || e2e_fail "no single package in $1"
dpkg -x "${debs[0]}" "$WORK/root" || e2e_fail "dpkg -x ${debs[0]}"
GOBBLER=$WORK/root/usr/games/gobbler
export HOME=$WORK/home && unset XDG_DATA_HOME GOBBLER_DATA
game_dir=$HOME/.local/share/gobbler
mkdir -p "$HOME" && [ ! -e "$game_dir" ] || e2e_fail "the home is not fresh"
play_a_game_and_quit "$game_dir"
# The player's options reach the program.
[ "$("$GOBBLER" --version)" = "$("$WORK/root/usr/lib/games/gobbler/gobbler" --version)" ] ||
  e2e_fail "--version through the launcher"
"$GOBBLER" --no-such-option >/dev/null 2>&1
[ $? = 2 ] || e2e_fail "a bad option through the launcher did not end with status 2"
e2e_pass
