// Test support: Allegro without a display, the game's pictures loaded from
// data/, and a stand-in platform that records instead of sleeping.
#pragma once

#include <allegro.h>

#include "platform/gamepad.h"

#include <deque>
#include <string>
#include <vector>

// Allegro with no drivers, 16-bit 5-6-5 memory bitmaps, the game's assets
// loaded and the back buffer created. Safe to call from every test.
void headless_setup();

// What the game asked of the machine.
struct FakePlatform {
  BITMAP *screen = nullptr;        // what the player would see
  std::vector<int> rests;          // pauses asked for, in ms
  std::vector<SAMPLE *> sounds;    // samples started
  int presents = 0;
  int shows = 0;                   // pictures drawn over on the display shown
  int vsyncs = 0;
  int toggles = 0;
  int keybuf_clears = 0;
  int ticks = 0;                   // advanced by one per tick wait
  std::deque<int> keys;            // scancodes waiting in the keyboard buffer
  int close = 0;                   // the close button was used
  int sound_stops = 0;             // stop_sounds() calls
  int focus_lost = 0;              // answered once by focus_lost(), then cleared
  PadState pad;                    // what the pad reads; no pad by default
  int pad_reads = 0;
};
extern FakePlatform fake;

// Routes the platform table to `fake` and clears its records and all keys.
void use_fake_platform();
// Releases every key in key[].
void release_all_keys();

// Path of a file in data/.
std::string data_path(const std::string &name);
// 16-bit pixel of the back buffer.
int back_pixel(int x, int y);
