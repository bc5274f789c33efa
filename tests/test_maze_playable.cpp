// The maze as drawn must be playable: searching every position the player's
// own steering and movement reach on the composed picture, it gets to every
// dot and pill and both tunnel ends, and never covers a wall cell.
#include <gtest/gtest.h>

#include <deque>
#include <utility>
#include <vector>

#include "game/game_state.h"
#include "game/player.h"
#include "headless.h"
#include "render/draw_frame.h"

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
  std::deque<std::pair<int, int>> queue = {{PLAYER_START_X, PLAYER_START_Y}};
  seen[PLAYER_START_Y * W + PLAYER_START_X] = true;
  bool eaten[MAZE_ROWS][MAZE_COLS] = {};
  int wall_overlaps = 0;
  while (!queue.empty()) {
    auto [x, y] = queue.front();
    queue.pop_front();
    for (int r = y / 16; r <= (y + 31) / 16; ++r)
      for (int c = x / 16; c <= (x + 31) / 16 && c < MAZE_COLS; ++c) {
        int code = INITIAL_LAYOUT[r][c] - '0';
        if ((code == TILE_BLOCK || code >= TILE_BAR_RIGHT_END) && wall_overlaps++ < 5)
          ADD_FAILURE() << "at (" << x << ", " << y << ") over wall cell row " << r << " column " << c;
      }
    if (x % 16 == 0 && y % 16 == 0)  // the five cells the player eats from here
      for (auto cell : {std::pair{0, 0}, {1, 0}, {0, 1}, {1, 1}, {1, 2}})
        if (x / 16 + cell.second < MAZE_COLS) eaten[y / 16 + cell.first][x / 16 + cell.second] = true;
    for (int dir = 0; dir < 4; ++dir) {
      game.player_x = x, game.player_y = y, game.player_dir = dir;
      move_player();
      int nx = game.player_x, ny = game.player_y;
      ASSERT_TRUE(nx >= 0 && nx < W && ny >= 0 && ny + 31 < MAZE_ROWS * 16) << "escaped at " << nx << "," << ny;
      if (seen[ny * W + nx]) continue;
      seen[ny * W + nx] = true;
      queue.push_back({nx, ny});
    }
  }
  EXPECT_EQ(wall_overlaps, 0);
  for (int r = 0; r < MAZE_ROWS; ++r)
    for (int c = 0; c < MAZE_COLS; ++c) {
      int code = INITIAL_LAYOUT[r][c] - '0';
      EXPECT_TRUE(eaten[r][c] || (code != TILE_DOT && code != TILE_PILL)) << "row " << r << " column " << c;
    }
  EXPECT_TRUE(seen[160 * W + 8]);
  EXPECT_TRUE(seen[160 * W + 480]);
  EXPECT_TRUE(seen[GHOST_HOME_Y * W + GHOST_HOME_X]);  // through the pen's opening
}
