// Ghost movement: steps through the pixel wall test, new choices when blocked, turning chances, random draws.
#include <gtest/gtest.h>

#include <cstdlib>
#include <tuple>

#include "game/game_loop.h"
#include "game/game_state.h"
#include "game/ghosts.h"
#include "game/random.h"
#include "headless.h"
#include "render/draw_frame.h"

// A fresh game on an open black picture with ghost k at (x, y); the others
// move up with x on the grid and y off it, so they step at once and never turn.
static void only_ghost(int k, int x, int y, int dir) {
  use_fake_platform();
  game = GameState();
  reset_actors();
  reset_maze();
  clear_to_color(back_buffer, 0);
  for (int j = 0; j < GHOSTS; ++j) game.ghost_x[j] = 320 + 32 * j, game.ghost_y[j] = 301, game.ghost_dir[j] = DIR_UP;
  if (k >= 0) game.ghost_x[k] = x, game.ghost_y[k] = y, game.ghost_dir[k] = dir;
}

TEST(GhostStart, FirstFrameDrawsEightNumbersTurnsNoGhostAndZeroAndThreeLeaveUpward) {
  only_ghost(-1, 0, 0, 0);
  start_game();
  long before = random_draws;
  ASSERT_EQ(game_frame(), FRAME_GO_ON);
  EXPECT_EQ(random_draws - before, 8);
  for (int k = 0; k < GHOSTS; ++k) EXPECT_EQ(game.ghost_dir[k], GHOST_START_DIR[k]) << k;
  EXPECT_EQ(std::tuple(game.ghost_x[1], game.ghost_x[2]), std::tuple(241, 239));
  for (int f = 2; f <= 48; ++f) ASSERT_EQ(game_frame(), FRAME_GO_ON);
  for (int k : {0, 3}) EXPECT_EQ(std::tuple(game.ghost_x[k], game.ghost_y[k]), std::tuple(240, 160 - 48)) << k;
}

TEST(GhostMovement, WrapsBetween0And501) {
  const int cases[][3] = {{501, DIR_RIGHT, 0}, {500, DIR_RIGHT, 501}, {0, DIR_LEFT, 500}, {1, DIR_LEFT, 0}};
  for (int k = 0; k < GHOSTS; ++k)
    for (auto &c : cases) {
      only_ghost(k, c[0], 160, c[1]);
      move_ghosts();
      EXPECT_EQ(game.ghost_x[k], c[2]) << "ghost " << k << " from " << c[0];
    }
}

TEST(GhostChoice, BlockedChaserTurnsTowardThePlayerWhateverTheDrawAndAWalledInGhostStays) {
  // Moving right into a wall: player left at the same height, then below-left and above-left (vertical first).
  const int cases[][5] = {{64, 96, DIR_LEFT, 159, 96}, {64, 200, DIR_DOWN, 160, 97}, {64, 8, DIR_UP, 160, 95}};
  for (int k : {0, 1})
    for (auto &c : cases)
      for (unsigned seed = 1; seed <= 20; ++seed) {
        only_ghost(k, 160, 96, DIR_RIGHT);
        vline(back_buffer, 192, 96, 126, WALL_COLOUR);
        game.player_x = c[0], game.player_y = c[1];
        random_seed(seed);
        move_ghosts();
        EXPECT_EQ(std::tuple(game.ghost_x[k], game.ghost_y[k], game.ghost_dir[k]), std::tuple(c[3], c[4], c[2]))
            << "ghost " << k << " seed " << seed;
      }
  for (int k = 0; k < GHOSTS; ++k) {  // walled in all round: the bounded retry leaves it in place
    only_ghost(k, 160, 96, k % 2 ? DIR_LEFT : DIR_RIGHT);
    rect(back_buffer, 159, 95, 192, 128, WALL_COLOUR);
    move_ghosts();
    EXPECT_EQ(std::tuple(game.ghost_x[k], game.ghost_y[k], game.ghost_y[(k + 1) % 4]), std::tuple(160, 96, 300)) << k;
  }
}

// Each ghost steps onto an open junction of its own, each from another side:
// the turning chances may turn it aside but never back.
TEST(GhostTurns, TurningChancesNeverReverseAGhost) {
  for (unsigned seed = 1; seed <= 100; ++seed) {
    only_ghost(-1, 0, 0, 0);
    game.player_x = seed * 37 % 480, game.player_y = seed * 53 % 400;
    for (int k = 0; k < GHOSTS; ++k) {
      int dir = game.ghost_dir[k] = (k + seed) % 4;
      game.ghost_x[k] = 64 + 96 * k - (dir == DIR_RIGHT) + (dir == DIR_LEFT);
      game.ghost_y[k] = 192 - (dir == DIR_DOWN) + (dir == DIR_UP);
    }
    random_seed(seed);
    move_ghosts();
    for (int k = 0; k < GHOSTS; ++k) {
      ASSERT_EQ(std::tuple(game.ghost_x[k], game.ghost_y[k]), std::tuple(64 + 96 * k, 192)) << k;
      EXPECT_NE(game.ghost_dir[k], (k + seed + 2) % 4) << "ghost " << k << " seed " << seed;
    }
  }
}
