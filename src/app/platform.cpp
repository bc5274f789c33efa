#include "app/platform.h"

#include "app/display.h"
#include "app/pacing.h"
#include "app/window.h"

static BITMAP *real_display() { return screen; }
static void real_present(BITMAP *buffer) { blit(buffer, screen, 0, 0, 0, 0, buffer->w, buffer->h); }
static void real_vsync() { vsync(); }
static void real_rest(int ms) { rest(ms); }
static int real_ticks() { return tick_counter; }
static void real_play(SAMPLE *sample) { play_sample(sample, 255, 128, 1000, 0); }
static int real_keypressed() { return keypressed(); }
static void real_clear_keybuf() { clear_keybuf(); }
static int real_close_requested() { return close_button_pressed; }

Platform platform = {
    real_display, real_present, real_vsync,         real_rest,         real_ticks,          wait_for_tick_after,
    real_play,    toggle_display_mode, real_keypressed, real_clear_keybuf, real_close_requested,
};
