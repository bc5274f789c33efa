#include "app/replay_window.h"

#include <allegro.h>

#include "game/display_key.h"
#include "game/pause.h"
#include "platform/platform.h"
#include "record/replay.h"

const int FAST_FRAMES = 4;  // frames a tick while the right arrow is held

static Platform viewer;  // the real machine, for the viewer's keys and the pace
static int speed = 1;

// The replayed game's pauses (its start, a death) pass faster with it.
static void scaled_rest(int ms) { viewer.rest(ms / speed); }

void replay_in_window(const Recording &r) {
  viewer = platform;
  // The replayed rules see no pad, no focus news, no close and no typed
  // keys: those are the viewer's, read between frames below.
  platform.read_pad = [](PadState *pad) { *pad = PadState(); };
  platform.focus_lost = [] { return 0; };
  platform.close_requested = [] { return 0; };
  platform.keypressed = [] { return 0; };
  platform.readkey = [] { return 0; };
  platform.clear_keybuf = [] {};
  platform.hold_taps = [](bool) {};
  platform.rest = scaled_rest;
  // From here key[] changes only when polled, between frames, so the arrows
  // put there for a frame stay as they are while its rules run.
  poll_keyboard();
  Replay p;
  start_replay(&p, r);
  bool paused = false, p_was_down = false, stopped = false;
  while (replay_frames_left(p)) {
    int t = viewer.ticks();
    poll_keyboard();
    if (key[KEY_ESC] || viewer.close_requested()) {
      stopped = true;
      break;
    }
    bool p_down = key[KEY_P] != 0;
    bool pause_pressed = p_down && !p_was_down;
    p_was_down = p_down;
    if (pause_pressed || (viewer.focus_lost() && !paused)) {
      paused = !paused;
      if (paused) show_pause_box();
    }
    speed = key[KEY_RIGHT] ? FAST_FRAMES : 1;
    // M and F1 go through to the frame (sound and display only); the pause
    // keys do not.
    key[KEY_P] = key[KEY_PAUSE] = 0;
    if (paused) {
      if (display_key_pressed()) {
        viewer.toggle_display();
        show_pause_box();
      }
    } else {
      for (int i = 0; i < speed && replay_frames_left(p); ++i) replay_frame(&p);
    }
    viewer.wait_tick(t);
  }
  // A game that ended while paused, or a recording cut off, ends as a game does.
  if (!p.ended && !stopped) {
    speed = 1;
    show_game_over();
  }
  platform = viewer;
}
