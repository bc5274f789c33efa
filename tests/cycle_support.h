// Shared by the game-loop, title and high-score tests.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "game/game_state.h"
#include "headless.h"
#include "render/assets.h"
#include "render/draw_frame.h"

using V = std::vector<int>;

// Pixels of `a` that differ from `b`, or from black without `b`.
inline int pixels_differing(BITMAP *a, BITMAP *b = nullptr) {
  int n = 0;
  for (int y = 0; y < 480; ++y)
    for (int x = 0; x < 640; ++x) n += getpixel(a, x, y) != (b ? getpixel(b, x, y) : 0);
  return n;
}

// The game as it stands composed into `b` as a frame's end composes it; the blink counter is left as it was.
inline void compose_now(BITMAP *b) {
  BITMAP *composed = back_buffer;
  int blink = blink_counter;
  back_buffer = b, clear_to_color(b, 0), draw_frame();
  back_buffer = composed, blink_counter = blink;
}

// Pixels of the "Score" box, its number included, that differ between two pictures.
inline int score_box_differing(BITMAP *a, BITMAP *b) {
  int n = 0;
  for (int y = 128; y < 144; ++y)
    for (int x = 530; x < 620; ++x) n += getpixel(a, x, y) != getpixel(b, x, y);
  return n;
}
