// Long play with seeded random keys through whole games, deaths and game
// overs, checking the rules after every frame; and one game driven to the
// last level and past it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "game/game_loop.h"
#include "game/game_state.h"
#include "game/player.h"
#include "headless.h"
#include "render/assets.h"
#include "render/draw_frame.h"

namespace {

bool is_wall(int code) { return code == TILE_BLOCK || (code >= TILE_BAR_RIGHT_END && code <= TILE_CORNER_BL); }

// One pixel along an axis, a wrap through the tunnel from `low` to `high`,
// or a jump to (at most one step from) `home`.
bool fair_move(int x0, int y0, int x1, int y1, int low, int high, int home_x, int home_y) {
  return std::abs(x1 - x0) + std::abs(y1 - y0) <= 1 || std::abs(x1 - home_x) + std::abs(y1 - home_y) <= 1 ||
         (y0 == y1 && std::min(x0, x1) <= low + 1 && std::max(x0, x1) >= high - 1);
}

// The first rule the frame from `before` to `game` broke, "" if none.
std::string broken_rule(const GameState &before, int pickups_before, FrameResult result) {
  for (int r = game.player_y / CELL; r <= (game.player_y + ACTOR - 1) / CELL; ++r)
    for (int c = game.player_x / CELL; c <= (game.player_x + ACTOR - 1) / CELL; ++c)
      if (is_wall(game.maze[(r + MAZE_ROWS) % MAZE_ROWS][(c + MAZE_COLS) % MAZE_COLS]))
        return "player over the wall cell " + std::to_string(r) + "," + std::to_string(c);
  if (game.player_x < PLAYER_WRAP_LEFT || game.player_x > PLAYER_WRAP_RIGHT || game.player_y < 0 ||
      game.player_y > 480 - ACTOR)
    return "player out of range";
  if (!fair_move(before.player_x, before.player_y, game.player_x, game.player_y, PLAYER_WRAP_LEFT,
                 PLAYER_WRAP_RIGHT, PLAYER_START_X, PLAYER_START_Y))
    return "player jumped";
  for (int k = 0; k < GHOSTS; ++k) {
    if (game.ghost_x[k] < 0 || game.ghost_x[k] > 501 || game.ghost_y[k] < 0 || game.ghost_y[k] > 480 - ACTOR)
      return "ghost " + std::to_string(k) + " out of range";
    if (result == FRAME_GO_ON && !fair_move(before.ghost_x[k], before.ghost_y[k], game.ghost_x[k], game.ghost_y[k],
                                            0, 501, GHOST_HOME_X, GHOST_HOME_Y))
      return "ghost " + std::to_string(k) + " jumped";
    if (game.fright_active == 0 && game.ghost_mode[k] != GHOST_NORMAL) return "frightened ghost without a fright";
  }
  if (game.lives < 0 || game.lives > START_LIVES) return "lives out of range";
  if (game.level < 0 || game.level > MAX_LEVEL) return "level out of range";
  if (game.score < before.score) return "score fell";
  bool new_level = game.level == before.level + 1;
  if (!new_level && game.level != before.level) return "level skipped";
  if (new_level ? count_pickups() != FULL_MAZE_PICKUPS : count_pickups() > pickups_before) return "pick-ups rose";
  return "";
}

TEST(Soak, TwoHundredThousandFramesOfRandomPlay) {
  use_fake_platform();
  std::mt19937_64 dice(0x5eed2024);
  long frames = 0, deaths = 0, game_overs = 0, hold = 0;
  game.score = 0;
  start_game();
  for (; frames < 200000; ++frames) {
    // A restless player: one or two arrows (or none) held for a random
    // stretch, and F1 now and then.
    key[KEY_F1] = dice() % 4000 == 0;
    if (--hold <= 0) {
      hold = 1 + long(dice() % 90);
      for (int k = KEY_LEFT; k <= KEY_DOWN; ++k) key[k] = 0;  // the four arrows
      int roll = int(dice() % 10);
      for (int i = 0; i < (roll < 8 ? 1 : roll == 8 ? 2 : 0); ++i) key[KEY_LEFT + int(dice() % 4)] = 1;
    }
    const GameState before = game;
    const int pickups_before = count_pickups();
    FrameResult result = game_frame();
    ASSERT_EQ(broken_rule(before, pickups_before, result), "") << "frame " << frames;
    deaths += game.lives < before.lives;
    if (result == FRAME_GAME_ENDED) {
      ASSERT_EQ(game.lives, 0) << "frame " << frames << ": only lost lives end a game here";
      ++game_overs;
      game.score = 0;
      start_game();
    }
  }
  EXPECT_EQ(std::count(fake.sounds.begin(), fake.sounds.end(), assets.dies), deaths);
  // Random play must reach the parts of the game this run is for (eaten
  // ghosts mean eaten pills).
  EXPECT_GE(deaths, 30);
  EXPECT_GE(game_overs, 10);
  EXPECT_GT(std::count(fake.sounds.begin(), fake.sounds.end(), assets.eat_ghost), 0);
  EXPECT_GT(fake.toggles, 0);
}

TEST(Soak, LastLevelHoldsAndKeepsItsFruitAndFright) {
  use_fake_platform();
  game.score = 0;
  start_game();
  for (int cleared = 1; cleared <= MAX_LEVEL + 5; ++cleared) {
    for (auto &row : game.maze)
      for (int &cell : row) cell = cell == TILE_DOT || cell == TILE_PILL ? TILE_EMPTY : cell;
    fake.rests.clear();
    ASSERT_EQ(game_frame(), FRAME_GO_ON);
    ASSERT_EQ(game.level, std::min(cleared, MAX_LEVEL)) << "after " << cleared << " cleared mazes";
    ASSERT_EQ(count_pickups(), FULL_MAZE_PICKUPS);
    ASSERT_EQ(fake.rests, std::vector<int>{2000});
    ASSERT_EQ(game.lives, START_LIVES);
  }
  // Leave 100 pick-ups, eating from the bottom rows up, and stand still off
  // the grid near the start: the fruit comes out.
  for (int r = MAZE_ROWS - 1, eaten = 0; r >= 0; --r)
    for (int &cell : game.maze[r])
      if ((cell == TILE_DOT || cell == TILE_PILL) && eaten < FULL_MAZE_PICKUPS - 100) cell = TILE_EMPTY, ++eaten;
  game.player_x = 241, game.player_y = 305, game.player_dir = DIR_LEFT;
  game_frame();
  ASSERT_EQ(game.fruit_state, FRUIT_SHOWN);
  game_frame();  // composes the picture with the fruit
  // It is the last fruit picture...
  BITMAP *fruit8 = load_bitmap(data_path("fruit8.bmp").c_str(), nullptr);
  ASSERT_NE(fruit8, nullptr);
  int fruit_pixels = 0, wrong = 0;
  for (int y = 0; y < fruit8->h; ++y)
    for (int x = 0; x < fruit8->w; ++x)
      if (int p = getpixel(fruit8, x, y); p != bitmap_mask_color(fruit8))
        ++fruit_pixels, wrong += back_pixel(FRUIT_X + x, FRUIT_Y + y) != p;
  destroy_bitmap(fruit8);
  EXPECT_GT(fruit_pixels, 50);
  EXPECT_EQ(wrong, 0) << "the fruit shown at the last level is not the last fruit picture";
  // ...worth 5000 points when the player stands on its tiles.
  game.player_x = 245, game.player_y = 209;
  game_frame();
  EXPECT_EQ(game.fruit_state, FRUIT_EATEN);
  EXPECT_EQ(game.score, 5000);

  // A pill frightens the ghosts for the one frame it is eaten in: a ghost on
  // the player's tile then is eaten, and the fright is over by the frame's end.
  game.player_x = 33, game.player_y = 32, game.player_dir = DIR_LEFT;  // one step onto the pill at (2,2)
  game.ghost_x[0] = 32, game.ghost_y[0] = 40;
  ASSERT_EQ(game.maze[2][2], TILE_PILL);
  ASSERT_EQ(game_frame(), FRAME_GO_ON);
  // The pill, the ghost, and the dots right of and below the pill.
  EXPECT_EQ(game.score, 5000 + PILL_POINTS + FIRST_GHOST_POINTS + 2 * DOT_POINTS);
  EXPECT_EQ(game.ghost_x[0], GHOST_HOME_X);
  EXPECT_EQ(game.fright_active, 0);
  EXPECT_EQ(game.fright_timer, 0);
  for (int k = 0; k < GHOSTS; ++k) EXPECT_EQ(game.ghost_mode[k], GHOST_NORMAL) << k;
  EXPECT_EQ(game.level, MAX_LEVEL);
}

}  // namespace
