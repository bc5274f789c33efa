#include "game/pause_key.h"

#include <allegro.h>

// The X11 keyboard makes the Pause key a toggle: every press, auto-repeats
// included, flips key[KEY_PAUSE]; its releases never come; a lost focus (a
// display switch too) clears it. So a press is a flip that stands alone: no
// other flip in the PAUSE_KEY_QUIET frames before and after it (repeats come
// some 40 ms apart), and no focus news among them. It takes effect once those
// frames have passed.
const int PAUSE_KEY_QUIET = 4;

static bool seen_down = false;
static int frames_since_flip = PAUSE_KEY_QUIET;  // counts up to PAUSE_KEY_QUIET
static int flip_pending = 0;  // frames until a lone flip counts; 0: none
static int disturbed = 0;     // frames in which flips are not the player's

bool pause_key_pressed(bool focus_news) {
  bool down = key[KEY_PAUSE] != 0;
  bool flip = down != seen_down;
  seen_down = down;
  if (focus_news) {
    disturbed = PAUSE_KEY_QUIET;
    flip_pending = 0;
  } else if (disturbed > 0) {
    --disturbed;
  }
  if (flip) {
    flip_pending = frames_since_flip >= PAUSE_KEY_QUIET && disturbed == 0 ? PAUSE_KEY_QUIET : 0;
    frames_since_flip = 0;
    return false;
  }
  if (frames_since_flip < PAUSE_KEY_QUIET) ++frames_since_flip;
  return flip_pending > 0 && --flip_pending == 0;
}

void reset_pause_key() {
  seen_down = key[KEY_PAUSE] != 0;
  frames_since_flip = PAUSE_KEY_QUIET;
  flip_pending = 0;
  disturbed = 0;
}
