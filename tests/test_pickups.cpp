// Dots, power pills, fright mode, frightened ghosts and the bonus fruit.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "game/game_loop.h"
#include "game/game_state.h"
#include "game/pickups.h"
#include "game/player.h"
#include "game/random.h"
#include "headless.h"
#include "render/assets.h"
#include "render/draw_frame.h"

namespace {

// A fresh game whose maze holds just n dots, in rows 0 to 4, away from the player.
void fresh_game(int dots) {
  use_fake_platform();
  game = GameState();
  game.lives = START_LIVES;
  reset_actors();
  reset_maze();
  for (int i = 0; i < MAZE_ROWS * MAZE_COLS; ++i) game.maze[i / 32][i % 32] = i < dots ? TILE_DOT : TILE_EMPTY;
}

void place_player(int x, int y, int dir) { game.player_x = x, game.player_y = y, game.player_dir = dir; }
void place_ghost(int k, int x, int y, int mode) { game.ghost_x[k] = x, game.ghost_y[k] = y, game.ghost_mode[k] = mode; }

void compose() {
  clear_to_color(back_buffer, 0);
  draw_frame();
}

// Whether every opaque pixel of `sprite` is in the back buffer at (x, y).
bool shows(BITMAP *sprite, int x, int y) {
  for (int j = 0; j < sprite->h; ++j)
    for (int i = 0; i < sprite->w; ++i) {
      int p = getpixel(sprite, i, j);
      if (p != bitmap_mask_color(sprite) && back_pixel(x + i, y + j) != p) return false;
    }
  return true;
}

// The picture ghost k shows: 0 its own, 1 blue, 2 flashing, -1 none of them.
int ghost_look(int k) {
  int x = game.ghost_x[k] + 1, y = game.ghost_y[k] + 1;
  return shows(assets.frightened, x, y) ? 1 : shows(assets.frightened_flash, x, y) ? 2
         : shows(assets.ghost[k][game.ghost_dir[k]], x, y) ? 0 : -1;
}

}  // namespace

TEST(DotsAndPills, FiveCellsUnderTheAlignedPlayerDotsFirstThenPills) {
  fresh_game(0);
  for (int r = 6; r <= 11; ++r)
    for (int c = 4; c <= 9; ++c) game.maze[r][c] = TILE_DOT;
  game.maze[8][6] = game.maze[9][8] = TILE_PILL;  // top-left corner, middle of the right edge
  game.ghost_points = 1600, game.fright_timer = 5;
  // Off the grid on either axis nothing is eaten.
  for (int off : {0, 1}) {
    place_player(96 + off, 128 + 1 - off, DIR_LEFT);
    eat_dots_and_pills();
  }
  EXPECT_TRUE(fake.sounds.empty());
  place_player(96, 128, DIR_LEFT);  // row 8, column 6
  eat_dots_and_pills();
  const bool eaten[6][6] = {{}, {}, {0, 0, 1, 1, 0, 0}, {0, 0, 1, 1, 1, 0}, {}, {}};
  for (int r = 6; r <= 11; ++r)
    for (int c = 4; c <= 9; ++c)
      EXPECT_EQ(game.maze[r][c], eaten[r - 6][c - 4] ? TILE_EMPTY : (int)TILE_DOT) << r << "," << c;
  // Two pills: 100 points, two sounds, one fright started in full.
  EXPECT_EQ(game.score, 3 * 10 + 2 * 50);
  SAMPLE *e = assets.eating, *p = assets.fruit_or_pill;
  EXPECT_EQ(fake.sounds, (std::vector<SAMPLE *>{e, e, e, p, p}));
  EXPECT_EQ(game.fright_active, -1);
  EXPECT_EQ(game.fright_timer, 600);
  EXPECT_EQ(game.ghost_points, 200);
  for (int k = 0; k < GHOSTS; ++k) EXPECT_EQ(game.ghost_mode[k], GHOST_FRIGHTENED) << k;
  // At the tunnel end the cell past the last column is not the next row's first.
  fresh_game(0);
  game.maze[11][31] = game.maze[12][0] = TILE_DOT;
  place_player(480, 160, DIR_RIGHT);
  eat_dots_and_pills();
  EXPECT_EQ(game.score, 10);
  EXPECT_EQ(game.maze[12][0], TILE_DOT);
}

// A pill eaten in a game frame with ghost 2 on the player's tile: the ghost is
// eaten whatever the level; from level 10 on the fright is over in that frame.
TEST(Fright, LengthByLevelAndThePillFrame) {
  const int cases[][3] = {{0, 599, -1}, {9, 59, -1}, {10, -1, 0}, {11, 0, 0}, {127, 0, 0}};
  for (auto &c : cases) {
    fresh_game(1);
    game.maze[19][15] = TILE_PILL;
    game.level = c[0];
    place_player(241, 304, DIR_LEFT);
    place_ghost(2, 245, 310, GHOST_NORMAL);  // tile (19, 15), the player's after its step
    ASSERT_EQ(game_frame(), FRAME_GO_ON);
    EXPECT_EQ(game.score, 50 + 200) << c[0];
    EXPECT_EQ(game.fright_timer, c[1]) << c[0];
    EXPECT_EQ(game.fright_active, c[2]) << c[0];
    EXPECT_EQ(game.ghost_mode[1], c[2]) << c[0];
    EXPECT_EQ(game.ghost_mode[2], GHOST_NORMAL) << c[0];
  }
}

TEST(Fright, GhostsLookBlueFor599PicturesAndFlashIn24OfThem) {
  fresh_game(1);
  game.maze[25][2] = TILE_PILL;
  place_player(32, 400, DIR_LEFT);
  for (int k = 0; k < GHOSTS; ++k) place_ghost(k, 96 + 64 * k, 224, GHOST_NORMAL);
  eat_dots_and_pills();
  run_fright();
  ASSERT_EQ(game.fright_timer, 599);
  int counts[3] = {}, first_normal = -1;
  for (int picture = 1; picture <= 700; ++picture) {
    compose();
    int look = ghost_look(0);
    for (int k = 1; k < GHOSTS; ++k) ASSERT_EQ(ghost_look(k), look) << "picture " << picture << " ghost " << k;
    ASSERT_NE(look, -1) << picture;
    if (look == 0 && first_normal < 0) first_normal = picture;
    ASSERT_TRUE(look == 0 || first_normal < 0) << "frightened again at picture " << picture;
    ++counts[look];
    if (game.fright_active == -1) run_fright();
  }
  EXPECT_EQ(counts[1], 575);
  EXPECT_EQ(counts[2], 24);
  EXPECT_EQ(first_normal, 600);
}

TEST(Fright, FourGhostsInOneFrightScore3000) {
  fresh_game(0);
  game.maze[8][6] = TILE_PILL;
  place_player(96, 128, DIR_UP);
  eat_dots_and_pills();
  // Ghosts 0 and 1 on the player's tile (row 8, column 6), 2 and 3 next to it.
  const int at[4][2] = {{96, 128}, {111, 143}, {112, 128}, {96, 144}};
  for (int k = 0; k < GHOSTS; ++k) place_ghost(k, at[k][0], at[k][1], GHOST_FRIGHTENED);
  run_fright();
  EXPECT_EQ(game.score, 50 + 200 + 400);
  // Next frame all four on the tile: only the two still frightened are eaten.
  for (int k = 0; k < GHOSTS; ++k) place_ghost(k, 100 + k, 130, game.ghost_mode[k]);
  run_fright();
  EXPECT_EQ(game.score, 50 + 3000);
  EXPECT_EQ(std::count(fake.sounds.begin(), fake.sounds.end(), assets.eat_ghost), 4);
  EXPECT_EQ(game.fright_timer, 598);
  for (int k = 0; k < GHOSTS; ++k) {
    EXPECT_EQ(game.ghost_x[k], k < 2 ? 100 + k : GHOST_HOME_X) << k;
    EXPECT_EQ(game.ghost_y[k], k < 2 ? 130 : GHOST_HOME_Y) << k;
    EXPECT_EQ(game.ghost_mode[k], GHOST_NORMAL) << k;
  }
  EXPECT_EQ(game.ghost_dir[3], DIR_UP);
}

TEST(Fruit, ShownWhile65To127AreLeftKeptUntilEatenAndBackAfterADeathOnlyInRange) {
  for (int n : {64, 65, 127, 128}) {
    bool in_range = n >= 65 && n <= 127;
    fresh_game(n);
    place_player(32, 400, DIR_LEFT);
    update_fruit();
    EXPECT_EQ(game.fruit_state, in_range ? FRUIT_SHOWN : FRUIT_HIDDEN) << n;
    game.fruit_state = FRUIT_EATEN;
    update_fruit();
    EXPECT_EQ(game.fruit_state, FRUIT_EATEN) << n;
    place_player(241, 304, DIR_LEFT);
    place_ghost(0, 245, 310, GHOST_NORMAL);
    ASSERT_EQ(game_frame(), FRAME_GO_ON);
    ASSERT_EQ(game.lives, 2);
    ASSERT_EQ(game_frame(), FRAME_GO_ON);
    EXPECT_EQ(game.fruit_state, in_range ? FRUIT_SHOWN : FRUIT_HIDDEN) << n;
  }
}

TEST(Fruit, EatenAt240MovingRightAnd271MovingLeftAlongY208) {
  for (int dir : {DIR_RIGHT, DIR_LEFT}) {
    fresh_game(0);  // nothing left: once shown, the fruit stays
    game.level = 12;
    game.fruit_state = FRUIT_SHOWN;
    place_player(dir == DIR_RIGHT ? 144 : 336, 208, dir);
    for (int i = 0; i < 200 && game.fruit_state == FRUIT_SHOWN; ++i) {
      compose();
      move_player();
      update_fruit();
    }
    EXPECT_EQ(game.player_x, dir == DIR_RIGHT ? 240 : 271) << dir;
    EXPECT_EQ(game.score, FRUIT_POINTS[12]);
    EXPECT_EQ(fake.sounds, std::vector<SAMPLE *>{assets.fruit_or_pill});
  }
}

TEST(LevelEnd, LastPickUpEndsTheLevelInTheSameFrame) {
  fresh_game(0);
  game.maze[20][15] = TILE_DOT;
  game.fright_active = -1, game.fright_timer = 50;
  for (int k = 0; k < GHOSTS; ++k) place_ghost(k, 32 + 64 * k, 32, GHOST_FRIGHTENED);
  place_player(241, 304, DIR_LEFT);
  long seeds = random_seeds;
  ASSERT_EQ(game_frame(), FRAME_GO_ON);
  EXPECT_EQ(game.score, 10);
  EXPECT_EQ(game.level, 1);
  EXPECT_EQ(count_pickups(), FULL_MAZE_PICKUPS);
  EXPECT_EQ(random_seeds, seeds + 1);
  EXPECT_EQ(game.fright_active, 0);
  for (int k = 0; k < GHOSTS; ++k) EXPECT_EQ(game.ghost_mode[k], GHOST_NORMAL) << k;
}
