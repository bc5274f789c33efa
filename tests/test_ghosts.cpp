// Ghost movement: one pixel a frame through the pixel wall test, new choices
// when blocked, turning chances, and the order of the random draws.
#include <gtest/gtest.h>

#include <cstdlib>

#include "game/game_loop.h"
#include "game/game_state.h"
#include "game/ghosts.h"
#include "game/player.h"
#include "game/random.h"
#include "headless.h"
#include "render/assets.h"
#include "render/draw_frame.h"

namespace {

// A fresh game on an open black picture with ghost k at (x, y); the others
// move up with x on the grid and y off it, so they step at once, never turn
// and draw two numbers each in their turning chances.
void only_ghost(int k, int x, int y, int dir) {
  use_fake_platform();
  game = GameState();
  reset_actors();
  reset_maze();
  clear_to_color(back_buffer, 0);
  for (int j = 0; j < GHOSTS; ++j) {
    bool it = j == k;
    game.ghost_x[j] = it ? x : 320 + 32 * j, game.ghost_y[j] = it ? y : 301, game.ghost_dir[j] = it ? dir : DIR_UP;
  }
}

// Paints the wall colour over the strip outside one side of the cell at (x, y).
void wall_side(int side, int x, int y) {
  if (side == DIR_LEFT || side == DIR_RIGHT)
    vline(back_buffer, side == DIR_LEFT ? x - 1 : x + 32, y, y + 30, WALL_COLOUR);
  else
    hline(back_buffer, x, side == DIR_UP ? y - 1 : y + 32, x + 30, WALL_COLOUR);
}

}  // namespace

TEST(GhostStart, FirstFrameDrawsEightNumbersTurnsNoGhostAndZeroAndThreeLeaveUpward) {
  only_ghost(-1, 0, 0, 0);
  start_game();
  long before = random_draws;
  ASSERT_EQ(game_frame(), FRAME_GO_ON);
  EXPECT_EQ(random_draws - before, 8);
  for (int k = 0; k < GHOSTS; ++k) EXPECT_EQ(game.ghost_dir[k], GHOST_START_DIR[k]) << k;
  EXPECT_EQ(game.ghost_x[1], 241);
  EXPECT_EQ(game.ghost_x[2], 239);
  for (int f = 1; f <= 48; ++f) {
    for (int k : {0, 3}) {
      ASSERT_EQ(game.ghost_x[k], 240) << "ghost " << k << " frame " << f;
      ASSERT_EQ(game.ghost_y[k], 160 - f) << "ghost " << k << " frame " << f;
    }
    ASSERT_EQ(game_frame(), FRAME_GO_ON);
  }
}

TEST(GhostMovement, WrapsBetween0And501) {
  const int cases[][3] = {{501, DIR_RIGHT, 0}, {500, DIR_RIGHT, 501}, {0, DIR_LEFT, 500}, {1, DIR_LEFT, 0}};
  for (int k = 0; k < GHOSTS; ++k)
    for (auto &c : cases) {
      only_ghost(k, c[0], 160, c[1]);
      move_ghosts();
      EXPECT_EQ(game.ghost_x[k], c[2]) << "ghost " << k << " from " << c[0];
    }
  // In the maze's tunnel, left from x 0 reads pixels at x -1, outside the picture.
  only_ghost(2, 0, 160, DIR_LEFT);
  draw_frame();
  move_ghosts();
  EXPECT_EQ(game.ghost_x[2], 500);
}

TEST(GhostChoice, BlockedChaserTurnsTowardThePlayerWhateverTheDraw) {
  // Moving right into a wall at (160, 96): player to the left at the same
  // height, then below-left and above-left (vertical beats horizontal).
  const int cases[][5] = {{64, 96, DIR_LEFT, 159, 96}, {64, 200, DIR_DOWN, 160, 97}, {64, 8, DIR_UP, 160, 95}};
  for (int k : {0, 1})
    for (auto &c : cases)
      for (unsigned seed = 1; seed <= 20; ++seed) {
        only_ghost(k, 160, 96, DIR_RIGHT);
        wall_side(DIR_RIGHT, 160, 96);
        game.player_x = c[0], game.player_y = c[1];
        srand(seed);
        move_ghosts();
        EXPECT_EQ(game.ghost_x[k], c[3]) << "ghost " << k << " seed " << seed;
        EXPECT_EQ(game.ghost_y[k], c[4]) << "ghost " << k << " seed " << seed;
        EXPECT_EQ(game.ghost_dir[k], c[2]) << "ghost " << k << " seed " << seed;
      }
}

TEST(GhostTurns, ChaserAtAJunctionLeansTowardThePlayer) {
  // Moving right into (160, 96), open all round: with the player below, always
  // down after one draw; at its height, down one time in two, else up or on.
  int outcomes[4] = {};
  for (unsigned seed = 1; seed <= 200; ++seed) {
    only_ghost(0, 159, 96, DIR_RIGHT);
    game.player_x = 40, game.player_y = 300;
    srand(seed);
    long before = random_draws;
    move_ghosts();
    EXPECT_EQ(game.ghost_dir[0], DIR_DOWN) << seed;
    EXPECT_EQ(random_draws - before, 1 + 3 * 2) << seed;
    game.ghost_x[0] = 159, game.ghost_dir[0] = DIR_RIGHT, game.player_y = 96;
    move_ghosts();
    ++outcomes[game.ghost_dir[0]];
  }
  EXPECT_EQ(outcomes[DIR_LEFT], 0);
  EXPECT_NEAR(outcomes[DIR_DOWN], 100, 30);
  EXPECT_NEAR(outcomes[DIR_UP], 50, 25);
  EXPECT_NEAR(outcomes[DIR_RIGHT], 50, 25);
}

TEST(GhostChoice, BoundedRetryLeavesAWalledInGhostInPlace) {
  for (int k = 0; k < GHOSTS; ++k) {
    only_ghost(k, 160, 96, k % 2 ? DIR_LEFT : DIR_RIGHT);
    for (int side = 0; side < 4; ++side) wall_side(side, 160, 96);
    move_ghosts();
    EXPECT_EQ(game.ghost_x[k], 160) << k;
    for (int j = 0; j < GHOSTS; ++j) EXPECT_EQ(game.ghost_y[j], j == k ? 96 : 300) << "ghost " << j;
  }
}

// Over whole games with seeded stand-in hands on the arrow keys, each ghost
// makes one step a frame and never ends it facing back against that step:
// reversals come only from a blocked way, never from a turning chance.
TEST(GhostMovement, WholeGamesNeverReverseInTheTurningChances) {
  const int ARROWS[4] = {KEY_LEFT, KEY_RIGHT, KEY_UP, KEY_DOWN};
  int frames = 0;
  for (unsigned seed = 1; seed <= 4; ++seed) {
    only_ghost(-1, 0, 0, 0);
    start_game();
    for (unsigned f = 0; f < 2500; ++f) {
      if (f % 16 == 0) {  // a new arrow key every 16 frames
        release_all_keys();
        key[ARROWS[(f / 16 + seed * 977) * 2654435761u >> 30]] = 1;
      }
      int x[GHOSTS], y[GHOSTS], lives = game.lives, level = game.level;
      for (int k = 0; k < GHOSTS; ++k) x[k] = game.ghost_x[k], y[k] = game.ghost_y[k];
      size_t sounds = fake.sounds.size();
      if (game_frame() == FRAME_GAME_ENDED) break;
      bool teleported = game.lives != lives || game.level != level;
      for (size_t i = sounds; i < fake.sounds.size(); ++i) teleported |= fake.sounds[i] == assets.eat_ghost;
      if (teleported) continue;
      ++frames;
      for (int k = 0; k < GHOSTS; ++k) {
        int dx = game.ghost_x[k] - x[k], dy = game.ghost_y[k] - y[k];
        if (std::abs(dx) > 1) dx = dx > 0 ? -1 : 1;  // through the wrap
        int moved = dx == 1 ? DIR_RIGHT : dx == -1 ? DIR_LEFT : dy == 1 ? DIR_DOWN : DIR_UP;
        ASSERT_EQ(std::abs(dx) + std::abs(dy), 1) << "game " << seed << " frame " << f << " ghost " << k;
        ASSERT_NE(game.ghost_dir[k], (moved + 2) % 4) << "game " << seed << " frame " << f << " ghost " << k;
      }
    }
  }
  EXPECT_GT(frames, 3000);
}
