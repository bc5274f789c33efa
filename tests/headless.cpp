#include "headless.h"

#include <unistd.h>

#include <cstdlib>
#include <stdexcept>

#include "platform/key_taps.h"
#include "platform/platform.h"
#include "game/pause.h"
#include "game/sound.h"
#include "render/assets.h"
#include "render/draw_frame.h"

FakePlatform fake;

void headless_setup() {
  static bool done = false;
  if (done) return;
  done = true;
  install_allegro(SYSTEM_NONE, &errno, atexit);
  // Without a graphics driver the 16-bit layout is not 5-6-5; the game's
  // pixel values assume it.
  _rgb_r_shift_16 = 11;
  _rgb_g_shift_16 = 5;
  _rgb_b_shift_16 = 0;
  set_color_depth(16);
  char here[4096];
  if (!getcwd(here, sizeof here)) throw std::runtime_error("getcwd");
  if (chdir(GOBBLER_DATA_DIR) != 0) throw std::runtime_error("no data directory");
  std::string error;
  bool loaded = load_assets(&error);
  if (chdir(here) != 0) throw std::runtime_error("chdir back");
  if (!loaded) throw std::runtime_error(error);
  back_buffer = create_bitmap(640, 480);
  clear_to_color(back_buffer, 0);
  fake.screen = create_bitmap(640, 480);
}

static BITMAP *fake_display() { return fake.screen; }
static void fake_present(BITMAP *b) {
  ++fake.presents;
  blit(b, fake.screen, 0, 0, 0, 0, b->w, b->h);
}
static void fake_show_display() { ++fake.shows; }
static void fake_vsync() { ++fake.vsyncs; }
static void fake_rest(int ms) { fake.rests.push_back(ms); }
static int fake_ticks() { return fake.ticks; }
static void fake_wait_tick(int t) { fake.ticks = t + 1; }
static void fake_play(SAMPLE *s) { fake.sounds.push_back(s); }
static void fake_toggle() { ++fake.toggles; }
static int fake_keypressed() { return !fake.keys.empty(); }
// With nothing waiting (a test that answers keypressed() itself), a space.
static int fake_readkey() {
  int scancode = KEY_SPACE;
  if (!fake.keys.empty()) scancode = fake.keys.front(), fake.keys.pop_front();
  return scancode << 8 | (scancode == KEY_SPACE ? ' ' : 0);
}
static void fake_clear_keybuf() {
  ++fake.keybuf_clears;
  fake.keys.clear();
}
static int fake_close() { return fake.close; }
static void fake_stop_sounds() { ++fake.sound_stops; }
static int fake_focus_lost() {
  int lost = fake.focus_lost;
  fake.focus_lost = 0;
  return lost;
}
static void fake_read_pad(PadState *pad) {
  ++fake.pad_reads;
  *pad = fake.pad;
}

void release_all_keys() {
  for (int i = 0; i < KEY_MAX; ++i) key[i] = 0;
}

void use_fake_platform() {
  headless_setup();
  BITMAP *screen_bitmap = fake.screen;
  fake = FakePlatform();
  fake.screen = screen_bitmap;
  clear_to_color(fake.screen, 0);
  platform = Platform{fake_display, fake_show_display, fake_present, fake_vsync,      fake_rest,         fake_ticks,  fake_wait_tick,
                      fake_play,    fake_toggle,  fake_keypressed, fake_clear_keybuf, fake_close,
                      fake_stop_sounds, fake_focus_lost, fake_read_pad, fake_readkey, hold_key_taps};
  release_all_keys();
  sound_muted = 0;
  game_paused = 0;
}

std::string data_path(const std::string &name) { return std::string(GOBBLER_DATA_DIR) + "/" + name; }

int back_pixel(int x, int y) { return getpixel(back_buffer, x, y); }
