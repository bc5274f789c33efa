#include "platform/no_window.h"

#include <allegro.h>

#include <cerrno>
#include <cstdlib>

#include "platform/platform.h"

static BITMAP *shown = nullptr;

void start_without_window() {
  install_allegro(SYSTEM_NONE, &errno, atexit);
  // Without a graphics driver the 16-bit layout is not 5-6-5; the game's
  // pixel values assume it.
  _rgb_r_shift_16 = 11;
  _rgb_g_shift_16 = 5;
  _rgb_b_shift_16 = 0;
  set_color_depth(16);
}

static int ticks = 0;

void use_no_window_platform() {
  if (!shown) shown = create_bitmap_ex(16, 640, 480);
  platform = Platform{
      [] { return shown; },
      [] {},
      [](BITMAP *) {},
      [] {},
      [](int) {},
      [] { return ticks; },
      [](int t) { ticks = t + 1; },
      [](SAMPLE *) {},
      [] {},
      [] { return 0; },
      [] {},
      [] { return 0; },
      [] {},
      [] { return 0; },
      [](PadState *pad) { *pad = PadState(); },
      [] { return 0; },
      [](bool) {},
  };
}
