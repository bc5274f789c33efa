// Long play with random keys through whole games, deaths and game overs,
// checking after every frame that nothing has drifted out of the rules; and
// one game driven to the last level and past it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "game/game_loop.h"
#include "game/game_state.h"
#include "game/player.h"
#include "headless.h"
#include "render/assets.h"
#include "render/draw_frame.h"

namespace {

// splitmix64: the same key presses in every run, on every machine.
class Dice {
 public:
  explicit Dice(uint64_t seed) : state_(seed) {}
  uint64_t next() {
    uint64_t z = (state_ += 0x9e3779b97f4a7c15ull);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
    return z ^ (z >> 31);
  }
  int below(int n) { return int(next() % uint64_t(n)); }

 private:
  uint64_t state_;
};

const int ARROWS[4] = {KEY_UP, KEY_RIGHT, KEY_DOWN, KEY_LEFT};

// Holds one or two arrows (or none) for a random stretch, like a restless
// player, and taps F1 now and then.
class RandomHands {
 public:
  explicit RandomHands(uint64_t seed) : dice_(seed) {}
  void press() {
    key[KEY_F1] = dice_.below(4000) == 0;
    if (--hold_ > 0) return;
    hold_ = 1 + dice_.below(90);
    for (int k : ARROWS) key[k] = 0;
    int roll = dice_.below(10);
    if (roll < 8) key[ARROWS[dice_.below(4)]] = 1;
    if (roll == 8) {
      key[ARROWS[dice_.below(4)]] = 1;
      key[ARROWS[dice_.below(4)]] = 1;
    }
  }

 private:
  Dice dice_;
  int hold_ = 0;
};

bool is_wall(int code) { return code == TILE_BLOCK || (code >= TILE_BAR_RIGHT_END && code <= TILE_CORNER_BL); }

// The wall cell under the player's 32x32 box, if any ("" when clear).
std::string wall_under_player() {
  for (int r = game.player_y / CELL; r <= (game.player_y + ACTOR - 1) / CELL; ++r)
    for (int c = game.player_x / CELL; c <= (game.player_x + ACTOR - 1) / CELL; ++c) {
      int code = game.maze[(r % MAZE_ROWS + MAZE_ROWS) % MAZE_ROWS][(c % MAZE_COLS + MAZE_COLS) % MAZE_COLS];
      if (is_wall(code))
        return "cell (" + std::to_string(r) + "," + std::to_string(c) + ") code " + std::to_string(code);
    }
  return "";
}

int count_pills() {
  int n = 0;
  for (auto &row : game.maze)
    for (int cell : row) n += cell == TILE_PILL;
  return n;
}

bool near(int a, int b) { return std::abs(a - b) <= 1; }

// One pixel along an axis, a wrap from one end of the tunnel to the other,
// or a jump back to a start or home place.
bool fair_move(int x0, int y0, int x1, int y1, int wrap_low, int wrap_high, int home_x, int home_y) {
  int dx = x1 - x0, dy = y1 - y0;
  if ((dx == 0 && near(dy, 0)) || (dy == 0 && near(dx, 0))) return true;
  if (dy == 0 && ((near(x0, wrap_low) && near(x1, wrap_high)) || (near(x0, wrap_high) && near(x1, wrap_low))))
    return true;
  return x1 == home_x && y1 == home_y;
}

struct Tally {
  long frames = 0, games = 0, deaths = 0, game_overs = 0, levels = 0, fruits = 0, pills = 0, fruit_tiles = 0;
  int best_level = 0, fewest_pickups = FULL_MAZE_PICKUPS;
  int32_t best_score = 0;
};

TEST(Soak, TwoHundredThousandFramesOfRandomPlay) {
  use_fake_platform();
  RandomHands hands(0x5eed2024);
  Tally t;
  const long FRAMES = 200000;

  game.score = 0;
  start_game();
  ++t.games;
  // Runs until the first frame with a fault: that frame tells the story.
  while (t.frames < FRAMES && !::testing::Test::HasFailure()) {
    GameState before = game;
    int pickups_before = count_pickups(), pills_before = count_pills();
    hands.press();
    FrameResult result = game_frame();
    ++t.frames;
    int pickups = count_pickups();
    std::string where = "frame " + std::to_string(t.frames) + " of game " + std::to_string(t.games);

    // Counts and ranges.
    EXPECT_GE(game.lives, 0) << where;
    EXPECT_LE(game.lives, START_LIVES) << where;
    EXPECT_GE(game.level, 0) << where;
    EXPECT_LE(game.level, MAX_LEVEL) << where;
    EXPECT_GE(game.player_x, PLAYER_WRAP_LEFT) << where;
    EXPECT_LE(game.player_x, PLAYER_WRAP_RIGHT) << where;
    EXPECT_GE(game.player_y, 0) << where;
    EXPECT_LE(game.player_y, 480 - ACTOR) << where;
    EXPECT_TRUE(game.fright_active == 0 || game.fright_active == -1) << where;
    EXPECT_TRUE(game.fruit_state >= FRUIT_HIDDEN && game.fruit_state <= FRUIT_EATEN) << where;
    EXPECT_TRUE(game.player_dir >= 0 && game.player_dir <= 3) << where;
    for (int k = 0; k < GHOSTS; ++k) {
      EXPECT_GE(game.ghost_x[k], 0) << where << " ghost " << k;
      EXPECT_LE(game.ghost_x[k], 501) << where << " ghost " << k;
      EXPECT_GE(game.ghost_y[k], 0) << where << " ghost " << k;
      EXPECT_LE(game.ghost_y[k], 480 - ACTOR) << where << " ghost " << k;
      EXPECT_TRUE(game.ghost_dir[k] >= 0 && game.ghost_dir[k] <= 3) << where << " ghost " << k;
      EXPECT_TRUE(game.ghost_mode[k] == GHOST_NORMAL || game.ghost_mode[k] == GHOST_FRIGHTENED) << where;
      // Frightened ghosts exist only in a fright.
      if (game.fright_active == 0) {
        EXPECT_EQ(game.ghost_mode[k], GHOST_NORMAL) << where << " ghost " << k;
      }
    }
    // Walls are solid, and everyone moves at most one pixel a frame.
    std::string wall = wall_under_player();
    EXPECT_EQ(wall, "") << where << ": player at " << game.player_x << "," << game.player_y;
    EXPECT_TRUE(fair_move(before.player_x, before.player_y, game.player_x, game.player_y, PLAYER_WRAP_LEFT,
                          PLAYER_WRAP_RIGHT, PLAYER_START_X, PLAYER_START_Y))
        << where << ": player " << before.player_x << "," << before.player_y << " -> " << game.player_x << ","
        << game.player_y;
    for (int k = 0; k < GHOSTS && result == FRAME_GO_ON; ++k) {
      // A ghost sent home this frame has taken its first step from there.
      bool from_home = std::abs(game.ghost_x[k] - GHOST_HOME_X) + std::abs(game.ghost_y[k] - GHOST_HOME_Y) <= 1;
      EXPECT_TRUE(from_home || fair_move(before.ghost_x[k], before.ghost_y[k], game.ghost_x[k], game.ghost_y[k], 0,
                                         501, GHOST_HOME_X, GHOST_HOME_Y))
          << where << ": ghost " << k << " " << before.ghost_x[k] << "," << before.ghost_y[k] << " -> "
          << game.ghost_x[k] << "," << game.ghost_y[k];
    }

    // A fruit that is out is eaten in the frame the player reaches it.
    int column = game.player_x / CELL;
    bool on_fruit = game.player_y / CELL == 13 && (column == 15 || column == 16);
    EXPECT_FALSE(on_fruit && game.fruit_state == FRUIT_SHOWN) << where;

    // Score and pick-ups only go one way within a level.
    EXPECT_GE(game.score, before.score) << where;
    bool new_level = game.level == before.level + 1;
    EXPECT_TRUE(game.level == before.level || new_level) << where;
    if (new_level) {
      EXPECT_EQ(pickups, FULL_MAZE_PICKUPS) << where;
    } else {
      EXPECT_LE(pickups, pickups_before) << where;
    }

    // Bookkeeping.
    if (new_level) ++t.levels;
    if (game.lives < before.lives) ++t.deaths;
    if (!new_level) t.pills += pills_before - count_pills();
    if (game.fruit_state == FRUIT_EATEN && before.fruit_state != FRUIT_EATEN) ++t.fruits;
    if (on_fruit) ++t.fruit_tiles;
    t.best_level = std::max(t.best_level, int(game.level));
    if (!new_level) t.fewest_pickups = std::min(t.fewest_pickups, pickups);
    t.best_score = std::max(t.best_score, game.score);

    if (result == FRAME_GAME_ENDED) {
      EXPECT_EQ(game.lives, 0) << where << ": only lost lives end a game here";
      ++t.game_overs;
      game.score = 0;
      start_game();
      ++t.games;
      EXPECT_EQ(game.level, 0);
      EXPECT_EQ(game.lives, START_LIVES);
      EXPECT_EQ(count_pickups(), FULL_MAZE_PICKUPS);
    }
  }
  release_all_keys();
  long ghosts_eaten = 0, death_sounds = 0;
  for (SAMPLE *s : fake.sounds) {
    ghosts_eaten += s == assets.eat_ghost;
    death_sounds += s == assets.dies;
  }
  printf("soak: %ld frames, %ld games, %ld deaths, %ld game overs, %ld levels cleared (best level %d, fewest "
         "pick-ups left %d), %ld pills, %ld ghosts eaten, %ld fruits (%ld frames on the fruit's tiles), "
         "best score %d, %d display switches\n",
         t.frames, t.games, t.deaths, t.game_overs, t.levels, t.best_level, t.fewest_pickups, t.pills, ghosts_eaten,
         t.fruits, t.fruit_tiles, int(t.best_score), fake.toggles);
  EXPECT_EQ(t.frames, FRAMES);
  EXPECT_EQ(death_sounds, t.deaths);
  // Random play must reach the parts of the game this run is for.
  EXPECT_GE(t.deaths, 30);
  EXPECT_GE(t.game_overs, 10);
  EXPECT_GT(t.pills, 0);
  EXPECT_GT(ghosts_eaten, 0);
  EXPECT_GT(fake.toggles, 0);
}

// Empties the maze through the state; the next frame starts the next level.
void clear_maze() {
  for (auto &row : game.maze)
    for (int &cell : row)
      if (cell == TILE_DOT || cell == TILE_PILL) cell = TILE_EMPTY;
}

TEST(Soak, LastLevelHoldsAndKeepsItsFruitAndFright) {
  use_fake_platform();
  game.score = 0;
  start_game();
  for (int cleared = 1; cleared <= MAX_LEVEL + 5; ++cleared) {
    clear_maze();
    fake.rests.clear();
    ASSERT_EQ(game_frame(), FRAME_GO_ON);
    ASSERT_EQ(game.level, std::min(cleared, MAX_LEVEL)) << "after " << cleared << " cleared mazes";
    ASSERT_EQ(count_pickups(), FULL_MAZE_PICKUPS);
    ASSERT_EQ(fake.rests, std::vector<int>{2000});
    ASSERT_EQ(game.lives, START_LIVES);
  }
  EXPECT_EQ(game.score, 0);

  // The fruit of the last level: the last fruit picture, 5000 points.
  BITMAP *fruit8 = load_bitmap(data_path("fruit8.bmp").c_str(), nullptr);
  ASSERT_NE(fruit8, nullptr);
  // 100 pick-ups left, taken from the bottom rows up.
  int eaten = 0;
  for (int r = MAZE_ROWS - 1; r >= 0; --r)
    for (int &cell : game.maze[r])
      if ((cell == TILE_DOT || cell == TILE_PILL) && eaten < FULL_MAZE_PICKUPS - 100) cell = TILE_EMPTY, ++eaten;
  // Off the grid both ways near the start: still, eating nothing.
  game.player_x = 241;
  game.player_y = 305;
  game.player_dir = DIR_LEFT;
  game_frame();
  ASSERT_EQ(game.fruit_state, FRUIT_SHOWN);
  ASSERT_EQ(game.score, 0);
  game_frame();  // composes the picture with the fruit
  int fruit_pixels = 0, wrong = 0;
  int mask = bitmap_mask_color(fruit8);
  for (int y = 0; y < fruit8->h; ++y)
    for (int x = 0; x < fruit8->w; ++x) {
      int p = getpixel(fruit8, x, y);
      if (p == mask) continue;
      ++fruit_pixels;
      wrong += back_pixel(FRUIT_X + x, FRUIT_Y + y) != p;
    }
  EXPECT_GT(fruit_pixels, 50);
  EXPECT_EQ(wrong, 0) << "the fruit shown at the last level is not the last fruit picture";
  destroy_bitmap(fruit8);
  // Still, off the grid, on the fruit's tiles.
  game.player_x = 245;
  game.player_y = 209;
  game_frame();
  EXPECT_EQ(game.fruit_state, FRUIT_EATEN);
  EXPECT_EQ(game.score, 5000);

  // A pill frightens the ghosts for the one frame it is eaten in: a ghost on
  // the player's tile then is eaten, and the fright is over by the frame's end.
  game.player_x = 33;  // one step left onto the pill at row 2, column 2
  game.player_y = 32;
  game.player_dir = DIR_LEFT;
  game.ghost_x[0] = 32;
  game.ghost_y[0] = 40;
  int32_t score = game.score;
  ASSERT_EQ(game.maze[2][2], TILE_PILL);
  ASSERT_EQ(game_frame(), FRAME_GO_ON);
  EXPECT_EQ(game.maze[2][2], TILE_EMPTY);
  // The pill, the ghost, and the dots right of and below the pill.
  EXPECT_EQ(game.score, score + PILL_POINTS + FIRST_GHOST_POINTS + 2 * DOT_POINTS);
  EXPECT_EQ(game.ghost_x[0], GHOST_HOME_X);
  EXPECT_EQ(game.fright_active, 0);
  EXPECT_EQ(game.fright_timer, 0);
  for (int k = 0; k < GHOSTS; ++k) EXPECT_EQ(game.ghost_mode[k], GHOST_NORMAL) << k;
  EXPECT_EQ(game.lives, START_LIVES);
  EXPECT_EQ(game.level, MAX_LEVEL);
}

}  // namespace
