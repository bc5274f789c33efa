// The keyboard as a game reads it: key[] takes the keyboard's state once a
// frame, when the frame begins, so the rules and the recording of a game see
// the same keys however the presses fall in time. A key pressed and let go
// between two frames never shows in that state: it is held down in key[]
// for the next frame alone, so a quick tap of an arrow, P, M, Escape or F1
// counts like a short press.
#pragma once

// Puts the keyboard in polled mode (after install_keyboard): key[] changes
// only when polled (keypressed() and clear_keybuf() poll too).
void start_key_taps();
// A press of `scancode` noted for the next hold_key_taps(true).
void note_key_event(int scancode);
// Polls the keyboard and notes every press waiting in its buffer; lifts the
// keys held for the last frame's taps; then, with `hold`, holds down the
// keys pressed since the last call that are not down now; without, forgets
// those presses.
void hold_key_taps(bool hold);
