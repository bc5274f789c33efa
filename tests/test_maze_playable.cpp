// The maze as drawn is playable: every position the player's own movement reaches on the composed picture
// covers no wall cell, and together they reach every dot and pill and both tunnel ends.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "game/game_state.h"
#include "game/player.h"
#include "headless.h"
#include "render/draw_frame.h"

static int layout(int r, int c) { return INITIAL_LAYOUT[r][c] - '0'; }

TEST(MazePlayable, PlayerReachesEveryPickUpAndBothTunnelEndsWithoutEnteringWalls) {
  // The starting picture with nothing but the maze: no actors, no spare life.
  use_fake_platform();
  game = GameState();
  game.lives = 1;
  reset_actors();
  reset_maze();
  game.player_x = game.player_y = 704;
  for (int k = 0; k < GHOSTS; ++k) game.ghost_x[k] = game.ghost_y[k] = 704;
  clear_to_color(back_buffer, 0);
  draw_frame();
  const int W = 512;  // positions are y * W + x
  std::vector<bool> seen(W * W);
  std::vector<std::pair<int, int>> todo = {{240, 304}};
  seen[304 * W + 240] = true;
  bool eaten[MAZE_ROWS][MAZE_COLS] = {};
  while (!todo.empty()) {
    auto [x, y] = todo.back();
    todo.pop_back();
    for (int r = y / 16; r <= (y + 31) / 16; ++r)
      for (int c = x / 16; c <= (x + 31) / 16 && c < MAZE_COLS; ++c)
        ASSERT_TRUE(layout(r, c) != TILE_BLOCK && layout(r, c) < TILE_BAR_RIGHT_END) << x << "," << y;
    if (x % 16 == 0 && y % 16 == 0)  // the five cells the player eats from here
      for (auto [dr, dc] : {std::pair{0, 0}, {1, 0}, {0, 1}, {1, 1}, {1, 2}})
        if (x / 16 + dc < MAZE_COLS) eaten[y / 16 + dr][x / 16 + dc] = true;
    for (int dir = 0; dir < 4; ++dir) {
      game.player_x = x, game.player_y = y, game.player_dir = dir;
      move_player();
      int nx = game.player_x, ny = game.player_y;
      ASSERT_TRUE(nx >= 0 && nx < W && ny >= 0 && ny + 31 < MAZE_ROWS * 16) << "escaped at " << nx << "," << ny;
      if (!seen[ny * W + nx]) seen[ny * W + nx] = true, todo.push_back({nx, ny});
    }
  }
  for (int r = 0; r < MAZE_ROWS; ++r)
    for (int c = 0; c < MAZE_COLS; ++c)
      EXPECT_TRUE(eaten[r][c] || (layout(r, c) != TILE_DOT && layout(r, c) != TILE_PILL)) << r << "," << c;
  EXPECT_TRUE(seen[160 * W + 8] && seen[160 * W + 480]);
  EXPECT_TRUE(seen[GHOST_HOME_Y * W + GHOST_HOME_X]);  // through the pen's opening
}
