#!/bin/sh
# tools/make_icon.sh [data-directory]
#
# Makes the desktop icons desktop/icons/gobbler-{32,64,128}.png from the
# player picture data/gobu3.bmp: turned to face right, magenta made
# transparent, enlarged by whole factors with every pixel repeated so the
# picture stays sharp. The 64-pixel one also as gobbler-64.xpm, which the
# program builds in as its window's icon. For the page, web/icon-192.png and
# web/icon-512.png (the installed app's), and web/apple-touch-icon.png,
# 180 pixels, opaque: the picture at five times on black. Needs ImageMagick; the icons are kept in the
# repository, so building and installing the game does not.
set -eu

here=$(cd "$(dirname "$0")/.." && pwd)
data=${1:-$here/data}
out=$here/desktop/icons
web=$here/web
picture=$data/gobu3.bmp

command -v convert >/dev/null || { echo "make_icon.sh: ImageMagick's convert is needed" >&2; exit 1; }
[ -f "$picture" ] || { echo "make_icon.sh: no $picture" >&2; exit 1; }
mkdir -p "$out"

for scale in 1 2 4; do
  size=$((32 * scale))
  # No time stamps in the files, so the same picture gives the same bytes.
  convert "$picture" -alpha set -transparent '#ff00ff' -rotate 90 -sample "$((100 * scale))%" \
    -strip -define png:exclude-chunks=date,time "PNG32:$out/gobbler-$size.png"
  echo "$out/gobbler-$size.png"
done
# The window's icon: XPM is what the game library hands the window manager.
convert "$out/gobbler-64.png" "XPM:$out/gobbler-64.xpm"
echo "$out/gobbler-64.xpm"

# The page's: 192 and 512 are whole multiples of 32; the home-screen icon of
# phones that draw no transparency is the picture five times over on black.
for size in 192 512; do
  convert "$picture" -alpha set -transparent '#ff00ff' -rotate 90 -sample "$((100 * size / 32))%" \
    -strip -define png:exclude-chunks=date,time "PNG32:$web/icon-$size.png"
  echo "$web/icon-$size.png"
done
convert "$picture" -transparent '#ff00ff' -rotate 90 -sample 500% -background black -gravity center \
  -extent 180x180 -alpha remove -strip -define png:exclude-chunks=date,time "PNG24:$web/apple-touch-icon.png"
echo "$web/apple-touch-icon.png"
