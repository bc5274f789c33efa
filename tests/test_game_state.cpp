#include <gtest/gtest.h>

#include "game/game_state.h"
#include "game/random.h"

TEST(GameState, FreshMazeHoldsEveryPickUpAndTheTunnel) {
  reset_maze();
  EXPECT_EQ(count_pickups(), FULL_MAZE_PICKUPS);
  int pills = 0;
  for (auto &row : game.maze)
    for (int cell : row) pills += cell == TILE_PILL;
  EXPECT_EQ(pills, 4);
  for (int r : {10, 11})
    for (int c : {0, 1, 2, 3, 28, 29, 30, 31}) EXPECT_TRUE(game.maze[r][c] == TILE_EMPTY || game.maze[r][c] == TILE_DOT) << r << "," << c;
}
