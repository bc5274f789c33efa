#include "game/display_key.h"

#include <allegro.h>

// Frames in a row F1 has been seen up, counted up to the settle frames.
static int frames_up = DISPLAY_KEY_SETTLE_FRAMES;

bool display_key_pressed(bool buffered) {
  if (key[KEY_F1] || buffered) {
    bool pressed = frames_up >= DISPLAY_KEY_SETTLE_FRAMES;
    frames_up = 0;
    return pressed;
  }
  if (frames_up < DISPLAY_KEY_SETTLE_FRAMES) ++frames_up;
  return false;
}
