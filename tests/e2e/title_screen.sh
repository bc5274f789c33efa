#!/usr/bin/env bash
# The title screen as the player meets it: a 640x480 window titled "Gobbler"
# showing the title picture with the parade running across it, fourteen rows
# of the player and four ghosts, seven rows moving left and seven moving
# right at one speed; Escape there ends the program with status 0.
. "$(dirname "$0")/lib.sh"
e2e_begin 30 "$@"

load_title_picture
fresh_data
launch "$RUN_DIR"
find_window
size=$(window_size)
[ "$size" = 640x480 ] || e2e_fail "the window is $size, not 640x480"
xprop -id "$WIN" WM_PROTOCOLS | grep -q WM_DELETE_WINDOW ||
  e2e_fail "the window does not take part in WM_DELETE_WINDOW, so its close button would kill it"
poll_shot a is_title 5 || e2e_fail "the title picture is not on screen"
say "title picture shown"

# Let the parade come fully onto the screen, then two pictures half a second
# apart.
sleep 0.6
shot a || e2e_fail "cannot take a screenshot"
sleep 0.5
shot b || e2e_fail "cannot take a screenshot"
is_title a && is_title b || e2e_fail "the title picture went away"

# In the middle lines of each row: the leftmost and rightmost pixels that
# differ from the title picture.  A right-moving row's leftmost pixel is the
# trailing ghost's left edge, a left-moving row's rightmost pixel the
# trailing ghost's right edge; both move by the same distance per frame.
faults=$(awk '
  FILENAME == ARGV[1] { T[FNR - 1] = $0; next }
  {
    i = FNR - 1; y = int(i / 640); x = i % 640
    if (!(y in ROW)) next
    split(T[i], t, " ")
    if ((t[1] - $1) ^ 2 <= 144 && (t[2] - $2) ^ 2 <= 144 && (t[3] - $3) ^ 2 <= 144) next
    key = FILENAME SUBSEP ROW[y]
    n[key]++
    if (!(key in lo) || x < lo[key]) lo[key] = x
    if (!(key in hi) || x > hi[key]) hi[key] = x
  }
  BEGIN {
    split("6 70 134 192 256 320 384", L, " "); split("32 96 160 224 288 416 352", Rt, " ")
    for (j = 1; j <= 7; j++) {
      for (y = L[j] + 8; y < L[j] + 24; y++) ROW[y] = "L" L[j]
      for (y = Rt[j] + 8; y < Rt[j] + 24; y++) ROW[y] = "R" Rt[j]
    }
  }
  END {
    a = ARGV[2]; b = ARGV[3]
    for (j = 1; j <= 7; j++) {
      for (s = 0; s < 2; s++) {
        row = s ? "R" Rt[j] : "L" L[j]
        if (n[a, row] < 40 || n[b, row] < 40) { print "parade row at y " substr(row, 2) " shows no sprites"; bad = 1; continue }
        d[row] = s ? lo[b, row] - lo[a, row] : hi[a, row] - hi[b, row]
      }
    }
    if (bad) exit
    ref = d["R352"]
    if (ref < 10 || ref > 150) print "the parade moved " ref " pixels right in half a second"
    for (row in d) {
      dir = substr(row, 1, 1) == "L" ? "left" : "right"
      if (d[row] < ref - 2 || d[row] > ref + 2)
        print "parade row at y " substr(row, 2) " moved " d[row] " pixels " dir ", the bottom row " ref
    }
  }' "$E2E_WORK/title_picture.px" "$E2E_WORK/a.px" "$E2E_WORK/b.px")
[ -z "$faults" ] || e2e_fail "$faults"
say "parade moves"

press Escape
wait_exit 3 "Escape on the title screen did not end the program within 3 s"
[ "$GOB_RC" = 0 ] || e2e_fail "the program ended with status $GOB_RC after Escape on the title, not 0"
e2e_pass
