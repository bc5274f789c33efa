// The thin layer between the game and the machine: everything that sleeps,
// shows, sounds or reads the keyboard buffer goes through this table, so the
// rules and the renderer run unchanged in tests that swap the entries.
#pragma once

#include <allegro.h>

#include "platform/gamepad.h"

struct Platform {
  // The 640x480 16-bit picture on show, to draw over (the game over box);
  // show_display() then brings what was drawn to the screen.
  BITMAP *(*display)();
  void (*show_display)();
  void (*present)(BITMAP *buffer);  // show a finished 640x480 16-bit picture
  void (*vsync)();
  void (*rest)(int ms);             // a pause the player waits through
  int (*ticks)();                   // the 60 Hz tick count
  void (*wait_tick)(int t);         // sleep until the tick count passes t
  void (*play)(SAMPLE *sample);
  void (*toggle_display)();         // window <-> full screen
  int (*keypressed)();
  void (*clear_keybuf)();
  int (*close_requested)();         // the close button was used, or an ending signal came
  void (*stop_sounds)();            // silence every sample still playing
  int (*focus_lost)();              // 1 once after the window lost the focus
  void (*read_pad)(PadState *pad);  // the first gamepad, polled
  int (*readkey)();                 // the next key waiting: scancode << 8 | ASCII
  void (*hold_taps)(bool hold);     // keys tapped since the last frame held for this one (key_taps.h)
};

// Starts out with the real machine's entries.
extern Platform platform;
