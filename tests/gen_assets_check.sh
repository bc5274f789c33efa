#!/usr/bin/env bash
# Checks that the asset generator is deterministic and that the committed
# pictures and sounds in data/ are exactly what it produces.
#
# usage: gen_assets_check.sh <gen_assets binary> <data directory>
#
# The generator is run twice into fresh temporary directories; the two runs
# must agree byte for byte, and every generated file must match the one in
# the data directory.  Only pictures and sounds (*.bmp, *.wav) of the data
# directory are compared: the game also keeps its high-score file there.
set -u

if [ $# -ne 2 ]; then
    echo "usage: $0 <gen_assets binary> <data directory>" >&2
    exit 2
fi
gen=$1
data=$2
if [ ! -x "$gen" ]; then
    echo "FAIL: generator '$gen' is not an executable file" >&2
    exit 1
fi
if [ ! -d "$data" ]; then
    echo "FAIL: data directory '$data' does not exist" >&2
    exit 1
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/gen_assets_check.XXXXXX") || exit 1
trap 'rm -rf "$work"' EXIT

for run in first second; do
    if ! "$gen" "$work/$run"; then
        echo "FAIL: the $run run of the generator failed" >&2
        exit 1
    fi
done

# Every file the game loads must be produced.
required="eating.wav dies.wav fruitorpowerpill.wav intro.wav eatghost.wav
intro.bmp mazer.bmp mazelcorner.bmp gobu.bmp gobu1.bmp gobu2.bmp gobu3.bmp
ghostblue.bmp ghostblueflash.bmp"
for ghost in rusko velda tobin marno; do
    for dir in u r d l; do required="$required ${ghost}_${dir}.bmp"; done
done
for i in 1 2 3 4 5 6 7 8; do required="$required fruit$i.bmp"; done

status=0
for name in $required; do
    if [ ! -f "$work/first/$name" ]; then
        echo "FAIL: the generator does not write $name" >&2
        status=1
    fi
done

# Lists the pictures and sounds of a directory, one name a line, sorted.
assets_in() {
    (cd "$1" && find . -maxdepth 1 -type f \( -name '*.bmp' -o -name '*.wav' \) | sed 's|^\./||' | LC_ALL=C sort)
}

# compare <label a> <dir a> <label b> <dir b>
compare() {
    local la=$1 a=$2 lb=$3 b=$4 name
    assets_in "$a" > "$work/list_a"
    assets_in "$b" > "$work/list_b"
    if [ ! -s "$work/list_a" ]; then
        echo "FAIL: no pictures or sounds in $la" >&2
        status=1
    fi
    while IFS= read -r name; do
        echo "FAIL: $name is in $la but missing from $lb" >&2
        status=1
    done < <(LC_ALL=C comm -23 "$work/list_a" "$work/list_b")
    while IFS= read -r name; do
        echo "FAIL: $name is in $lb but missing from $la" >&2
        status=1
    done < <(LC_ALL=C comm -13 "$work/list_a" "$work/list_b")
    while IFS= read -r name; do
        if ! cmp -s "$a/$name" "$b/$name"; then
            echo "FAIL: $name differs between $la and $lb" >&2
            status=1
        fi
    done < <(LC_ALL=C comm -12 "$work/list_a" "$work/list_b")
}

compare "the first run" "$work/first" "the second run" "$work/second"
compare "the generated set" "$work/first" "$data" "$data"

if [ $status -eq 0 ]; then
    echo "gen_assets_check: $(wc -l < "$work/list_a") files, deterministic and matching $data"
fi
exit $status
