// Long seeded random play through whole games, checking the rules after every
// frame; and one game driven to the last level and past it.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "game/game_loop.h"
#include "game/game_state.h"
#include "game/player.h"
#include "headless.h"
#include "render/assets.h"

namespace {
bool in(int v, int low, int high) { return v >= low && v <= high; }
bool is_wall(int cell) { return cell == TILE_BLOCK || in(cell, TILE_BAR_RIGHT_END, TILE_CORNER_BL); }
void new_game() { game.score = 0, start_game(); }

// The first rule the frame from `was` broke, "" if none.
std::string broken_rule(const GameState &was, int pickups_before) {
  const int x = game.player_x, y = game.player_y;
  for (int r = y / CELL; r <= (y + ACTOR - 1) / CELL; ++r)
    for (int c = x / CELL; c <= (x + ACTOR - 1) / CELL; ++c)
      if (is_wall(game.maze[(r + MAZE_ROWS) % MAZE_ROWS][(c + MAZE_COLS) % MAZE_COLS])) return "player over a wall";
  if (!in(x, PLAYER_WRAP_LEFT, PLAYER_WRAP_RIGHT) || !in(y, 0, 480 - ACTOR)) return "player out of range";
  for (int k = 0; k < GHOSTS; ++k)
    if (!in(game.ghost_x[k], 0, 501) || !in(game.ghost_y[k], 0, 480 - ACTOR)) return "ghost out of range";
  if (!in(game.lives, 0, START_LIVES) || !in(game.level, 0, MAX_LEVEL)) return "lives or level out of range";
  if (game.score < was.score) return "score fell";
  if (game.level == was.level ? count_pickups() > pickups_before
                              : game.level != was.level + 1 || count_pickups() != FULL_MAZE_PICKUPS)
    return "pick-ups rose, or a level skipped";
  return "";
}

TEST(Soak, TwoHundredThousandFramesOfRandomPlay) {
  use_fake_platform();
  std::mt19937_64 dice(0x5eed2024);
  long deaths = 0, game_overs = 0, hold = 0;
  new_game();
  for (long frame = 0; frame < 200000; ++frame) {
    // One or two arrows (or none) held for a random stretch, and F1 now and then.
    key[KEY_F1] = dice() % 4000 == 0;
    if (--hold <= 0) {
      hold = 1 + long(dice() % 90);
      for (int k = KEY_LEFT; k <= KEY_DOWN; ++k) key[k] = 0;
      for (int i = 0, roll = int(dice() % 10); i < (roll < 8 ? 1 : roll == 8 ? 2 : 0); ++i)
        key[KEY_LEFT + int(dice() % 4)] = 1;
    }
    const GameState before = game;
    const int pickups_before = count_pickups();
    const FrameResult result = game_frame();
    ASSERT_EQ(broken_rule(before, pickups_before), "") << "frame " << frame;
    deaths += game.lives < before.lives;
    if (result == FRAME_GAME_ENDED) {
      ASSERT_EQ(game.lives, 0) << "frame " << frame << ": only lost lives end a game here";
      ++game_overs, new_game();
    }
  }
  // The run reaches deaths, game overs and eaten ghosts.
  EXPECT_TRUE(deaths >= 30 && game_overs >= 10) << deaths << " deaths, " << game_overs << " game overs";
  EXPECT_GT(std::count(fake.sounds.begin(), fake.sounds.end(), assets.eat_ghost), 0);
}

TEST(Soak, LastLevelHoldsAndKeepsItsFruitAndFright) {
  use_fake_platform();
  new_game();
  auto eat = [](int leave) {  // all pick-ups but `leave`, from the bottom row up
    for (int r = MAZE_ROWS - 1, eaten = 0; r >= 0; --r)
      for (int &cell : game.maze[r])
        if ((cell == TILE_DOT || cell == TILE_PILL) && eaten < FULL_MAZE_PICKUPS - leave) cell = TILE_EMPTY, ++eaten;
  };
  for (int cleared = 1; cleared <= MAX_LEVEL + 5; ++cleared) {
    eat(0);
    ASSERT_EQ(game_frame(), FRAME_GO_ON);
    ASSERT_EQ(game.level, std::min(cleared, MAX_LEVEL)) << "after " << cleared << " cleared mazes";
    ASSERT_EQ(count_pickups(), FULL_MAZE_PICKUPS);
  }
  // With 100 pick-ups left the fruit comes out, worth 5000 to the player.
  eat(100);
  game.player_x = 241, game.player_y = 305, game.player_dir = DIR_LEFT;
  game_frame();
  ASSERT_EQ(game.fruit_state, FRUIT_SHOWN);
  game.player_x = 245, game.player_y = 209;
  game_frame();
  EXPECT_TRUE(game.fruit_state == FRUIT_EATEN && game.score == 5000) << game.score;
  // A pill frightens the ghosts for the one frame it is eaten in: a ghost on
  // the player's tile is eaten then, and the fright is over by the frame's end.
  game.player_x = 33, game.player_y = 32, game.player_dir = DIR_LEFT;  // one step onto the pill at (2,2)
  game.ghost_x[0] = 32, game.ghost_y[0] = 40;
  ASSERT_EQ(game_frame(), FRAME_GO_ON);
  // The pill, the ghost, and the dots right of and below the pill.
  EXPECT_EQ(game.score, 5000 + PILL_POINTS + FIRST_GHOST_POINTS + 2 * DOT_POINTS);
  EXPECT_TRUE(game.ghost_x[0] == GHOST_HOME_X && game.fright_active == 0 && game.fright_timer == 0);
  EXPECT_EQ(game.level, MAX_LEVEL);
}

}  // namespace
