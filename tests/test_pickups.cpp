// Dots, power pills, fright mode, frightened ghosts and the bonus fruit.
#include <gtest/gtest.h>

#include <cstdlib>
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

void fresh_game() {
  use_fake_platform();
  game = GameState();
  game.lives = START_LIVES;
  reset_actors();
  reset_maze();
}

void empty_maze() {
  for (auto &row : game.maze)
    for (auto &cell : row) cell = TILE_EMPTY;
}

// Exactly n dots, filled row by row from the top of the grid (rows 0 to 4
// for up to 160), away from every place the tests put the player.
void maze_with_pickups(int n) {
  empty_maze();
  for (int i = 0; i < n; ++i) game.maze[i / 32][i % 32] = TILE_DOT;
}

void compose() {
  clear_to_color(back_buffer, 0);
  draw_frame();
}

void place_player(int x, int y, int dir) {
  game.player_x = x;
  game.player_y = y;
  game.player_dir = dir;
}

void place_ghost(int k, int x, int y, int mode) {
  game.ghost_x[k] = x;
  game.ghost_y[k] = y;
  game.ghost_mode[k] = mode;
}

int count_sound(SAMPLE *s) {
  int n = 0;
  for (SAMPLE *p : fake.sounds) n += p == s;
  return n;
}

// Steps 2 to 5 of a frame without the ghosts: picture, player, pick-ups.
void player_and_pickups_frame() {
  compose();
  steer_player();
  move_player();
  eat_dots_and_pills();
  update_fruit();
}

void expect_fright_started(int timer) {
  EXPECT_EQ(game.fright_active, -1);
  EXPECT_EQ(game.fright_timer, timer);
  EXPECT_EQ(game.ghost_points, 200);
  for (int k = 0; k < GHOSTS; ++k) EXPECT_EQ(game.ghost_mode[k], GHOST_FRIGHTENED) << k;
}

}  // namespace

TEST(DotsAndPills, FiveCellsUnderThePlayerDotsFirstThenPills) {
  fresh_game();
  empty_maze();
  place_player(96, 128, DIR_LEFT);  // row 8, column 6
  for (int r = 6; r <= 11; ++r)
    for (int c = 4; c <= 9; ++c) game.maze[r][c] = TILE_DOT;
  game.maze[8][6] = TILE_PILL;  // top-left corner
  game.maze[9][8] = TILE_PILL;  // middle of the right edge
  game.ghost_points = 1600;
  game.fright_timer = 5;
  game.ghost_mode[1] = GHOST_NORMAL;

  eat_dots_and_pills();

  const bool examined[6][6] = {{}, {}, {0, 0, 1, 1, 0, 0}, {0, 0, 1, 1, 1, 0}, {}, {}};
  for (int r = 6; r <= 11; ++r)
    for (int c = 4; c <= 9; ++c) {
      bool eaten = examined[r - 6][c - 4];
      EXPECT_EQ(game.maze[r][c], eaten ? TILE_EMPTY : (int)TILE_DOT) << r << "," << c;
    }
  EXPECT_EQ(game.score, 3 * 10 + 2 * 50);
  std::vector<SAMPLE *> order = {assets.eating, assets.eating, assets.eating, assets.fruit_or_pill,
                                 assets.fruit_or_pill};
  EXPECT_EQ(fake.sounds, order);
  expect_fright_started(600);
  EXPECT_EQ(count_pickups(), 36 - 5);
}

TEST(DotsAndPills, OnlyWhenAlignedOnBothAxes) {
  fresh_game();
  for (auto pos : {std::pair<int, int>{97, 128}, {96, 129}, {111, 143}}) {
    empty_maze();
    for (int r = 7; r <= 10; ++r)
      for (int c = 5; c <= 9; ++c) game.maze[r][c] = (c == 7) ? TILE_PILL : TILE_DOT;
    place_player(pos.first, pos.second, DIR_LEFT);
    eat_dots_and_pills();
    EXPECT_EQ(count_pickups(), 20);
  }
  EXPECT_EQ(game.score, 0);
  EXPECT_TRUE(fake.sounds.empty());
  EXPECT_EQ(game.fright_active, 0);
}

TEST(DotsAndPills, DotsAloneStartNoFrightAndTunnelEndEatsNothingBeyondTheGrid) {
  fresh_game();
  empty_maze();
  place_player(480, 160, DIR_RIGHT);  // row 10, column 30
  game.maze[10][30] = TILE_DOT;
  game.maze[11][31] = TILE_DOT;
  game.maze[11][29] = TILE_DOT;  // left of the square: not one of the five
  game.maze[12][0] = TILE_DOT;   // the cell after row 11's last in memory
  game.maze[12][31] = TILE_DOT;
  eat_dots_and_pills();
  EXPECT_EQ(game.score, 20);
  EXPECT_EQ(game.maze[10][30], TILE_EMPTY);
  EXPECT_EQ(game.maze[11][31], TILE_EMPTY);
  EXPECT_EQ(game.maze[11][29], TILE_DOT);
  EXPECT_EQ(game.maze[12][0], TILE_DOT);
  EXPECT_EQ(game.maze[12][31], TILE_DOT);
  EXPECT_EQ(count_sound(assets.eating), 2);
  EXPECT_EQ(game.fright_active, 0);
  for (int k = 0; k < GHOSTS; ++k) EXPECT_EQ(game.ghost_mode[k], GHOST_NORMAL);
}

TEST(DotsAndPills, PillDuringFrightRestartsItInFull) {
  fresh_game();
  empty_maze();
  game.maze[2][2] = TILE_PILL;
  place_player(32, 32, DIR_LEFT);
  game.level = 3;
  game.fright_active = -1;
  game.fright_timer = 37;
  game.ghost_points = 800;
  game.ghost_mode[0] = GHOST_NORMAL;  // eaten and back home
  game.ghost_mode[1] = game.ghost_mode[2] = GHOST_FRIGHTENED;
  game.ghost_mode[3] = GHOST_NORMAL;
  eat_dots_and_pills();
  EXPECT_EQ(game.score, 50);
  EXPECT_EQ(count_sound(assets.fruit_or_pill), 1);
  expect_fright_started(60 * 7);
}

TEST(Fright, LengthShortensWithTheLevel) {
  for (int level = 0; level <= MAX_LEVEL; ++level) {
    int expected = level <= 10 ? 60 * (10 - level) : 1;
    EXPECT_EQ(fright_length(level), expected) << level;
    fresh_game();
    empty_maze();
    game.maze[2][2] = TILE_PILL;
    place_player(32, 32, DIR_LEFT);
    game.level = level;
    eat_dots_and_pills();
    EXPECT_EQ(game.fright_timer, expected) << level;
  }
  EXPECT_EQ(fright_length(0), 600);
  EXPECT_EQ(fright_length(9), 60);
  EXPECT_EQ(fright_length(10), 0);
}

// A pill eaten in a game frame, with ghost 2 on the player's tile: the ghost
// is eaten in that frame whatever the level; from level 10 on the fright is
// over by the end of the same frame.
TEST(Fright, PillFrameAtEachLevel) {
  struct Case {
    int level, timer_after, active_after;
  };
  for (Case c : {Case{0, 599, -1}, Case{1, 539, -1}, Case{9, 59, -1}, Case{10, -1, 0}, Case{11, 0, 0},
                 Case{127, 0, 0}}) {
    fresh_game();
    empty_maze();
    game.maze[19][15] = TILE_PILL;
    game.maze[2][3] = TILE_DOT;  // keeps the level going
    game.level = c.level;
    place_player(241, 304, DIR_LEFT);
    place_ghost(2, 245, 310, GHOST_NORMAL);  // tile (19, 15), the player's after its step
    ASSERT_EQ(game_frame(), FRAME_GO_ON);
    EXPECT_EQ(game.player_x, 240);
    EXPECT_EQ(game.score, 50 + 200) << c.level;
    EXPECT_EQ(game.lives, 3) << c.level;
    EXPECT_EQ(game.fright_timer, c.timer_after) << c.level;
    EXPECT_EQ(game.fright_active, c.active_after) << c.level;
    for (int k = 0; k < GHOSTS; ++k)
      EXPECT_EQ(game.ghost_mode[k], k == 2 || c.active_after == 0 ? GHOST_NORMAL : GHOST_FRIGHTENED)
          << "level " << c.level << " ghost " << k;
    EXPECT_EQ(count_sound(assets.eat_ghost), 1);
  }
}

namespace {

// Whether every opaque pixel of `sprite` is in the back buffer at (x, y).
bool shows(BITMAP *sprite, int x, int y) {
  int mask = bitmap_mask_color(sprite);
  for (int j = 0; j < sprite->h; ++j)
    for (int i = 0; i < sprite->w; ++i) {
      int p = getpixel(sprite, i, j);
      if (p != mask && back_pixel(x + i, y + j) != p) return false;
    }
  return true;
}

enum Look { LOOK_NORMAL, LOOK_BLUE, LOOK_FLASH, LOOK_UNKNOWN };

Look ghost_look(int k) {
  int x = game.ghost_x[k] + 1, y = game.ghost_y[k] + 1;
  bool normal = shows(assets.ghost[k][game.ghost_dir[k]], x, y);
  bool blue = shows(assets.frightened, x, y);
  bool flash = shows(assets.frightened_flash, x, y);
  if (normal + blue + flash != 1) return LOOK_UNKNOWN;
  return normal ? LOOK_NORMAL : blue ? LOOK_BLUE : LOOK_FLASH;
}

}  // namespace

TEST(Fright, GhostsLookBlueFor599PicturesAndFlashInTheLast100) {
  fresh_game();
  game.lives = 1;
  empty_maze();
  game.maze[25][2] = TILE_PILL;
  game.maze[2][3] = TILE_DOT;
  place_player(32, 400, DIR_LEFT);
  for (int k = 0; k < GHOSTS; ++k) place_ghost(k, 96 + 64 * k, 224, GHOST_NORMAL);
  // The pill's frame: picture, pick-ups, fright.
  compose();
  eat_dots_and_pills();
  update_fruit();
  run_fright();
  ASSERT_EQ(game.fright_timer, 599);

  int blue = 0, flash = 0, frightened_pictures = 0, first_normal = -1;
  for (int picture = 1; picture <= 700; ++picture) {
    compose();
    Look look = ghost_look(0);
    for (int k = 1; k < GHOSTS; ++k) ASSERT_EQ(ghost_look(k), look) << "picture " << picture << " ghost " << k;
    ASSERT_NE(look, LOOK_UNKNOWN) << picture;
    int timer = 600 - picture;
    if (look == LOOK_NORMAL) {
      if (first_normal < 0) first_normal = picture;
    } else {
      ASSERT_LT(first_normal, 0) << "frightened again at picture " << picture;
      ++frightened_pictures;
      bool should_flash = timer <= 99 && timer % 4 == 0;
      EXPECT_EQ(look == LOOK_FLASH, should_flash) << "picture " << picture;
      (look == LOOK_FLASH ? flash : blue) += 1;
    }
    update_fruit();
    if (game.fright_active == -1) run_fright();
  }
  EXPECT_EQ(frightened_pictures, 599);
  EXPECT_EQ(flash, 24);
  EXPECT_EQ(blue, 575);
  EXPECT_EQ(first_normal, 600);
  EXPECT_EQ(game.fright_active, 0);
}

TEST(Fright, FourGhostsInOneFrightScore3000AndGoHomeNormal) {
  fresh_game();
  empty_maze();
  game.maze[8][6] = TILE_PILL;
  place_player(96, 128, DIR_UP);
  eat_dots_and_pills();
  ASSERT_EQ(game.score, 50);
  // Two ghosts on the player's tile (row 8, column 6), one next to it.
  place_ghost(0, 96, 128, GHOST_FRIGHTENED);
  place_ghost(1, 111, 143, GHOST_FRIGHTENED);
  place_ghost(2, 112, 128, GHOST_FRIGHTENED);
  place_ghost(3, 96, 144, GHOST_FRIGHTENED);
  game.ghost_dir[0] = game.ghost_dir[1] = DIR_LEFT;
  run_fright();
  EXPECT_EQ(game.score, 50 + 200 + 400);
  EXPECT_EQ(game.ghost_points, 800);
  EXPECT_EQ(game.fright_timer, 599);
  EXPECT_EQ(count_sound(assets.eat_ghost), 2);
  for (int k : {0, 1}) {
    EXPECT_EQ(game.ghost_x[k], GHOST_HOME_X);
    EXPECT_EQ(game.ghost_y[k], GHOST_HOME_Y);
    EXPECT_EQ(game.ghost_dir[k], DIR_UP);
    EXPECT_EQ(game.ghost_mode[k], GHOST_NORMAL);
  }
  EXPECT_EQ(game.ghost_mode[2], GHOST_FRIGHTENED);
  EXPECT_EQ(game.ghost_x[2], 112);

  // Next frame: all four on the tile; the two already eaten are normal now.
  for (int k = 0; k < GHOSTS; ++k) {
    game.ghost_x[k] = 100 + k;
    game.ghost_y[k] = 130 + k;
    game.ghost_dir[k] = DIR_RIGHT;
  }
  run_fright();
  EXPECT_EQ(game.score, 50 + 3000);
  EXPECT_EQ(game.ghost_points, 3200);
  EXPECT_EQ(game.fright_timer, 598);
  EXPECT_EQ(count_sound(assets.eat_ghost), 4);
  for (int k : {2, 3}) {
    EXPECT_EQ(game.ghost_x[k], GHOST_HOME_X);
    EXPECT_EQ(game.ghost_y[k], GHOST_HOME_Y);
    EXPECT_EQ(game.ghost_dir[k], DIR_UP);
    EXPECT_EQ(game.ghost_mode[k], GHOST_NORMAL);
  }
  for (int k : {0, 1}) EXPECT_EQ(game.ghost_x[k], 100 + k);  // not eaten twice
  EXPECT_EQ(game.fright_active, -1);
}

TEST(Fright, GhostEatenIsBackNormalBeforeTheCaughtTest) {
  // Ghost 0 frightened and ghost 1 normal both meet the player: ghost 0 is
  // eaten, then ghost 1 catches the player in the same frame.
  fresh_game();
  empty_maze();
  game.maze[2][3] = TILE_DOT;
  game.fright_active = -1;
  game.fright_timer = 300;
  game.ghost_points = 400;
  place_player(241, 304, DIR_LEFT);
  place_ghost(0, 245, 310, GHOST_FRIGHTENED);
  place_ghost(1, 250, 305, GHOST_NORMAL);
  ASSERT_EQ(game_frame(), FRAME_GO_ON);
  EXPECT_EQ(game.score, 400);
  EXPECT_EQ(game.lives, 2);
  EXPECT_EQ(game.fright_active, 0);
  EXPECT_EQ(count_sound(assets.eat_ghost), 1);
  EXPECT_EQ(count_sound(assets.dies), 1);
  EXPECT_EQ(fake.rests, std::vector<int>{2000});
}

TEST(Fruit, ShownWhile65To127PickUpsAreLeftAndStaysUntilEaten) {
  fresh_game();
  place_player(32, 400, DIR_LEFT);
  for (int n : {0, 1, 64, 65, 66, 100, 127, 128, 198}) {
    maze_with_pickups(n);
    game.fruit_state = FRUIT_HIDDEN;
    update_fruit();
    EXPECT_EQ(game.fruit_state, n >= 65 && n <= 127 ? FRUIT_SHOWN : FRUIT_HIDDEN) << n;
    game.fruit_state = FRUIT_EATEN;
    update_fruit();
    EXPECT_EQ(game.fruit_state, FRUIT_EATEN) << n;
    game.fruit_state = FRUIT_SHOWN;
    update_fruit();
    EXPECT_EQ(game.fruit_state, FRUIT_SHOWN) << n;
  }
  EXPECT_EQ(game.score, 0);
  EXPECT_TRUE(fake.sounds.empty());
}

TEST(Fruit, EatenAnywhereOnItsTwoTilesWithoutAlignment) {
  fresh_game();
  struct Case {
    int x, y;
    bool eaten;
  };
  const Case cases[] = {{239, 208, false}, {240, 208, true},  {271, 208, true},  {272, 208, false},
                        {250, 207, false}, {250, 223, true},  {257, 215, true},  {250, 224, false},
                        {245, 210, true},  {266, 219, true},  {223, 208, false}, {288, 208, false}};
  int points = 0;
  for (const Case &c : cases) {
    game.fruit_state = FRUIT_SHOWN;
    place_player(c.x, c.y, DIR_RIGHT);
    update_fruit();
    EXPECT_EQ(game.fruit_state, c.eaten ? FRUIT_EATEN : FRUIT_SHOWN) << c.x << "," << c.y;
    points += c.eaten ? FRUIT_POINTS[0] : 0;
  }
  EXPECT_EQ(game.score, points);
  EXPECT_EQ(count_sound(assets.fruit_or_pill), points / FRUIT_POINTS[0]);
  // Not shown: nothing to eat there.
  game.fruit_state = FRUIT_HIDDEN;
  place_player(250, 215, DIR_RIGHT);
  update_fruit();
  EXPECT_EQ(game.fruit_state, FRUIT_HIDDEN);
}

TEST(Fruit, WalkingAlongItsRowEatsItAt240GoingRightAnd271GoingLeft) {
  for (int level : {0, 1, 5, 11, 12, 127}) {
    for (int dir : {DIR_RIGHT, DIR_LEFT}) {
      fresh_game();
      game.level = level;
      game.fruit_state = FRUIT_SHOWN;
      place_player(dir == DIR_RIGHT ? 144 : 336, 208, dir);
      int eaten_at = -1;
      for (int i = 0; i < 200 && eaten_at < 0; ++i) {
        player_and_pickups_frame();
        if (game.fruit_state == FRUIT_EATEN) eaten_at = game.player_x;
      }
      EXPECT_EQ(eaten_at, dir == DIR_RIGHT ? 240 : 271) << "level " << level << " dir " << dir;
      EXPECT_EQ(game.score, FRUIT_POINTS[level]) << level;
      EXPECT_EQ(count_sound(assets.fruit_or_pill), 1);
    }
  }
}

TEST(Fruit, AfterADeathComesBackOnlyWhileTheCountIsInRange) {
  for (int n : {64, 65, 100, 127, 128}) {
    fresh_game();
    maze_with_pickups(n);
    game.fruit_state = FRUIT_EATEN;
    place_player(241, 304, DIR_LEFT);
    place_ghost(0, 245, 310, GHOST_NORMAL);
    ASSERT_EQ(game_frame(), FRAME_GO_ON);
    ASSERT_EQ(game.lives, 2);
    EXPECT_EQ(game.fruit_state, FRUIT_HIDDEN);
    ASSERT_EQ(game_frame(), FRAME_GO_ON);
    EXPECT_EQ(game.fruit_state, n >= 65 && n <= 127 ? FRUIT_SHOWN : FRUIT_HIDDEN) << n;
    EXPECT_EQ(count_pickups(), n);
  }
}

TEST(LevelEnd, LastPickUpEndsTheLevelInTheSameFrame) {
  fresh_game();
  empty_maze();
  game.maze[20][15] = TILE_DOT;
  game.fright_active = -1;
  game.fright_timer = 50;
  for (int k = 0; k < GHOSTS; ++k) place_ghost(k, 32 + 64 * k, 32, GHOST_FRIGHTENED);
  place_player(241, 304, DIR_LEFT);
  long seeds = random_seeds;
  ASSERT_EQ(game_frame(), FRAME_GO_ON);
  EXPECT_EQ(game.score, 10);
  EXPECT_EQ(game.level, 1);
  EXPECT_EQ(count_pickups(), FULL_MAZE_PICKUPS);
  EXPECT_EQ(random_seeds, seeds + 1);
  EXPECT_EQ(fake.rests, std::vector<int>{2000});
  EXPECT_EQ(game.lives, 3);
  EXPECT_EQ(game.player_x, PLAYER_START_X);
  EXPECT_EQ(game.player_y, PLAYER_START_Y);
  EXPECT_EQ(game.fright_active, 0);
  for (int k = 0; k < GHOSTS; ++k) {
    EXPECT_EQ(game.ghost_mode[k], GHOST_NORMAL);
    // Back home, then one step of this frame's ghost movement.
    EXPECT_EQ(std::abs(game.ghost_x[k] - GHOST_HOME_X) + std::abs(game.ghost_y[k] - GHOST_HOME_Y), 1) << k;
  }
}

TEST(LevelEnd, CaughtWhileEatingTheLastPickUpDiesFirstThenClearsTheLevel) {
  fresh_game();
  empty_maze();
  game.maze[20][15] = TILE_DOT;
  place_player(241, 304, DIR_LEFT);
  place_ghost(3, 245, 310, GHOST_NORMAL);
  ASSERT_EQ(game_frame(), FRAME_GO_ON);
  EXPECT_EQ(game.lives, 2);
  EXPECT_EQ(game.level, 1);
  EXPECT_EQ(count_pickups(), FULL_MAZE_PICKUPS);
  EXPECT_EQ(fake.rests, (std::vector<int>{2000, 2000}));

  // On the last life the game ends and the level stays.
  fresh_game();
  game.lives = 1;
  empty_maze();
  game.maze[20][15] = TILE_DOT;
  place_player(241, 304, DIR_LEFT);
  place_ghost(3, 245, 310, GHOST_NORMAL);
  EXPECT_EQ(game_frame(), FRAME_GAME_ENDED);
  EXPECT_EQ(game.level, 0);
  EXPECT_EQ(game.lives, 0);
  EXPECT_EQ(game.score, 10);
}
