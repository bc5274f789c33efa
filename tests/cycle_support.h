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
