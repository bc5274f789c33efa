// Presses of the Pause key, as the library's X11 keyboard reports them.
#pragma once

// Called once a frame; `focus_news` says the keyboard state may have been
// cleared behind the player's back (the focus was lost or F1 is down). True
// in the frame a press takes effect.
bool pause_key_pressed(bool focus_news);
// Whatever key[KEY_PAUSE] holds now is taken as no press.
void reset_pause_key();
