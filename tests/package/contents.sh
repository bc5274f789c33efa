#!/usr/bin/env bash
# contents.sh <package-dir> <source-dir> <version>: what the package holds and
# says about itself: the games layout under /usr and nothing under
# /usr/local, every picture and sound of data/ and nothing else beside them,
# a stripped program, the documents, dependencies found from the program.
. "$(dirname "$0")/lib.sh"
deb_found "$1"
source_dir=$2 version=$3 faults=0
fault() { echo "FAIL: $*" >&2; faults=$((faults + 1)); }
listing=$(dpkg-deb -c "$DEB") || { echo "FAIL: dpkg-deb -c $DEB" >&2; exit 1; }
# "mode owner path" per entry, the path without its leading "." and any link target.
entries=$(awk '{ p = $6; sub(/^\./, "", p); print $1, $2, p }' <<<"$listing")
has() {  # has <mode pattern> <path>
  grep -qx -- "$1 root/root $2" <<<"$entries" || fault "no $2 with mode $1"
}
has '-rwxr-xr-x' /usr/games/gobbler
has '-rwxr-xr-x' /usr/lib/games/gobbler/gobbler
has '-rw-r--r--' /usr/share/man/man6/gobbler.6.gz
has '-rw-r--r--' /usr/share/metainfo/io.github.gobbler.Gobbler.metainfo.xml
has '-rw-r--r--' /usr/share/applications/io.github.gobbler.Gobbler.desktop
for size in 32 64 128; do has '-rw-r--r--' /usr/share/icons/hicolor/${size}x$size/apps/gobbler.png; done
has '-rw-r--r--' /usr/share/doc/gobbler/copyright
has '-rw-r--r--' /usr/share/doc/gobbler/changelog.gz

data=$(cd "$source_dir/data" && ls -- *.bmp *.wav)
[ "$(grep -c . <<<"$data")" = 38 ] || fault "data/ holds $(grep -c . <<<"$data") pictures and sounds, not 38"
packed=$(awk '$3 ~ "^/usr/share/games/gobbler/." { sub(".*/", "", $3); print $3 }' <<<"$entries" | sort)
[ "$packed" = "$(sort <<<"$data")" ] ||
  fault "the package's data differ from data/: $(diff <(sort <<<"$data") - <<<"$packed" | grep '^[<>]' | head -5 | tr '\n' ' ')"
outside=$(awk '$3 != "/" && $3 !~ "^/usr/" { print $3 }' <<<"$entries")
[ -z "$outside" ] || fault "outside /usr: $outside"
awk '{ print $3 }' <<<"$entries" | grep -q '^/usr/local' && fault "something under /usr/local"
odd=$(awk '$1 !~ /^[-d]/ { print $3 }' <<<"$entries")
[ -z "$odd" ] || fault "neither file nor directory: $odd"
[ "$(grep -c '^-' <<<"$entries")" = 48 ] || fault "$(grep -c '^-' <<<"$entries") files, not the 48 expected"

field() { dpkg-deb -f "$DEB" "$1"; }
[ "$(field Package)" = gobbler ] || fault "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fault "Version: $(field Version), not $version"
[ "$(field Section)" = games ] || fault "Section: $(field Section)"
[[ $(field Depends) == *liballegro4.4* && $(field Depends) == *libc6* ]] ||
  fault "Depends does not name the libraries the program links: $(field Depends)"
[ "$(field Description | tail -n +2 | grep -c .)" -ge 5 ] || fault "no long description"

temp_root && unpack
tree=$ROOT/tree
readelf -S "$tree/usr/lib/games/gobbler/gobbler" | grep -qE '\.(symtab|debug_)' && fault "the program is not stripped"
[ "$(zcat "$tree/usr/share/doc/gobbler/changelog.gz" | head -1 | sed -n 's/^gobbler (\([^)]*\)).*/\1/p')" = "$version" ] ||
  fault "the changelog's latest entry is not $version"
grep -q "release version=\"$version\"" "$tree/usr/share/metainfo/io.github.gobbler.Gobbler.metainfo.xml" ||
  fault "the metainfo's release is not $version"
[ "$(zcat "$tree/usr/share/man/man6/gobbler.6.gz" | grep '^\.TH' | grep -c "gobbler $version")" = 1 ] ||
  fault "the manual page is not of version $version"
grep -qx 'Exec=/usr/games/gobbler' "$tree/usr/share/applications/io.github.gobbler.Gobbler.desktop" ||
  fault "the menu entry does not start /usr/games/gobbler"
[ "$(GOBBLER_DATA= "$tree/usr/lib/games/gobbler/gobbler" --version)" = "gobbler $version" ] ||
  fault "the packed program is not version $version"
[ "$faults" = 0 ] || exit 1
echo "PASS: $(grep -c '^-' <<<"$entries") files in $(basename "$DEB")"
