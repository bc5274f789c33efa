// The composed game picture, read back pixel by pixel: the wall tests of the
// rules depend on exactly what lands where, so every element is checked
// against a picture built here from the loaded pictures and the layout.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <string>

#include "game/game_state.h"
#include "headless.h"
#include "render/assets.h"
#include "render/draw_frame.h"

namespace {

const int OFF_SCREEN = 1000;  // actors parked here are clipped away entirely
const int MASK16 = 0xf81f;
const int LIGHT_YELLOW = 0xfff8;  // makecol(255, 255, 192) in 5-6-5
const int WHITE = 0xffff;

// Pixel of a picture as drawn masked: -1 where it is transparent or outside.
int sprite_pixel(BITMAP *p, int u, int v) {
  if (u < 0 || v < 0 || u >= p->w || v >= p->h) return -1;
  int c = getpixel(p, u, v);
  return c == MASK16 ? -1 : c;
}

// How a square picture appears once turned: clockwise quarter turns, or the
// left-right mirror of the quarter turn (an actor facing left).
enum class Turn { None, Quarter, Half, ThreeQuarters, FacingLeft };

int turned_pixel(BITMAP *p, Turn t, int u, int v) {
  int n = p->w;
  switch (t) {
    case Turn::None:
      return sprite_pixel(p, u, v);
    case Turn::Quarter:
      return sprite_pixel(p, v, n - 1 - u);
    case Turn::Half:
      return sprite_pixel(p, n - 1 - u, n - 1 - v);
    case Turn::ThreeQuarters:
      return sprite_pixel(p, n - 1 - v, u);
    case Turn::FacingLeft:
      return sprite_pixel(p, v, u);
  }
  return -1;
}

// Paints a picture (turned) over `dst` with its corner at (x, y).
void paint(BITMAP *dst, BITMAP *p, int x, int y, Turn t = Turn::None) {
  for (int v = 0; v < p->h; ++v)
    for (int u = 0; u < p->w; ++u) {
      int c = turned_pixel(p, t, u, v);
      if (c >= 0) putpixel(dst, x + u, y + v, c);
    }
}

struct Scratch {
  BITMAP *b;
  Scratch() : b(create_bitmap(640, 480)) { clear_to_color(b, 0); }
  ~Scratch() { destroy_bitmap(b); }
  Scratch(const Scratch &) = delete;
  Scratch &operator=(const Scratch &) = delete;
};

// Compares a rectangle (inclusive corners, clipped to the screen) of the back
// buffer with the same rectangle of `want`; "" when they agree.
std::string differences(BITMAP *want, int x0, int y0, int x1, int y1) {
  if (x0 < 0) x0 = 0;
  if (y0 < 0) y0 = 0;
  if (x1 > 639) x1 = 639;
  if (y1 > 479) y1 = 479;
  int count = 0;
  char first[120] = "";
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) {
      int got = back_pixel(x, y);
      int expected = getpixel(want, x, y);
      if (got != expected && count++ == 0)
        snprintf(first, sizeof first, " first at (%d,%d): got 0x%04x, want 0x%04x", x, y, got, expected);
    }
  return count ? std::to_string(count) + " pixels differ;" + first : std::string();
}

int count_colour(BITMAP *b, int x0, int y0, int x1, int y1, int colour) {
  int n = 0;
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) n += getpixel(b, x, y) == colour;
  return n;
}

bool all_colour(BITMAP *b, int x0, int y0, int x1, int y1, int colour) {
  return count_colour(b, x0, y0, x1, y1, colour) == (x1 - x0 + 1) * (y1 - y0 + 1);
}

// The picture used for frame f: frames 0 1 2 3 2 1 show pictures 0 1 2 3 2 1.
BITMAP *player_picture(int f) {
  static const int PICTURE[6] = {0, 1, 2, 3, 2, 1};
  return assets.player[PICTURE[f]];
}

Turn facing(int dir) {
  switch (dir) {
    case DIR_UP:
      return Turn::None;
    case DIR_RIGHT:
      return Turn::Quarter;
    case DIR_DOWN:
      return Turn::Half;
    default:
      return Turn::FacingLeft;
  }
}

class DrawFrame : public ::testing::Test {
 protected:
  void SetUp() override {
    use_fake_platform();
    reset_maze();
    reset_actors();
    // An empty maze and every actor out of sight: each test adds what it checks.
    memset(game.maze, 0, sizeof game.maze);
    game.level = 0;
    game.lives = 1;
    game.score = 0;
    game.hi_score = 0;
    game.fruit_state = FRUIT_HIDDEN;
    game.fright_active = 0;
    game.fright_timer = 0;
    game.player_x = 0;
    game.player_y = OFF_SCREEN;
    game.player_dir = DIR_UP;
    for (int k = 0; k < GHOSTS; ++k) {
      game.ghost_x[k] = 0;
      game.ghost_y[k] = OFF_SCREEN;
      game.ghost_mode[k] = GHOST_NORMAL;
      game.ghost_dir[k] = DIR_UP;
    }
    blink_counter = 0;
  }

  void draw() {
    clear_to_color(back_buffer, 0);
    draw_frame();
  }

  // The level fruit row as it must look (lives 1, so nothing else there).
  static void paint_level_fruit(BITMAP *want, int level) {
    int x = 480;
    for (int i = level - 8; i <= level; ++i) {
      if (i < 0) continue;
      paint(want, assets.fruit[i], x, 452);
      x -= 32;
    }
  }

  static void paint_score_boxes(BITMAP *want, int hi_score, int score) {
    for (int top : {88, 120}) {
      rectfill(want, 530, top, 617, top + 7, LIGHT_YELLOW);
      rectfill(want, 530, top + 24, 617, top + 31, LIGHT_YELLOW);
      rectfill(want, 530, top + 8, 537, top + 23, LIGHT_YELLOW);
      rectfill(want, 610, top + 8, 617, top + 23, LIGHT_YELLOW);
    }
    textout_ex(want, font, "Hi Score", 546, 96, WHITE, -1);
    textout_ex(want, font, std::to_string(hi_score).c_str(), 562, 104, LIGHT_YELLOW, -1);
    textout_ex(want, font, "Score", 554, 128, WHITE, -1);
    textout_ex(want, font, std::to_string(score).c_str(), 562, 136, LIGHT_YELLOW, -1);
  }
};

// ---------------------------------------------------------------- maze

TEST_F(DrawFrame, EveryCellOfTheLayoutIsDrawnByItsCode) {
  reset_maze();
  blink_counter = 0;  // pills hidden in this frame
  draw();
  ASSERT_EQ(blink_counter, 1);

  Scratch want;
  for (int r = 0; r < MAZE_ROWS; ++r)
    for (int c = 0; c < MAZE_COLS; ++c) {
      int x = c * CELL, y = r * CELL;
      switch (game.maze[r][c]) {
        case TILE_BLOCK:
          rectfill(want.b, x, y, x + 15, y + 15, WALL_COLOUR);
          break;
        case TILE_DOT:
          rectfill(want.b, x, y, x + 3, y + 3, DOT_COLOUR);
          break;
        case TILE_BAR_RIGHT_END:
          paint(want.b, assets.straight_wall, x, y);
          break;
        case TILE_BAR_LEFT_END:
          paint(want.b, assets.straight_wall, x, y, Turn::Half);
          break;
        case TILE_CORNER_TL:
          paint(want.b, assets.wall_corner, x, y);
          break;
        case TILE_CORNER_TR:
          paint(want.b, assets.wall_corner, x, y, Turn::Quarter);
          break;
        case TILE_CORNER_BR:
          paint(want.b, assets.wall_corner, x, y, Turn::Half);
          break;
        case TILE_CORNER_BL:
          paint(want.b, assets.wall_corner, x, y, Turn::ThreeQuarters);
          break;
        default:
          break;
      }
    }
  // The whole maze area and the gap up to the score boxes.
  EXPECT_EQ(differences(want.b, 0, 0, 529, 447), "");

  // Spot checks that do not depend on the picture built above.
  EXPECT_TRUE(all_colour(back_buffer, 16, 0, 31, 15, WALL_COLOUR));        // row 0, column 1: block
  EXPECT_TRUE(all_colour(back_buffer, 64, 32, 67, 35, DOT_COLOUR));        // row 2, column 4: dot
  EXPECT_EQ(count_colour(back_buffer, 64, 32, 79, 47, DOT_COLOUR), 16);    // and nothing else white there
  EXPECT_EQ(count_colour(back_buffer, 64, 32, 79, 47, 0), 240);
}

TEST_F(DrawFrame, WallColourStaysInsideCellsOfWallCodes) {
  reset_maze();
  blink_counter = 40;  // pills shown as well
  draw();
  int wall_cells = 0;
  for (int r = 0; r < MAZE_ROWS; ++r)
    for (int c = 0; c < MAZE_COLS; ++c) {
      int code = game.maze[r][c];
      int x = c * CELL, y = r * CELL;
      int walls = count_colour(back_buffer, x, y, x + 15, y + 15, WALL_COLOUR);
      bool wall_code = code == TILE_BLOCK || (code >= TILE_BAR_RIGHT_END && code <= TILE_CORNER_BL);
      if (wall_code) {
        ++wall_cells;
        EXPECT_GT(walls, 0) << "row " << r << " column " << c << " code " << code;
      } else {
        EXPECT_EQ(walls, 0) << "row " << r << " column " << c << " code " << code;
      }
    }
  EXPECT_GT(wall_cells, 300);
}

TEST_F(DrawFrame, EachWallPieceTurnLandsInItsOwnCell) {
  // One isolated piece per code, far apart, so a piece that strays shows.
  const int codes[6] = {TILE_BAR_RIGHT_END, TILE_BAR_LEFT_END, TILE_CORNER_TL,
                        TILE_CORNER_TR,     TILE_CORNER_BR,    TILE_CORNER_BL};
  const Turn turns[6] = {Turn::None, Turn::Half, Turn::None, Turn::Quarter, Turn::Half, Turn::ThreeQuarters};
  BITMAP *pictures[6] = {assets.straight_wall, assets.straight_wall, assets.wall_corner,
                         assets.wall_corner,   assets.wall_corner,   assets.wall_corner};
  Scratch want;
  for (int i = 0; i < 6; ++i) {
    int r = 3 + 4 * i, c = 5 + 3 * i;
    game.maze[r][c] = codes[i];
    paint(want.b, pictures[i], c * CELL, r * CELL, turns[i]);
  }
  draw();
  EXPECT_EQ(differences(want.b, 0, 0, 511, 447), "");
  // The half-turned bar end is the point reflection of the plain one.
  EXPECT_EQ(getpixel(back_buffer, 5 * 16 + 15, 3 * 16), getpixel(back_buffer, 8 * 16, 7 * 16 + 15));
}

TEST_F(DrawFrame, UnknownCodesDrawNothing) {
  game.maze[4][4] = 10;
  game.maze[4][8] = -1;
  game.maze[8][4] = 99;
  blink_counter = 40;
  draw();
  Scratch want;
  EXPECT_EQ(differences(want.b, 0, 0, 511, 447), "");
}

// ---------------------------------------------------------------- pills

bool pill_drawn(int r, int c) {
  int x = c * CELL, y = r * CELL;
  return all_colour(back_buffer, x - 4, y - 4, x + 4, y + 4, DOT_COLOUR);
}

bool pill_area_dark(int r, int c) {
  int x = c * CELL, y = r * CELL;
  return count_colour(back_buffer, x - 5, y - 5, x + 5, y + 5, 0) == 121;
}

TEST_F(DrawFrame, PillIsANineByNineSquareCentredOnTheCellCorner) {
  game.maze[5][7] = TILE_PILL;
  blink_counter = 40;
  draw();
  Scratch want;
  rectfill(want.b, 7 * 16 - 4, 5 * 16 - 4, 7 * 16 + 4, 5 * 16 + 4, DOT_COLOUR);
  EXPECT_EQ(differences(want.b, 0, 0, 511, 447), "");
}

TEST_F(DrawFrame, PillsBlinkInASixtyFiveFrameCycle) {
  reset_maze();
  const int pills[4][2] = {{2, 2}, {2, 30}, {26, 2}, {26, 30}};
  for (auto &p : pills) ASSERT_EQ(game.maze[p[0]][p[1]], TILE_PILL);

  for (int cycle = 0; cycle < 2; ++cycle) {
    for (int frame = 1; frame <= 64; ++frame) {
      draw();
      ASSERT_EQ(blink_counter, frame) << "cycle " << cycle;
      for (auto &p : pills) {
        if (frame <= 32)
          ASSERT_TRUE(pill_area_dark(p[0], p[1])) << "frame " << frame << " pill " << p[0] << "," << p[1];
        else
          ASSERT_TRUE(pill_drawn(p[0], p[1])) << "frame " << frame << " pill " << p[0] << "," << p[1];
      }
    }
    // 65th frame: the first pill in row order is drawn, the counter restarts
    // there and the other pills are skipped.
    draw();
    EXPECT_EQ(blink_counter, 0);
    EXPECT_TRUE(pill_drawn(2, 2));
    EXPECT_TRUE(pill_area_dark(2, 30));
    EXPECT_TRUE(pill_area_dark(26, 2));
    EXPECT_TRUE(pill_area_dark(26, 30));
  }
}

TEST_F(DrawFrame, CycleEndsAtTheFirstPillInRowOrder) {
  // Column-first order would pick (6,3); rows come first.
  game.maze[6][3] = TILE_PILL;
  game.maze[5][20] = TILE_PILL;
  game.maze[9][9] = TILE_DOT;
  blink_counter = 64;
  draw();
  EXPECT_EQ(blink_counter, 0);
  EXPECT_TRUE(pill_drawn(5, 20));
  EXPECT_TRUE(pill_area_dark(6, 3));
  EXPECT_TRUE(all_colour(back_buffer, 144, 144, 147, 147, DOT_COLOUR));  // dots do not blink

  draw();
  EXPECT_EQ(blink_counter, 1);
  EXPECT_TRUE(pill_area_dark(5, 20));
  EXPECT_TRUE(pill_area_dark(6, 3));

  // A counter far past the cycle (pills came back with a new maze) restarts
  // at the first pill too.
  blink_counter = 5000;
  draw();
  EXPECT_EQ(blink_counter, 0);
  EXPECT_TRUE(pill_drawn(5, 20));
  EXPECT_TRUE(pill_area_dark(6, 3));
}

TEST_F(DrawFrame, WithoutPillsTheCounterKeepsGrowing) {
  reset_maze();
  for (auto &row : game.maze)
    for (auto &cell : row)
      if (cell == TILE_PILL) cell = TILE_EMPTY;
  blink_counter = 60;
  for (int i = 0; i < 10; ++i) draw();
  EXPECT_EQ(blink_counter, 70);
  blink_counter = 100000;
  draw();
  EXPECT_EQ(blink_counter, 100001);
}

// ---------------------------------------------------------------- fruit

TEST_F(DrawFrame, BonusFruitOnlyWhileShownWithThePictureOfTheLevel) {
  for (int level : {0, 1, 2, 5, 11, 12, 127}) {
    for (int state : {FRUIT_HIDDEN, FRUIT_SHOWN, FRUIT_EATEN}) {
      SCOPED_TRACE("level " + std::to_string(level) + " fruit state " + std::to_string(state));
      game.level = level;
      game.fruit_state = state;
      draw();
      Scratch want;
      if (state == FRUIT_SHOWN) paint(want.b, assets.fruit[level], 244, 212);
      EXPECT_EQ(differences(want.b, 200, 180, 300, 260), "");
    }
  }
}

// ---------------------------------------------------------------- player

TEST_F(DrawFrame, PlayerFacesItsDirectionWithTheFrameOfItsWay) {
  for (int dir = 0; dir < 4; ++dir) {
    bool vertical = dir == DIR_UP || dir == DIR_DOWN;
    // Walk 48 pixels (every frame twice); the other coordinate is chosen so
    // that it would pick a different picture than the one along the way.
    for (int along = 240; along < 288; ++along) {
      int x = vertical ? 264 : along;  // 264/8 % 6 == 3
      int y = vertical ? along : 296;  // 296/8 % 6 == 1
      game.player_dir = dir;
      game.player_x = x;
      game.player_y = y;
      draw();
      int f = (along / 8) % 6;
      Scratch want;
      paint(want.b, player_picture(f), x, y, facing(dir));
      ASSERT_EQ(differences(want.b, x - 8, y - 8, x + 40, y + 40), "")
          << "direction " << dir << " at " << x << "," << y << " frame " << f;
    }
  }
}

TEST_F(DrawFrame, LeftFacingPlayerIsTheMirrorImageOfTheRightFacingOne) {
  // Facing left must be a left-right mirror, not the right-facing picture
  // turned upside down.
  game.player_x = 200;
  game.player_y = 200;
  game.player_dir = DIR_RIGHT;
  draw();
  Scratch right;
  blit(back_buffer, right.b, 200, 200, 0, 0, 32, 32);
  game.player_dir = DIR_LEFT;
  draw();
  int mismatches = 0;
  for (int v = 0; v < 32; ++v)
    for (int u = 0; u < 32; ++u) mismatches += back_pixel(200 + u, 200 + v) != getpixel(right.b, 31 - u, v);
  EXPECT_EQ(mismatches, 0);
}

TEST_F(DrawFrame, SpareLivesStandLeftFacingAlongTheBottom) {
  // The player moves up at x 264 (frame 3 by x); by its y it would be frame 1.
  game.player_dir = DIR_UP;
  game.player_x = 264;
  game.player_y = 200;
  for (int lives : {1, 2, 3, 5}) {
    SCOPED_TRACE("lives " + std::to_string(lives));
    game.lives = lives;
    draw();
    Scratch want;
    for (int j = 1; j < lives; ++j) paint(want.b, player_picture(3), (j - 1) * 32, 448, Turn::FacingLeft);
    EXPECT_EQ(differences(want.b, 0, 440, 479, 479), "");
  }
}

// ---------------------------------------------------------------- ghosts

TEST_F(DrawFrame, GhostsShowTheirOwnPictureForTheirDirection) {
  for (int turn = 0; turn < 4; ++turn) {
    Scratch want;
    for (int k = 0; k < GHOSTS; ++k) {
      game.ghost_x[k] = 40 + 110 * k;
      game.ghost_y[k] = 60 + 70 * k;
      game.ghost_dir[k] = (k + turn) % 4;
      game.ghost_mode[k] = GHOST_NORMAL;
      paint(want.b, assets.ghost[k][game.ghost_dir[k]], game.ghost_x[k] + 1, game.ghost_y[k] + 1);
    }
    draw();
    EXPECT_EQ(differences(want.b, 0, 0, 511, 447), "") << "turn " << turn;
  }
}

TEST_F(DrawFrame, FrightenedGhostsFlashOneFrameInFourNearTheEnd) {
  for (int timer : {100, 104, 101, 99, 98, 97, 96, 5, 4, 1, 0}) {
    bool flash = timer <= 99 && timer % 4 == 0;
    SCOPED_TRACE("fright timer " + std::to_string(timer));
    game.fright_active = -1;
    game.fright_timer = timer;
    Scratch want;
    for (int k = 0; k < GHOSTS; ++k) {
      game.ghost_x[k] = 40 + 110 * k;
      game.ghost_y[k] = 100;
      game.ghost_dir[k] = k;
      // Ghost 2 was eaten and came back normal; the others are still blue.
      game.ghost_mode[k] = k == 2 ? GHOST_NORMAL : GHOST_FRIGHTENED;
      BITMAP *picture = k == 2 ? assets.ghost[2][2] : flash ? assets.frightened_flash : assets.frightened;
      paint(want.b, picture, game.ghost_x[k] + 1, game.ghost_y[k] + 1);
    }
    draw();
    EXPECT_EQ(differences(want.b, 0, 60, 511, 180), "");
  }
}

TEST_F(DrawFrame, BlueAndFlashingPicturesDiffer) {
  // Otherwise the flash could not be seen at all.
  game.ghost_mode[0] = GHOST_FRIGHTENED;
  game.ghost_x[0] = 100;
  game.ghost_y[0] = 100;
  game.fright_timer = 97;
  draw();
  Scratch blue;
  blit(back_buffer, blue.b, 0, 0, 0, 0, 640, 480);
  game.fright_timer = 96;
  draw();
  EXPECT_NE(differences(blue.b, 100, 100, 133, 133), "");
}

// ---------------------------------------------------------------- order

TEST_F(DrawFrame, LaterElementsCoverEarlierOnes) {
  // Walls under the fruit, fruit under the player, player under a ghost.
  for (int r = 12; r <= 15; ++r)
    for (int c = 14; c <= 17; ++c) game.maze[r][c] = TILE_BLOCK;
  game.fruit_state = FRUIT_SHOWN;
  game.player_dir = DIR_DOWN;
  game.player_x = 236;
  game.player_y = 204;
  game.ghost_x[1] = 250;
  game.ghost_y[1] = 214;
  game.ghost_dir[1] = DIR_DOWN;
  draw();
  Scratch want;
  rectfill(want.b, 14 * 16, 12 * 16, 18 * 16 - 1, 16 * 16 - 1, WALL_COLOUR);
  paint(want.b, assets.fruit[0], 244, 212);
  paint(want.b, player_picture((204 / 8) % 6), 236, 204, Turn::Half);
  paint(want.b, assets.ghost[1][DIR_DOWN], 251, 215);
  EXPECT_EQ(differences(want.b, 200, 170, 320, 290), "");
}

// ---------------------------------------------------------------- score boxes

TEST_F(DrawFrame, ScoreBoxesShowLabelsAndNumbersInLightYellowFrames) {
  ASSERT_EQ(makecol(255, 255, 192), LIGHT_YELLOW);
  for (auto scores : {std::make_pair(0, 0), std::make_pair(98765, 4321), std::make_pair(120, 3450)}) {
    game.hi_score = scores.first;
    game.score = scores.second;
    SCOPED_TRACE("hi score " + std::to_string(game.hi_score) + " score " + std::to_string(game.score));
    draw();
    Scratch want;
    paint_level_fruit(want.b, 0);
    paint_score_boxes(want.b, game.hi_score, game.score);
    // Everything right of the maze.
    EXPECT_EQ(differences(want.b, 512, 0, 639, 479), "");

    // The frames alone: light yellow bands eight pixels thick.
    for (int top : {88, 120}) {
      EXPECT_TRUE(all_colour(back_buffer, 530, top, 617, top + 7, LIGHT_YELLOW));
      EXPECT_TRUE(all_colour(back_buffer, 530, top + 24, 617, top + 31, LIGHT_YELLOW));
      EXPECT_TRUE(all_colour(back_buffer, 530, top + 8, 537, top + 23, LIGHT_YELLOW));
      EXPECT_TRUE(all_colour(back_buffer, 610, top + 8, 617, top + 23, LIGHT_YELLOW));
      // Inside: black apart from the white label and the light yellow number.
      int inside = 72 * 16;
      int black = count_colour(back_buffer, 538, top + 8, 609, top + 23, 0);
      int white = count_colour(back_buffer, 538, top + 8, 609, top + 15, WHITE);
      int number = count_colour(back_buffer, 538, top + 16, 609, top + 23, LIGHT_YELLOW);
      EXPECT_GT(white, 20);
      EXPECT_GT(number, 5);
      EXPECT_EQ(black + white + number, inside);
      EXPECT_GT(black, inside / 2);
    }
  }
}

TEST_F(DrawFrame, ChangingAScoreChangesOnlyItsOwnLine) {
  draw();
  Scratch before;
  blit(back_buffer, before.b, 0, 0, 0, 0, 640, 480);

  game.score = 777;
  draw();
  std::string changed = differences(before.b, 0, 0, 639, 479);
  EXPECT_NE(changed, "");
  EXPECT_EQ(differences(before.b, 0, 0, 639, 135), "");
  EXPECT_EQ(differences(before.b, 0, 144, 639, 479), "");
  EXPECT_EQ(differences(before.b, 0, 136, 561, 143), "");

  game.score = 0;
  game.hi_score = 5555;
  draw();
  EXPECT_NE(differences(before.b, 562, 104, 609, 111), "");
  EXPECT_EQ(differences(before.b, 0, 0, 639, 103), "");
  EXPECT_EQ(differences(before.b, 0, 112, 639, 479), "");
  EXPECT_EQ(differences(before.b, 0, 104, 561, 111), "");
}

// ---------------------------------------------------------------- level fruit

TEST_F(DrawFrame, LevelFruitRowEndsWithTheCurrentLevelOnTheLeft) {
  for (int level : {0, 1, 3, 7, 8, 9, 20, 126, 127}) {
    SCOPED_TRACE("level " + std::to_string(level));
    game.level = level;
    draw();
    Scratch want;
    paint_level_fruit(want.b, level);
    EXPECT_EQ(differences(want.b, 0, 448, 639, 479), "");
  }
}

TEST_F(DrawFrame, LevelFruitRowPositions) {
  // Level 0: a single fruit at (480, 452), nothing left of it.
  game.level = 0;
  draw();
  BITMAP *first = assets.fruit[0];
  EXPECT_EQ(count_colour(back_buffer, 0, 448, 479, 479, 0), 480 * 32);
  int u = 0, v = 0;
  while (sprite_pixel(first, u, v) < 0) {  // first visible pixel of the picture
    if (++u == first->w) {
      u = 0;
      ++v;
    }
  }
  EXPECT_EQ(back_pixel(480 + u, 452 + v), getpixel(first, u, v));

  // Level 8 and above: nine fruits, x 480 down to 224, nothing further left.
  for (int level : {8, 127}) {
    game.level = level;
    draw();
    EXPECT_EQ(count_colour(back_buffer, 0, 448, 223, 479, 0), 224 * 32) << "level " << level;
    for (int slot = 0; slot < 9; ++slot)
      EXPECT_LT(count_colour(back_buffer, 480 - 32 * slot, 452, 511 - 32 * slot, 479, 0), 32 * 28)
          << "level " << level << " slot " << slot;
  }
}

}  // namespace
