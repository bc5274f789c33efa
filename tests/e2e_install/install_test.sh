#!/usr/bin/env bash
# install_test.sh <build-dir>: a staged install played through its launcher with a fresh HOME: the high
# score in the per-user directory survives a reinstall and an uninstall; the exit status is passed on.
# The pictures and sounds are read where they are installed; copies left in a per-user directory by an
# older version are neither read nor touched.
. "$(dirname "$0")/../e2e/lib.sh"
source_dir=$(realpath "$E2E_DIR/../..")
e2e_begin 150 "$1/gobbler" "$source_dir/data"
build=$(realpath "$1") stage=$WORK/stage root=$WORK/stage/usr/local
GOBBLER=$root/games/gobbler data=$root/share/games/gobbler game_dir=$WORK/home/.local/share/gobbler
export HOME=$WORK/home && unset XDG_DATA_HOME && hi=$game_dir/gobbler.hi
# `cmake --install` rewrites the build's install manifest: the real one is put back.
manifest=$build/install_manifest.txt && { [ ! -f "$manifest" ] || cp -p "$manifest" "$WORK/manifest"; }
trap 'if [ -f "$WORK/manifest" ]; then cp -p "$WORK/manifest" "$manifest"; else rm -f "$manifest"; fi; e2e_cleanup' EXIT
install_game() { DESTDIR=$stage cmake --install "$build" --prefix /usr/local &>"$WORK/install.log" || e2e_fail install; }
install_game
for f in lib/games/gobbler/gobbler share/applications/io.github.gobbler.Gobbler.desktop share/man/man6/gobbler.6.gz \
  share/metainfo/io.github.gobbler.Gobbler.metainfo.xml share/doc/gobbler/{copyright,changelog.gz} \
  share/icons/hicolor/{32x32,64x64,128x128}/apps/gobbler.png; do [ -s "$root/$f" ] || e2e_fail "no /usr/local/$f"; done
grep -qx "Exec=/usr/local/games/gobbler" "$root/share/applications/io.github.gobbler.Gobbler.desktop" ||
  e2e_fail "the menu entry does not start /usr/local/games/gobbler"
files=$(cd "$DATA" && ls -- *.bmp *.wav) && [ "$files" = "$(ls "$data")" ] || e2e_fail "the installed data differ"
play_a_game_and_quit "$game_dir"
cp "$hi" "$WORK/saved.hi"
# A game directory as an older version left it, full of copied pictures and sounds, here all spoilt:
# the game still starts with the installed ones, and the copies and the high score stay as they were.
for f in $files; do echo stale >"$game_dir/$f"; done
install_game
open_title
press Escape
exits_0 "Escape on the title after a reinstall, with stale copies in the game directory"
cmp -s "$hi" "$WORK/saved.hi" || e2e_fail "the high score changed on a reinstall and a run without a game"
for f in $files; do [ "$(cat "$game_dir/$f")" = stale ] || e2e_fail "the old copy of $f was touched"; done
[ "$("$GOBBLER" --version)" = "$("$build/gobbler" --version)" ] || e2e_fail "--version through the launcher"
DESTDIR=$stage cmake -DMANIFEST="$manifest" -P "$source_dir/cmake/uninstall.cmake" >"$WORK/uninstall.log" 2>&1 &&
  [ -z "$(find "$stage" -not -type d)" ] && cmp -s "$hi" "$WORK/saved.hi" ||
  e2e_fail "uninstall failed, left files or touched the high score"
install_game
unset DISPLAY
fails_to_start "through the launcher with no display" "gobbler: *display*"
e2e_pass
