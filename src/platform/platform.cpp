#include "platform/platform.h"

#include "platform/display.h"
#include "platform/pacing.h"
#include "platform/view.h"
#include "platform/window.h"

// The picture last presented, and a copy of it that the game may draw over
// without touching the back buffer, which by then holds the next frame.
static BITMAP *on_show = nullptr;
static BITMAP *shown = nullptr;

static BITMAP *real_display() {
  if (!shown) shown = create_bitmap_ex(16, SCREEN_W_PX, SCREEN_H_PX);
  if (on_show != shown) {
    if (on_show)
      blit(on_show, shown, 0, 0, 0, 0, SCREEN_W_PX, SCREEN_H_PX);
    else
      clear_to_color(shown, 0);
    on_show = shown;
  }
  return shown;
}

// Everything shown goes out scaled through the colour table.
static void real_present(BITMAP *buffer) {
  on_show = buffer;
  show_picture(buffer);
}

static void real_show_display() { real_present(real_display()); }
static void real_vsync() { vsync(); }
static void real_rest(int ms) { rest(ms); }
static int real_ticks() { return tick_counter; }
static void real_play(SAMPLE *sample) { play_sample(sample, 255, 128, 1000, 0); }
static int real_keypressed() { return keypressed(); }
static void real_clear_keybuf() { clear_keybuf(); }
static int real_close_requested() { return close_button_pressed; }

Platform platform = {
    real_display, real_show_display, real_present, real_vsync,         real_rest,         real_ticks,          wait_for_tick_after,
    real_play,    toggle_display_mode, real_keypressed, real_clear_keybuf, real_close_requested,
};
