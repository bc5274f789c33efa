#!/usr/bin/env bash
# gen_assets_check.sh <gen_assets binary> <data directory>: two runs of the generator write the same
# files, and they are the data directory's pictures and sounds (it also holds the high score).
set -u
work=$(mktemp -d "${TMPDIR:-/tmp}/gen_assets_check.XXXXXX") && trap 'rm -rf "$work"' EXIT || exit 1
fail() { echo "FAIL: $*" >&2; exit 1; }
"$1" "$work/first" && "$1" "$work/second" || fail "the generator failed"
mkdir "$work/data" && cp "$2"/*.bmp "$2"/*.wav "$work/data" || fail "nothing to compare in $2"
diff -r "$work/first" "$work/second" >&2 || fail "two runs of the generator differ"
diff -r "$work/first" "$work/data" >&2 || fail "$2 is not what the generator draws"
