#include "platform/display.h"

#include <allegro.h>

#include <cstdio>
#include <cstdlib>

#include "platform/focus.h"
#include "platform/window.h"

int windowed = 1;

static bool set_mode(int want_windowed) {
  int driver = want_windowed ? GFX_AUTODETECT_WINDOWED : GFX_AUTODETECT;
  if (set_gfx_mode(driver, SCREEN_W_PX, SCREEN_H_PX, 0, 0) != 0) return false;
  dress_window();
  watch_focus();
  return true;
}

bool open_window() {
  set_color_depth(16);
  return set_mode(1);
}

void toggle_display_mode() {
  if (set_mode(!windowed)) {
    windowed = windowed == 0 ? 1 : 0;
    return;
  }
  // Keep the game going in the mode it had.
  char reason[256];
  snprintf(reason, sizeof reason, "%s", allegro_error);
  if (set_mode(windowed)) return;
  fprintf(stderr, "gobbler: cannot switch the display (%s) nor go back to the %s mode: %s\n", reason,
          windowed ? "window" : "full screen", allegro_error);
  exit(1);
}
