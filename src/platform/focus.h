// Whether the window lost the keyboard focus. The window system's switch
// callbacks may be missed, doubled or unpaired, so they are only hints that
// the frame reads; nothing is done inside them.
#pragma once

// Registers the switch callbacks; after every display mode set, whose own
// focus changes are then not taken for the player's.
void watch_focus();
// 1 once after the window lost the focus (and had not got it back when
// asked), else 0.
int focus_lost();
