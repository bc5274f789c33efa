#!/usr/bin/env bash
# screenshots_test.sh <screenshots-program>
#
# Runs the screenshot tool into a fresh directory and checks what it wrote:
# two 640x480 PNG files that ImageMagick decodes, the title picture showing
# the title screen where the parade is not, and the game picture showing the
# maze's walls in the wall colour.
set -uo pipefail

tool=$1
source_dir=$(cd "$(dirname "$0")/../.." && pwd) || exit 2
tmp=$(mktemp -d "${TMPDIR:-/tmp}/gobbler-shots.XXXXXX") || exit 2
trap 'rm -rf "$tmp"' EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}
command -v convert >/dev/null && command -v compare >/dev/null ||
  fail "ImageMagick (convert, compare) is needed to read the pictures back; run scripts/setup.sh"

"$tool" "$tmp/out" >"$tmp/log" 2>&1 || { cat "$tmp/log" >&2; fail "the tool failed"; }

for name in title game; do
  png=$tmp/out/$name.png
  [ -f "$png" ] || fail "no $name.png"
  head=$(od -An -tx1 -N24 "$png" | tr -d ' \n')
  # Signature, IHDR length and type, width 640, height 480.
  [ "$head" = "89504e470d0a1a0a0000000d4948445200000280000001e0" ] || fail "$name.png does not start as a 640x480 PNG: $head"
  bytes=$(convert "$png" rgb:- | wc -c) || fail "$name.png cannot be decoded"
  [ "$bytes" -eq $((640 * 480 * 3)) ] || fail "$name.png decodes to $bytes bytes"
done

# Left of x 190 the parade has not arrived yet: the title picture shows, as
# closely as 16-bit colour allows.
convert "$tmp/out/title.png" -crop 190x480+0+0 +repage "$tmp/shot.ppm" &&
  convert "$source_dir/data/intro.bmp" -crop 190x480+0+0 +repage "$tmp/title.ppm" ||
  fail "cannot crop the title pictures"
differing=$(compare -metric AE -fuzz 5% "$tmp/shot.ppm" "$tmp/title.ppm" null: 2>&1)
[ "$differing" = "0" ] || fail "title.png differs from intro.bmp in $differing pixels left of the parade"

# The block at the top edge of the maze, cells (0,1) and (0,2), is solid wall.
colours=$(convert "$tmp/out/game.png" -crop 32x16+16+0 +repage -unique-colors txt:- | grep -o '#[0-9A-F]\{6\}' | tr '\n' ' ')
[ "$colours" = "#FFFF00 " ] || fail "game.png shows colours $colours where the top wall of the maze should be solid yellow"

echo "screenshots test passed"
