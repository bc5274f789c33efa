#include "platform/display.h"

#include <allegro.h>
#include <xalleg.h>
#include <allegro/platform/aintunix.h>

#include <cstdio>
#include <cstdlib>

#include "platform/desktop/window_manager.h"
#include "platform/focus.h"
#include "platform/view.h"
#include "platform/window.h"

int windowed = 1;

// The window's scale once open; full screen picks its own.
static int window_scale = 1;
// Full screen is the window manager's (the keyboard, its close and the focus
// then work as in a window), not the library's unmanaged window.
static bool managed_fullscreen = false;

static void desktop_size(int *w, int *h) {
  if (get_desktop_resolution(w, h) != 0 || *w < SCREEN_W_PX || *h < SCREEN_H_PX) {
    *w = SCREEN_W_PX;
    *h = SCREEN_H_PX;
  }
}

// A mode at the desktop's depth, else at 16 bits; then the picture at
// `scale` on it.
static bool set_mode(int driver, int w, int h, int scale) {
  int depth = desktop_color_depth();
  if (depth != 15 && depth != 16 && depth != 24 && depth != 32) depth = 16;
  set_color_depth(depth);
  bool ok = set_gfx_mode(driver, w, h, 0, 0) == 0;
  if (!ok && depth != 16) {
    set_color_depth(16);
    ok = set_gfx_mode(driver, w, h, 0, 0) == 0;
  }
  keep_pictures_at_16_bits();
  if (!ok) return false;
  set_view(screen, scale);
  dress_window();
  watch_focus();
  return true;
}

// The window at its scale, or the largest smaller one that opens.
static bool set_window_mode() {
  // The window manager would otherwise fill the screen with the next window.
  if (managed_fullscreen) ask_fullscreen(false);
  managed_fullscreen = false;
  for (int s = window_scale; s >= 1; --s) {
    if (!set_mode(GFX_AUTODETECT_WINDOWED, SCREEN_W_PX * s, SCREEN_H_PX * s, s)) continue;
    if (s != window_scale)
      fprintf(stderr, "gobbler: cannot open a %dx%d window; using %dx%d\n", SCREEN_W_PX * window_scale,
              SCREEN_H_PX * window_scale, SCREEN_W_PX * s, SCREEN_H_PX * s);
    window_scale = s;
    put_window_back();
    return true;
  }
  return false;
}

// Full screen at the desktop's own size, the picture as large as fits: a
// window the window manager fills the screen with where one answers, else
// the library's own; failing both, the 640x480 full screen.
static bool set_fullscreen_mode() {
  int w, h;
  desktop_size(&w, &h);
  int scale = fullscreen_scale_for(w, h);
  managed_fullscreen = window_manager_fullscreens() && set_mode(GFX_AUTODETECT_WINDOWED, w, h, scale);
  if (managed_fullscreen) ask_fullscreen(true);
  return managed_fullscreen || set_mode(GFX_AUTODETECT_FULLSCREEN, w, h, scale) ||
         set_mode(GFX_AUTODETECT_FULLSCREEN, SCREEN_W_PX, SCREEN_H_PX, 1);
}

bool open_display(bool fullscreen, int scale) {
  int w, h;
  desktop_size(&w, &h);
  name_window();
  window_scale = scale > 0 ? scale : window_scale_for(w, h);
  if (fullscreen) {
    if (set_fullscreen_mode()) {
      windowed = 0;
      return true;
    }
    fprintf(stderr, "gobbler: cannot go full screen (%s); starting in a window\n", allegro_error);
  }
  windowed = 1;
  return set_window_mode();
}

void toggle_display_mode() {
  // F1 twice brings the window back where the player left it.
  if (windowed) note_window_place();
  if (windowed ? set_fullscreen_mode() : set_window_mode()) {
    windowed = windowed == 0 ? 1 : 0;
    return;
  }
  // Keep the game going in the mode it had.
  char reason[256];
  snprintf(reason, sizeof reason, "%s", allegro_error);
  if (windowed ? set_window_mode() : set_fullscreen_mode()) return;
  fprintf(stderr, "gobbler: cannot switch the display (%s) nor go back to the %s mode: %s\n", reason,
          windowed ? "window" : "full screen", allegro_error);
  exit(1);
}

// The library passes its pictures to the X server when its own thread next
// reads events, up to 10 ms later; sent at once, they show sooner. (No
// connection: a screen in memory.)
void flush_display() {
  XLOCK();
  if (_xwin.display) XFlush(_xwin.display);
  XUNLOCK();
}
