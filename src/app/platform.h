// The thin layer between the game and the machine: everything that sleeps,
// shows, sounds or reads the keyboard buffer goes through this table, so the
// rules and the renderer run unchanged in tests that swap the entries.
#pragma once

#include <allegro.h>

struct Platform {
  BITMAP *(*display)();             // the surface the player sees
  void (*present)(BITMAP *buffer);  // copy a finished picture to the display
  void (*vsync)();
  void (*rest)(int ms);             // a pause the player waits through
  int (*ticks)();                   // the 60 Hz tick count
  void (*wait_tick)(int t);         // sleep until the tick count passes t
  void (*play)(SAMPLE *sample);
  void (*toggle_display)();         // window <-> full screen
  int (*keypressed)();
  void (*clear_keybuf)();
  int (*close_requested)();         // the window's close button was used
};

// Starts out with the real machine's entries.
extern Platform platform;
