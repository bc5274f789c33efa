#include "platform/display.h"

#include <allegro.h>

#include "platform/focus.h"
#include "platform/view.h"

int windowed = 1;

// The page shows the 640x480 canvas at the largest whole scale that fits the
// browser window (crisp, without smoothing), so the picture goes out at
// scale 1; full screen is the page's too (see toggle_display_mode).
bool open_display(bool, int) {
  // The canvas takes bytes in the order red, green, blue, alpha.
  _rgb_r_shift_32 = 0;
  _rgb_g_shift_32 = 8;
  _rgb_b_shift_32 = 16;
  _rgb_a_shift_32 = 24;
  set_color_depth(32);
  bool ok = set_gfx_mode(GFX_AUTODETECT_WINDOWED, SCREEN_W_PX, SCREEN_H_PX, 0, 0) == 0;
  keep_pictures_at_16_bits();
  if (!ok) return false;
  set_view(screen, 1);
  watch_focus();
  return true;
}

// A browser goes full screen only inside the handler of the key that asked
// for it: the page does it when F1 goes down, before the game sees the key.
void toggle_display_mode() {}

// The canvas is painted when the page next draws; nothing to send on.
void flush_display() {}
