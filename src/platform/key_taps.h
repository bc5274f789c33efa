// Keys pressed and let go between two frames never show in key[], which the
// game reads once a frame. The keyboard's low-level hook notes every press;
// a game frame then holds each tapped key down in key[] for that frame, so
// a quick tap of an arrow, P, M, Escape or F1 counts like a short press.
#pragma once

// Hooks the keyboard (after install_keyboard).
void start_key_taps();
// A press (scancode) or release (scancode | 0x80) from the keyboard driver.
void note_key_event(int scancode);
// Lifts the keys held for the last frame's taps (those pressed for real
// since stay down); then, with `hold`, holds down the keys tapped since the
// last call that are not down now; without, forgets those taps.
void hold_key_taps(bool hold);
