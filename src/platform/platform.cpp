#include "platform/platform.h"

#include <chrono>

#include "platform/display.h"
#include "platform/end_signals.h"
#include "platform/focus.h"
#include "platform/gamepad.h"
#include "platform/key_taps.h"
#include "platform/pacing.h"
#include "platform/view.h"
#include "platform/window.h"

// A copy of the picture on show that the game may draw over (the game over
// and pause boxes): the back buffer by then holds the next frame.
static BITMAP *shown = nullptr;

static BITMAP *real_display() {
  if (!shown) shown = create_bitmap_ex(16, SCREEN_W_PX, SCREEN_H_PX);
  if (view.last)
    blit(view.last, shown, 0, 0, 0, 0, SCREEN_W_PX, SCREEN_H_PX);
  else
    clear_to_color(shown, 0);
  return shown;
}

// Everything shown goes out scaled through the colour table.
static void real_present(BITMAP *buffer) {
  show_picture(buffer);
  flush_display();
}

static void real_show_display() {
  if (shown) show_picture(shown);
  flush_display();
}
static void real_vsync() { vsync(); }
// A signal to end the program cuts a pause short, so that it ends promptly.
static void real_rest(int ms) {
  using namespace std::chrono;
  const steady_clock::time_point until = steady_clock::now() + milliseconds(ms);
  for (;;) {
    long left = duration_cast<milliseconds>(until - steady_clock::now()).count();
    if (left <= 0 || end_signalled) return;
    rest(left < 20 ? left : 20);
  }
}
static int real_ticks() { return tick_counter; }
// Every sample started, so that muting can stop them all.
const int MAX_SAMPLES_HEARD = 16;
static SAMPLE *samples_heard[MAX_SAMPLES_HEARD];
static int samples_heard_count = 0;

static void real_play(SAMPLE *sample) {
  bool known = false;
  for (int i = 0; i < samples_heard_count; ++i) known = known || samples_heard[i] == sample;
  if (!known && samples_heard_count < MAX_SAMPLES_HEARD) samples_heard[samples_heard_count++] = sample;
  play_sample(sample, 255, 128, 1000, 0);
}
static void real_stop_sounds() {
  for (int i = 0; i < samples_heard_count; ++i) stop_sample(samples_heard[i]);
}
static int real_keypressed() { return keypressed(); }
static int real_readkey() { return readkey(); }
static void real_clear_keybuf() { clear_keybuf(); }
static int real_close_requested() { return close_button_pressed || end_signalled; }

Platform platform = {
    real_display, real_show_display, real_present, real_vsync,         real_rest,         real_ticks,          wait_for_tick_after,
    real_play,    toggle_display_mode, real_keypressed, real_clear_keybuf, real_close_requested,
    real_stop_sounds, focus_lost, read_gamepad, real_readkey, hold_key_taps,
};
