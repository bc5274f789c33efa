// The least a paced Allegro program does: the game's start-up without the
// assets, then a blank 640x480 16-bit picture copied to the window every
// tick, waiting for the next tick as the game does. tools/cpu_use.sh sets
// the game's processor use beside this program's. With --answer-keys the
// picture is white while a key is held, from the tick that reads the key
// (tools/latency.sh times that). Runs until killed.
#include <allegro.h>

#include <cstdio>
#include <cstring>

#include "platform/pacing.h"

int main(int argc, char **argv) {
  bool answer_keys = argc == 2 && strcmp(argv[1], "--answer-keys") == 0;
  allegro_init();
  install_timer();
  start_ticks();
  install_keyboard();
  install_sound(DIGI_AUTODETECT, MIDI_NONE, nullptr);
  set_color_depth(16);
  if (set_gfx_mode(GFX_AUTODETECT_WINDOWED, 640, 480, 0, 0) != 0) {
    fprintf(stderr, "bare_loop: cannot open a 640x480 window with 16-bit colour: %s\n", allegro_error);
    return 1;
  }
  set_window_title("bare loop");
  BITMAP *back = create_bitmap(640, 480);
  clear_to_color(back, makecol(0, 0, 0));
  for (;;) {
    int t = tick_counter;
    if (answer_keys) {
      bool held = false;
      for (int k = 1; k < KEY_MAX; ++k) held = held || key[k];
      clear_to_color(back, held ? makecol(255, 255, 255) : makecol(0, 0, 0));
    }
    blit(back, screen, 0, 0, 0, 0, back->w, back->h);
    wait_for_tick_after(t);
  }
}
END_OF_MAIN()
