#!/usr/bin/env bash
# install_test.sh <build-dir>
#
# Installs the built game into a staging directory (DESTDIR), checks the
# installed tree, then plays it through the installed `gobbler` launcher on a
# private X server with a fresh HOME: one short game that scores, Escape to
# end it, Escape on the title to quit. The high score must land in the
# per-user game directory; a reinstall with newer data must refresh the
# game's files there and leave the high score alone; uninstalling must remove
# every installed file and keep the player's directory.
set -uo pipefail

if [ $# -ne 1 ]; then
  echo "usage: $0 <build-dir>" >&2
  exit 2
fi
build=$(cd "$1" && pwd) || exit 2
source_dir=$(cd "$(dirname "$0")/../.." && pwd) || exit 2

tmp=$(mktemp -d "${TMPDIR:-/tmp}/gobbler-install.XXXXXX") || exit 2
stage=$tmp/stage
prefix=/usr/local
root=$stage$prefix
home=$tmp/home
mkdir -p "$home"
game_dir=$home/.local/share/gobbler

# `cmake --install` rewrites the build's install manifest; keep a real one.
manifest=$build/install_manifest.txt
if [ -f "$manifest" ]; then cp -p "$manifest" "$tmp/manifest.saved"; fi

xvfb_pid=
game_pid=
cleanup() {
  for p in $game_pid $xvfb_pid; do
    kill "$p" 2>/dev/null && wait "$p" 2>/dev/null
  done
  if [ -f "$tmp/manifest.saved" ]; then
    cp -p "$tmp/manifest.saved" "$manifest"
  else
    rm -f "$manifest"
  fi
  rm -rf "$tmp"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  for log in "$tmp"/launcher*.log "$tmp"/xvfb.log; do
    [ -s "$log" ] && { echo "--- $log" >&2; cat "$log" >&2; }
  done
  exit 1
}

# Polls `$@` every 0.1 s for up to $1 seconds.
wait_until() {
  local seconds=$1
  shift
  local tries=$((seconds * 10))
  while ! "$@" >/dev/null 2>&1; do
    tries=$((tries - 1))
    [ "$tries" -gt 0 ] || return 1
    sleep 0.1
  done
}

# Width and height from a PNG's IHDR chunk.
png_size() {
  local sig
  sig=$(od -An -tx1 -N16 "$1" | tr -d ' \n')
  [ "$sig" = "89504e470d0a1a0a0000000d49484452" ] || { echo "not-a-png"; return; }
  od -An -tu1 -j16 -N8 "$1" | awk '{ printf "%dx%d\n", $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8 }'
}

install_game() {
  DESTDIR=$stage cmake --install "$build" --prefix "$prefix" >"$tmp/install.log" 2>&1 ||
    { cat "$tmp/install.log" >&2; fail "cmake --install failed"; }
}

# ---- the installed tree
install_game
[ -x "$root/bin/gobbler" ] || fail "no launcher at $prefix/bin/gobbler"
[ "$(head -c 2 "$root/bin/gobbler")" = "#!" ] || fail "$prefix/bin/gobbler is not the launcher script"
[ -x "$root/libexec/gobbler/gobbler" ] || fail "no program at $prefix/libexec/gobbler/gobbler"
data_files=$(cd "$source_dir/data" && ls -- *.bmp *.wav | sort)
installed_files=$(cd "$root/share/gobbler/data" && ls | sort)
[ -n "$data_files" ] && [ "$data_files" = "$installed_files" ] ||
  fail "installed data differ from data/: $(diff <(echo "$data_files") <(echo "$installed_files") | tr '\n' ' ')"
desktop=$root/share/applications/gobbler.desktop
grep -qx 'Categories=Game;ArcadeGame;' "$desktop" || fail "desktop entry lacks the game categories"
grep -qx "Exec=$prefix/bin/gobbler" "$desktop" || fail "desktop entry does not start $prefix/bin/gobbler"
grep -qx 'Icon=gobbler' "$desktop" || fail "desktop entry names no gobbler icon"
for size in 32 64 128; do
  icon=$root/share/icons/hicolor/${size}x$size/apps/gobbler.png
  [ "$(png_size "$icon")" = "${size}x$size" ] || fail "$icon is not a ${size}x$size PNG"
done

# ---- a private X server on a display number of its own choosing
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$tmp/display" 2>"$tmp/xvfb.log" &
xvfb_pid=$!
wait_until 20 grep -q . "$tmp/display" || fail "Xvfb did not start"
DISPLAY=:$(tr -d ' \n' <"$tmp/display")
export DISPLAY
wait_until 20 xdpyinfo || fail "display $DISPLAY does not answer"

run=0
start_launcher() {
  run=$((run + 1))
  (cd "$tmp" && exec env -u XDG_DATA_HOME HOME="$home" "$root/bin/gobbler") >"$tmp/launcher$run.log" 2>&1 &
  game_pid=$!
  wait_until 30 xdotool search --name '^Gobbler$' || fail "the game window did not appear"
  window=$(xdotool search --name '^Gobbler$' | head -n 1)
  xdotool windowfocus --sync "$window" 2>/dev/null || xdotool mousemove --window "$window" 100 100
}

# Holds a key long enough for several frames to see it down.
hold() {
  xdotool keydown "$1" && sleep 0.3 && xdotool keyup "$1"
}

# A child that has ended stays a zombie until waited for.
has_ended() {
  local state
  state=$(ps -o stat= -p "$1") || return 0
  [[ $state == Z* ]]
}

# Waits for the game to end; sets `status`.
finish() {
  wait_until 20 has_ended "$game_pid" || fail "the game did not quit"
  wait "$game_pid"
  status=$?
  game_pid=
}

# ---- first game: start, let the player run left eating dots, end, quit
start_launcher
sleep 1                      # the title parade runs
hold space                   # starts a game: 3 s jingle, then play
sleep 5                      # about 2 s of play
hold Escape                  # the game-over box for 2 s, then the title
sleep 3
hold Escape                  # quits on the title
finish
[ "$status" -eq 0 ] || fail "first run: exit status $status, expected 0"

hi=$game_dir/gobbler.hi
[ -f "$hi" ] || fail "no high score at $hi"
[ "$(stat -c %s "$hi")" -eq 4 ] || fail "high score file is $(stat -c %s "$hi") bytes, expected 4"
read -r b0 b1 b2 b3 < <(od -An -tu1 "$hi")
score=$((b0 | b1 << 8 | b2 << 16 | b3 << 24))
[ "$b3" -lt 128 ] && [ "$score" -gt 0 ] && [ $((score % 10)) -eq 0 ] ||
  fail "high score $score (bytes $b0 $b1 $b2 $b3) is not a positive game score"
[ ! -e "$game_dir/gobbler.hi.new" ] || fail "the temporary high-score file was left behind"
for f in $data_files; do
  cmp -s "$root/share/gobbler/data/$f" "$game_dir/$f" || fail "$f was not copied into the game directory"
done
cp -p "$hi" "$tmp/hi.saved"

# ---- reinstall with newer data; one stale and one missing file per player
install_game
later=$(($(date +%s) + 5))
for f in $data_files; do touch -d "@$later" "$root/share/gobbler/data/$f"; done
stale=$(echo "$data_files" | grep '\.bmp$' | head -n 1)
missing=$(echo "$data_files" | grep '\.wav$' | head -n 1)
echo "stale" >"$game_dir/$stale"
touch -d @1000000000 "$game_dir/$stale"
rm -f "$game_dir/$missing"

start_launcher
sleep 1
hold Escape
finish
[ "$status" -eq 0 ] || fail "second run: exit status $status, expected 0"
cmp -s "$hi" "$tmp/hi.saved" || fail "the high score changed on a run without a game"
for f in $data_files; do
  cmp -s "$root/share/gobbler/data/$f" "$game_dir/$f" || fail "$f was not refreshed from the newer install"
done

# ---- uninstall leaves nothing installed and the player's files alone
DESTDIR=$stage cmake -DMANIFEST="$manifest" -P "$source_dir/cmake/uninstall.cmake" >"$tmp/uninstall.log" 2>&1 ||
  { cat "$tmp/uninstall.log" >&2; fail "uninstall failed"; }
left=$(find "$stage" -not -type d)
[ -z "$left" ] || fail "uninstall left files: $left"
for d in "$root/share/gobbler" "$root/libexec/gobbler"; do
  [ ! -e "$d" ] || fail "uninstall left $d"
done
cmp -s "$hi" "$tmp/hi.saved" || fail "uninstall touched the player's high score"
install_game

# ---- without a display the program explains itself and fails; the
# launcher passes its status on. Checked after the rest, so that a fault
# here does not hide the others.
status=0
(cd "$tmp" && env -u DISPLAY -u XDG_DATA_HOME HOME="$home" "$root/bin/gobbler") </dev/null >"$tmp/nodisplay.log" 2>&1 ||
  status=$?
[ "$status" -eq 1 ] || fail "without a display: exit status $status, expected 1 ($(grep -v '^ALSA' "$tmp/nodisplay.log"))"
grep -q '^gobbler: ' "$tmp/nodisplay.log" || fail "without a display: no explanation ($(cat "$tmp/nodisplay.log"))"

echo "install test passed (high score $score)"
