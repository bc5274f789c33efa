// The player's commands beyond steering, read once a frame from the keyboard
// and the gamepad. Each command acts once per press, not every frame while
// held. The pad's directions are put into key[] like the arrow keys, so the
// rules read one state and a pad game replays like a keyboard game.
#pragma once

#include "platform/gamepad.h"

// A stick or d-pad counts as pushed past half way.
const int PAD_PUSHED = 64;

struct Controls {
  bool pause = false;       // P or the pad's Start went down, or Pause was pressed
  bool mute = false;        // M went down
  bool end_game = false;    // the pad's Back went down
  bool start_game = false;  // A, B, X, Y or Start went down (on the title)
  bool focus_lost = false;  // the window lost the keyboard focus
};

// Reads the keyboard, the pad and the focus hint; updates key[] from the pad.
Controls read_controls();
// What is held now counts only once released and pressed again; a focus
// hint from before is dropped.
void reset_controls();
// Escape, the window's close button or the pad's Back: the game ends.
bool end_requested(const Controls &in);
