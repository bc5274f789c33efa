// Where and how large the game's 640x480 picture appears on the display:
// scaled by a whole number, centred, black around it.
#pragma once

#include <allegro.h>

struct View {
  BITMAP *target = nullptr;  // the screen (tests and benchmarks: a memory stand-in)
  int scale = 1;
  int x = 0, y = 0;          // the picture's top-left corner on the target
  BITMAP *scaled = nullptr;  // the scaled picture at the target's depth, on its way out
  BITMAP *last = nullptr;    // the 16-bit picture last shown
  bool whole = true;         // the next picture goes out whole, changed or not
};
extern View view;

// Every 16-bit bitmap the game makes or loads is 5-6-5, whatever the screen:
// called after a mode set, which may leave the library's 16-bit layout at its
// own default. New bitmaps are 16-bit from then on.
void keep_pictures_at_16_bits();

// Shows pictures on `target` from now on, `scale` times as large and centred;
// clears the target to black and makes the colour table for its depth (the
// 16-bit pixel format must be 5-6-5 by then).
void set_view(BITMAP *target, int scale);

// Shows a 640x480 16-bit picture: the rows that differ from the picture last
// shown are scaled and copied to the target, one blit for each band of them.
void show_picture(BITMAP *picture);
