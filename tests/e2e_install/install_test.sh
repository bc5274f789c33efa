#!/usr/bin/env bash
# install_test.sh <build-dir>: a staged install played through its launcher on
# a private X server with a fresh HOME. The high score lands in the per-user
# game directory and survives a reinstall and an uninstall; the launcher
# passes on the program's exit status.
set -uo pipefail
[ $# -eq 1 ] || { echo "usage: $0 <build-dir>" >&2; exit 2; }
build=$(cd "$1" && pwd) || exit 2
source_dir=$(cd "$(dirname "$0")/../.." && pwd) || exit 2
tmp=$(mktemp -d "${TMPDIR:-/tmp}/gobbler-install.XXXXXX") && mkdir "$tmp/home" || exit 2
stage=$tmp/stage prefix=/usr/local home=$tmp/home
root=$stage$prefix game_dir=$home/.local/share/gobbler
hi=$game_dir/gobbler.hi

# `cmake --install` rewrites the build's install manifest; keep the real one.
manifest=$build/install_manifest.txt
[ ! -f "$manifest" ] || cp -p "$manifest" "$tmp/manifest.saved"
xvfb_pid="" game_pid=""
cleanup() {
  for p in $game_pid $xvfb_pid; do kill "$p" 2>/dev/null && wait "$p" 2>/dev/null; done
  if [ -f "$tmp/manifest.saved" ]; then cp -p "$tmp/manifest.saved" "$manifest"; else rm -f "$manifest"; fi
  rm -rf "$tmp"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*" >&2
  for log in "$tmp"/*.log; do [ -s "$log" ] && { echo "--- $log" >&2; cat "$log" >&2; }; done
  exit 1
}
# Polls "$@" every 0.1 s for up to $1 seconds.
wait_until() {
  local tries=$(($1 * 10))
  shift
  until "$@" >/dev/null 2>&1; do [ $((tries -= 1)) -gt 0 ] && sleep 0.1 || return 1; done
}
install_game() {
  DESTDIR=$stage cmake --install "$build" --prefix "$prefix" >"$tmp/install.log" 2>&1 || fail "cmake --install failed"
}

install_game
for f in bin/gobbler libexec/gobbler/gobbler share/applications/gobbler.desktop \
  share/icons/hicolor/{32x32,64x64,128x128}/apps/gobbler.png; do
  [ -s "$root/$f" ] || fail "nothing installed at $prefix/$f"
done
data_files=$(cd "$source_dir/data" && ls -- *.bmp *.wav)
[ -n "$data_files" ] && [ "$data_files" = "$(ls "$root/share/gobbler/data")" ] || fail "the installed data differ"

Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$tmp/display" 2>"$tmp/xvfb.log" &
xvfb_pid=$!
wait_until 20 grep -q . "$tmp/display" || fail "Xvfb did not start"
export DISPLAY=:$(tr -d ' \n' <"$tmp/display")

start_launcher() {
  (cd "$tmp" && exec env -u XDG_DATA_HOME HOME="$home" "$root/bin/gobbler") >"$tmp/launcher.log" 2>&1 &
  game_pid=$!
  wait_until 30 xdotool search --name '^Gobbler$' || fail "the game window did not appear"
  xdotool mousemove --window "$(xdotool search --name '^Gobbler$' | head -n 1)" 100 100
}
hold() { xdotool keydown "$1" && sleep 0.3 && xdotool keyup "$1"; }  # several frames see it down
has_ended() { local s; s=$(ps -o stat= -p "$game_pid") || return 0; [[ $s == Z* ]]; }
# Waits for the game to end; its exit status in `status`.
finish() {
  wait_until 20 has_ended || fail "the game did not quit"
  wait "$game_pid"
  status=$? game_pid=""
}

# A game: after the 3 s jingle the player eats dots for 2 s; Escape, then again on the title.
start_launcher && sleep 1 && hold space && sleep 5 && hold Escape && sleep 3 && hold Escape
finish
[ "$status" -eq 0 ] || fail "first run: exit status $status, expected 0"
[ "$(stat -c %s "$hi" 2>/dev/null)" = 4 ] || fail "no 4-byte high score at $hi"
score=$(od -An -t d4 --endian=little "$hi" | tr -d ' ')
[ "$score" -gt 0 ] && [ $((score % 10)) -eq 0 ] || fail "high score $score is not a positive game score"
[ ! -e "$hi.new" ] || fail "the temporary high-score file was left behind"
cp -p "$hi" "$tmp/hi.saved"

# A reinstall with newer data; one file in the game directory stale, one gone.
install_game
for f in $data_files; do touch -d "@$(($(date +%s) + 5))" "$root/share/gobbler/data/$f"; done
stale=$(echo "$data_files" | grep -m1 '\.bmp$') missing=$(echo "$data_files" | grep -m1 '\.wav$')
echo stale >"$game_dir/$stale" && touch -d @1000000000 "$game_dir/$stale" && rm "$game_dir/$missing"
start_launcher && sleep 1 && hold Escape
finish
[ "$status" -eq 0 ] || fail "second run: exit status $status, expected 0"
cmp -s "$hi" "$tmp/hi.saved" || fail "the high score changed on a reinstall and a run without a game"
for f in $data_files; do
  cmp -s "$root/share/gobbler/data/$f" "$game_dir/$f" || fail "$f was not refreshed from the newer install"
done

DESTDIR=$stage cmake -DMANIFEST="$manifest" -P "$source_dir/cmake/uninstall.cmake" >"$tmp/uninstall.log" 2>&1 ||
  fail "uninstall failed"
[ -z "$(find "$stage" -not -type d)" ] || fail "uninstall left files: $(find "$stage" -not -type d)"
cmp -s "$hi" "$tmp/hi.saved" || fail "uninstall touched the player's high score"

# Without a display the program explains itself and fails; the launcher
# passes its status on.
install_game
(cd "$tmp" && env -u DISPLAY -u XDG_DATA_HOME HOME="$home" "$root/bin/gobbler") </dev/null >"$tmp/nodisplay.log" 2>&1
status=$?
[ "$status" -eq 1 ] || fail "without a display: exit status $status, expected 1"
grep -q '^gobbler: ' "$tmp/nodisplay.log" || fail "without a display: no explanation"
echo "install test passed (high score $score)"
