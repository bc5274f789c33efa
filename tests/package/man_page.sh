#!/usr/bin/env bash
# man_page.sh <gobbler> <page>: the manual page renders without a warning,
# and it and --help agree: the same options, and every key and gamepad
# control of --help described in the page under the same name.
set -u
gobbler=$1 page=$2
command -v man >/dev/null || { echo "SKIP: man is not installed (package man-db)"; exit 77; }
warnings=$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
[ -z "$warnings" ] || { echo "FAIL: man warns: $warnings" >&2; exit 1; }
help=$("$gobbler" --help) || { echo "FAIL: $gobbler --help" >&2; exit 1; }
text=$(LC_ALL=C MANWIDTH=80 man -l "$page" 2>/dev/null | col -bx)
options() { grep -oE -- '--[a-z][a-z-]*' | sort -u; }
if [ "$(options <<<"$help")" != "$(options <<<"$text")" ]; then
  echo "FAIL: the options differ (< --help, > manual page):" >&2
  diff <(options <<<"$help") <(options <<<"$text") >&2
  exit 1
fi
[ "$(options <<<"$help" | wc -l)" -ge 7 ] || { echo "FAIL: --help lists too few options" >&2; exit 1; }
# The controls: "  <name>  <what>" lines of the Keys and Gamepad sections;
# each name must be a tag in the page (a line of its own or followed by its text).
controls=$(awk '/^(Keys|Gamepad):$/ { on = 1; next } /^$/ { on = 0 } on && /^  [^ ]/ {
  sub(/^  /, ""); sub(/  +.*/, ""); print }' <<<"$help")
[ "$(grep -c . <<<"$controls")" -ge 10 ] || { echo "FAIL: found only these controls in --help: $controls" >&2; exit 1; }
missing=0
while IFS= read -r name; do
  grep -qE "^ {7}$(sed 's/[][\.*^$+?(){}|/]/\\&/g' <<<"$name")( {2,}|$)" <<<"$text" ||
    { echo "FAIL: the manual page has no entry for \"$name\"" >&2; missing=1; }
done <<<"$controls"
[ "$missing" = 0 ] || exit 1
echo "PASS: $(options <<<"$help" | wc -l) options and $(grep -c . <<<"$controls") controls agree"
