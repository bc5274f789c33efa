// Dots, power pills, fright mode, frightened ghosts and the bonus fruit.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <vector>

#include "game/game_loop.h"
#include "game/game_state.h"
#include "game/pickups.h"
#include "game/player.h"
#include "game/random.h"
#include "headless.h"
#include "render/assets.h"
#include "render/draw_frame.h"

// A fresh game whose maze holds just n dots, in rows 0 to 4, away from the player at (x, y).
static void fresh_game(int dots, int x = 241, int y = 304, int dir = DIR_LEFT) {
  use_fake_platform();
  game = GameState();
  game.lives = START_LIVES;
  reset_actors();
  reset_maze();
  for (int i = 0; i < MAZE_ROWS * MAZE_COLS; ++i) game.maze[i / 32][i % 32] = i < dots ? TILE_DOT : TILE_EMPTY;
  game.player_x = x, game.player_y = y, game.player_dir = dir;
}

static void place_ghost(int k, int x, int y, int mode) {
  game.ghost_x[k] = x, game.ghost_y[k] = y, game.ghost_mode[k] = mode;
}

// Whether every opaque pixel of sprite s is in the back buffer at (x, y).
static bool shows(BITMAP *s, int x, int y) {
  for (int i = 0; i < s->w * s->h; ++i) {
    int p = getpixel(s, i % s->w, i / s->w);
    if (p != bitmap_mask_color(s) && back_pixel(x + i % s->w, y + i / s->w) != p) return false;
  }
  return true;
}

TEST(DotsAndPills, FiveCellsDotsFirstThenPillsTwoPillsStartOneFrightAndFourGhostsScore3000) {
  fresh_game(0);
  for (int r = 6; r <= 11; ++r)
    for (int c = 4; c <= 9; ++c) game.maze[r][c] = TILE_DOT;
  game.maze[8][6] = game.maze[9][8] = TILE_PILL;  // top-left corner, middle of the right edge
  game.ghost_points = 1600, game.fright_timer = 5;
  for (int off : {1, 0}) game.player_x = 96 + off, game.player_y = 129 - off, eat_dots_and_pills();
  EXPECT_TRUE(fake.sounds.empty()) << "eaten off the grid";
  game.player_y = 128;  // row 8, column 6
  eat_dots_and_pills();
  const bool eaten[6][6] = {{}, {}, {0, 0, 1, 1, 0, 0}, {0, 0, 1, 1, 1, 0}, {}, {}};
  for (int r = 6; r <= 11; ++r)
    for (int c = 4; c <= 9; ++c)
      EXPECT_EQ(game.maze[r][c], eaten[r - 6][c - 4] ? TILE_EMPTY : (int)TILE_DOT) << r << "," << c;
  EXPECT_EQ(game.score, 3 * 10 + 2 * 50);
  SAMPLE *e = assets.eating, *p = assets.fruit_or_pill;
  EXPECT_EQ(fake.sounds, (std::vector<SAMPLE *>{e, e, e, p, p}));
  EXPECT_EQ(std::tuple(game.fright_active, game.fright_timer, game.ghost_points), std::tuple(-1, 600, 200));
  // In that fright: ghosts 0 and 1 on the player's tile, 2 and 3 next to it, then all four on it.
  const int at[4][2] = {{96, 128}, {111, 143}, {112, 128}, {96, 144}};
  for (int k = 0; k < GHOSTS; ++k) place_ghost(k, at[k][0], at[k][1], GHOST_FRIGHTENED);
  run_fright();
  EXPECT_EQ(game.score, 130 + 200 + 400);
  for (int k = 0; k < GHOSTS; ++k) place_ghost(k, 100 + k, 130, game.ghost_mode[k]);
  run_fright();  // only the two still frightened are eaten
  EXPECT_EQ(game.score, 130 + 3000);
  EXPECT_EQ(std::count(fake.sounds.begin(), fake.sounds.end(), assets.eat_ghost), 4);
  EXPECT_EQ(std::tuple(game.ghost_x[3], game.ghost_y[3], game.ghost_dir[3]), std::tuple(240, 160, (int)DIR_UP));
}

// A pill eaten in a game frame with ghost 2 on the player's tile: the ghost is eaten whatever the level; from
// level 10 on the fright is over in that frame, and when the pill was the last pick-up, so is the level.
TEST(Fright, LengthByLevelAndThePillFrame) {
  // level, dots besides the pill, fright timer and state after the frame
  const int cases[][4] = {{0, 1, 599, -1}, {9, 1, 59, -1}, {10, 1, -1, 0}, {11, 1, 0, 0}, {3, 0, 419, 0}};
  for (auto &c : cases) {
    fresh_game(c[1]);
    game.maze[19][15] = TILE_PILL, game.level = c[0];
    place_ghost(2, 245, 310, GHOST_NORMAL);  // tile (19, 15), the player's after its step
    long seeds = random_seeds;
    SCOPED_TRACE(c[0]);
    ASSERT_EQ(game_frame(), FRAME_GO_ON);
    EXPECT_EQ(std::tuple(game.score, game.ghost_mode[2]), std::tuple(50 + 200, (int)GHOST_NORMAL));
    EXPECT_EQ(std::tuple(game.fright_timer, game.fright_active, game.ghost_mode[1]), std::tuple(c[2], c[3], c[3]));
    EXPECT_EQ(std::tuple(game.level, count_pickups(), random_seeds),
              c[1] ? std::tuple(c[0], 1, seeds) : std::tuple(c[0] + 1, FULL_MAZE_PICKUPS, seeds + 1));
  }
}

TEST(Fright, GhostsLookBlueFor575PicturesThenFlashFor24AndThenNormal) {
  fresh_game(1, 32, 400);
  game.maze[25][2] = TILE_PILL;
  for (int k = 0; k < GHOSTS; ++k) place_ghost(k, 96 + 64 * k, 224, GHOST_NORMAL);
  eat_dots_and_pills();
  run_fright();
  int counts[3] = {};
  for (int picture = 1; picture <= 700; ++picture) {
    clear_to_color(back_buffer, 0);
    draw_frame();
    for (int k = 0; k < GHOSTS; ++k) {
      int x = game.ghost_x[k] + 1, y = game.ghost_y[k] + 1;
      int look = shows(assets.frightened, x, y)         ? 1
                 : shows(assets.frightened_flash, x, y) ? 2
                 : shows(assets.ghost[k][game.ghost_dir[k]], x, y) ? 0 : -1;
      ASSERT_TRUE(look >= 0 && (look == 0) == (picture >= 600)) << "picture " << picture << " ghost " << k;
      ++counts[look];
    }
    if (game.fright_active == -1) run_fright();
  }
  EXPECT_EQ(counts[1], 4 * 575);
  EXPECT_EQ(counts[2], 4 * 24);
}

TEST(Fruit, ShownWhile65To127AreLeftBackAfterADeathOnlyInRangeAndEatenInTheMiddle) {
  for (int n : {64, 65, 127, 128}) {
    int expected = n >= 65 && n <= 127 ? FRUIT_SHOWN : FRUIT_HIDDEN;
    fresh_game(n);
    update_fruit();
    EXPECT_EQ(game.fruit_state, expected) << n;
    game.fruit_state = FRUIT_EATEN;
    update_fruit();
    EXPECT_EQ(game.fruit_state, FRUIT_EATEN) << n;
    place_ghost(0, 245, 310, GHOST_NORMAL);  // on the player's tile after its step
    ASSERT_EQ(game_frame(), FRAME_GO_ON);
    ASSERT_EQ(game.lives, 2);
    ASSERT_EQ(game_frame(), FRAME_GO_ON);
    EXPECT_EQ(game.fruit_state, expected) << n;
  }
  // Eaten at x 240 moving right and 271 moving left along y 208.
  for (int dir : {DIR_RIGHT, DIR_LEFT}) {
    fresh_game(0, dir == DIR_RIGHT ? 144 : 336, 208, dir);  // nothing left: once shown, the fruit stays
    game.level = 12, game.fruit_state = FRUIT_SHOWN;
    for (int i = 0; i < 200 && game.fruit_state == FRUIT_SHOWN; ++i) {
      clear_to_color(back_buffer, 0);
      draw_frame();
      move_player();
      update_fruit();
    }
    EXPECT_EQ(game.player_x, dir == DIR_RIGHT ? 240 : 271) << dir;
    EXPECT_EQ(game.score, FRUIT_POINTS[12]);
    EXPECT_EQ(fake.sounds, std::vector<SAMPLE *>{assets.fruit_or_pill});
  }
}
