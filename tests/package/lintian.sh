#!/usr/bin/env bash
# lintian.sh <package-dir>: Debian's package checker, pedantic, finds no error
# and no warning (informational and pedantic notes are fine). It warns about
# being run as root, so as root it runs as the unprivileged user nobody.
. "$(dirname "$0")/lib.sh"
command -v lintian >/dev/null || { echo "SKIP: lintian is not installed (package lintian)"; exit 77; }
deb_found "$1"
temp_root
# A copy nobody can read, and a home for lintian's own files.
chmod 755 "$ROOT" && cp "$DEB" "$ROOT/" && chmod 644 "$ROOT/${DEB##*/}" || exit 1
run=()
if [ "$(id -u)" = 0 ]; then
  command -v runuser >/dev/null || { echo "FAIL: as root, runuser is needed to run lintian as nobody" >&2; exit 1; }
  run=(runuser -u nobody --)
fi
"${run[@]}" env HOME="$ROOT" lintian --pedantic "$ROOT/${DEB##*/}" >"$ROOT/report" 2>&1
status=$?
cat "$ROOT/report"
if [ "$status" != 0 ] || grep -q '^[EW]:' "$ROOT/report"; then
  echo "FAIL: lintian found errors or warnings (status $status)" >&2
  exit 1
fi
echo "PASS: lintian: $(grep -c '^[IPX]:' "$ROOT/report") notes, no error or warning"
