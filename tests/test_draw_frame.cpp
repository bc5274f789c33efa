// The composed game picture, read back pixel by pixel: the wall tests of the
// rules depend on exactly what lands where.
#include <gtest/gtest.h>

#include <utility>

#include "game/game_state.h"
#include "headless.h"
#include "render/assets.h"
#include "render/draw_frame.h"

namespace {

const int MASK16 = 0xf81f;
const int LIGHT_YELLOW = 0xfff8;  // makecol(255, 255, 192)

// Clockwise quarter turns, or facing left: the quarter turn mirrored left-right.
enum Turn { NONE, QUARTER, HALF, THREE_QUARTERS, FACING_LEFT };

// Paints picture p, turned, masked, over dst with its corner at (x, y).
void paint(BITMAP *dst, BITMAP *p, int x, int y, Turn t = NONE) {
  int n = p->w - 1;
  for (int v = 0; v < p->h; ++v)
    for (int u = 0; u < p->w; ++u) {
      int m = t == FACING_LEFT ? n - u : u;
      const int su[] = {m, v, n - m, n - v, v}, sv[] = {v, n - m, n - v, m, n - m};
      if (int c = getpixel(p, su[t], sv[t]); c != MASK16) putpixel(dst, x + u, y + v, c);
    }
}

int count_colour(BITMAP *b, int x0, int y0, int x1, int y1, int colour) {
  int n = 0;
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) n += getpixel(b, x, y) == colour;
  return n;
}

// Pixels of a rectangle (inclusive) where the back buffer differs from `want`.
int differences(BITMAP *want, int x0, int y0, int x1, int y1) {
  int n = 0;
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) n += back_pixel(x, y) != getpixel(want, x, y);
  return n;
}

BITMAP *want;  // the expected picture

struct DrawFrame : ::testing::Test {
  void SetUp() override {
    use_fake_platform();
    // An empty maze and every actor out of sight: each test adds what it checks.
    game = GameState();
    game.lives = 1, game.player_y = 1000;
    for (int k = 0; k < GHOSTS; ++k) game.ghost_y[k] = 1000;
    blink_counter = 0;
    if (!want) want = create_bitmap(640, 480);
  }

  // Composes a frame; the expected picture starts again from black.
  void draw() {
    clear_to_color(back_buffer, 0);
    draw_frame();
    clear_to_color(want, 0);
  }
};

TEST_F(DrawFrame, MazeCellsAreDrawnByTheirCodesAndWallColourStaysInWallCells) {
  reset_maze();
  blink_counter = 39;  // pills shown
  draw();
  const Turn TURNS[6] = {NONE, HALF, NONE, QUARTER, HALF, THREE_QUARTERS};  // codes 4..9
  for (int r = 0; r < MAZE_ROWS; ++r)
    for (int c = 0; c < MAZE_COLS; ++c) {
      int code = game.maze[r][c], x = c * CELL, y = r * CELL;
      bool wall = code == TILE_BLOCK || code >= TILE_BAR_RIGHT_END;
      if (code == TILE_BLOCK) rectfill(want, x, y, x + 15, y + 15, WALL_COLOUR);
      if (code == TILE_DOT) rectfill(want, x, y, x + 3, y + 3, DOT_COLOUR);
      if (code == TILE_PILL) rectfill(want, x - 4, y - 4, x + 4, y + 4, DOT_COLOUR);
      if (code >= TILE_BAR_RIGHT_END)
        paint(want, code < TILE_CORNER_TL ? assets.straight_wall : assets.wall_corner, x, y, TURNS[code - 4]);
      EXPECT_EQ(count_colour(back_buffer, x, y, x + 15, y + 15, WALL_COLOUR) > 0, wall) << r << "," << c;
    }
  EXPECT_EQ(differences(want, 0, 0, 529, 447), 0);
}

TEST_F(DrawFrame, PillsBlinkAndTheCycleEndsAtTheFirstPillInRowOrder) {
  game.maze[6][3] = game.maze[5][20] = TILE_PILL;  // column order would pick (6,3)
  game.maze[9][9] = TILE_DOT;
  // Black pixels around a pill: 121 while hidden, 40 around its 9x9 square.
  auto dark = [](int r, int c) { return count_colour(back_buffer, c * 16 - 5, r * 16 - 5, c * 16 + 5, r * 16 + 5, 0); };
  for (int frame = 1; frame <= 64; ++frame) {
    draw();
    ASSERT_EQ(blink_counter, frame);
    ASSERT_EQ(dark(5, 20), frame <= 32 ? 121 : 40) << frame;
    ASSERT_EQ(dark(6, 3), frame <= 32 ? 121 : 40) << frame;
    ASSERT_EQ(count_colour(back_buffer, 144, 144, 147, 147, DOT_COLOUR), 16);  // dots stay
  }
  draw();  // 65th frame: the first pill alone, and the counter restarts there
  EXPECT_EQ(blink_counter, 0);
  EXPECT_EQ(dark(5, 20), 40);
  EXPECT_EQ(dark(6, 3), 121);
  blink_counter = 5000;  // far past the cycle: restarts at the first pill too
  draw();
  EXPECT_EQ(blink_counter, 0);
  game.maze[6][3] = game.maze[5][20] = TILE_EMPTY;  // no pills: the counter keeps growing
  blink_counter = 100;
  draw();
  EXPECT_EQ(blink_counter, 101);
}

TEST_F(DrawFrame, BonusFruitOnlyWhileShownWithThePictureOfTheLevel) {
  for (int level : {0, 1, 127})
    for (int state : {FRUIT_HIDDEN, FRUIT_SHOWN, FRUIT_EATEN}) {
      game.level = level, game.fruit_state = state;
      draw();
      if (state == FRUIT_SHOWN) paint(want, assets.fruit[level], 244, 212);
      EXPECT_EQ(differences(want, 200, 180, 300, 260), 0) << "level " << level << " state " << state;
    }
}

TEST_F(DrawFrame, PlayerAndSpareLivesFaceTheirWayWithTheFrameOfTheirWay) {
  // Position along the way -> picture (frames 0 1 2 3 2 1 every 8 pixels).
  const int WAY[][2] = {{240, 0}, {255, 1}, {256, 2}, {264, 3}, {279, 2}, {280, 1}, {288, 0}};
  const Turn FACING[4] = {NONE, QUARTER, HALF, FACING_LEFT};
  for (int dir = 0; dir < 4; ++dir)
    for (auto &w : WAY) {
      // The other coordinate would pick another picture: 264 frame 3, 296 frame 1.
      bool vertical = dir == DIR_UP || dir == DIR_DOWN;
      game.player_dir = dir;
      int x = game.player_x = vertical ? 264 : w[0];
      int y = game.player_y = vertical ? w[0] : 296;
      draw();
      paint(want, assets.player[w[1]], x, y, FACING[dir]);
      EXPECT_EQ(differences(want, x - 8, y - 8, x + 40, y + 40), 0) << "direction " << dir << " at " << w[0];
    }
  // Spare lives face left along the bottom, in the frame the player's x picks.
  game.player_dir = DIR_UP, game.player_x = 264, game.player_y = 200;
  for (int lives : {1, 2, 4}) {
    game.lives = lives;
    draw();
    for (int j = 1; j < lives; ++j) paint(want, assets.player[3], (j - 1) * 32, 448, FACING_LEFT);
    EXPECT_EQ(differences(want, 0, 440, 479, 479), 0) << "lives " << lives;
  }
}

TEST_F(DrawFrame, GhostsOnePixelInWithTheirOwnFrightenedOrFlashingPicture) {
  // Passes 0-3: every ghost in every direction. Then {timer, flashing} near
  // the end of a fright, with ghost 2 eaten and back to normal.
  const int FRIGHT[][2] = {{100, 0}, {99, 0}, {97, 0}, {96, 1}, {4, 1}, {0, 1}};
  // Walls under the fruit under ghost 2; the player (frame 3) under ghost 1.
  for (int r = 12; r <= 15; ++r)
    for (int c = 14; c <= 17; ++c) game.maze[r][c] = TILE_BLOCK;
  game.fruit_state = FRUIT_SHOWN, game.player_x = 140, game.player_y = 120;
  for (int pass = 0; pass < 10; ++pass) {
    bool frightened = pass >= 4;
    game.fright_timer = frightened ? FRIGHT[pass - 4][0] : 0;
    BITMAP *blue = frightened && FRIGHT[pass - 4][1] ? assets.frightened_flash : assets.frightened;
    for (int k = 0; k < GHOSTS; ++k) {
      game.ghost_x[k] = 40 + 110 * k;
      game.ghost_y[k] = 60 + 70 * k;
      game.ghost_dir[k] = (k + pass) % 4;
      game.ghost_mode[k] = frightened && k != 2 ? GHOST_FRIGHTENED : GHOST_NORMAL;
    }
    draw();
    rectfill(want, 224, 192, 287, 255, WALL_COLOUR);
    paint(want, assets.fruit[0], 244, 212);
    paint(want, assets.player[3], 140, 120);
    for (int k = 0; k < GHOSTS; ++k)
      paint(want, game.ghost_mode[k] == GHOST_NORMAL ? assets.ghost[k][game.ghost_dir[k]] : blue, game.ghost_x[k] + 1,
            game.ghost_y[k] + 1);
    EXPECT_EQ(differences(want, 0, 0, 511, 447), 0) << "pass " << pass;
  }
}

TEST_F(DrawFrame, ScoreBoxesShowTheNumbersAndNothingElse) {
  for (auto scores : {std::make_pair(98765, 4321), std::make_pair(5, 777)}) {
    game.hi_score = scores.first, game.score = scores.second;
    draw();
    // Light yellow frames eight pixels thick, black inside but for the white
    // label and the light yellow number; the level fruit; black elsewhere.
    for (int top : {88, 120}) {
      rectfill(want, 530, top, 617, top + 31, LIGHT_YELLOW);
      rectfill(want, 538, top + 8, 609, top + 23, 0);
    }
    textout_ex(want, font, "Hi Score", 546, 96, 0xffff, -1);
    textprintf_ex(want, font, 562, 104, LIGHT_YELLOW, -1, "%d", game.hi_score);
    textout_ex(want, font, "Score", 554, 128, 0xffff, -1);
    textprintf_ex(want, font, 562, 136, LIGHT_YELLOW, -1, "%d", game.score);
    paint(want, assets.fruit[0], 480, 452);
    EXPECT_EQ(differences(want, 0, 0, 639, 479), 0) << "score " << game.score;
  }
}

TEST_F(DrawFrame, LevelFruitRowEndsWithTheCurrentLevelOnTheLeft) {
  // Level 0: one fruit at (480,452); from level 8 on nine, 480 down to 224.
  for (int level : {0, 3, 8, 127}) {
    game.level = level;
    draw();
    int first = level < 8 ? 0 : level - 8;
    for (int i = first; i <= level; ++i) paint(want, assets.fruit[i], 480 - 32 * (i - first), 452);
    EXPECT_EQ(differences(want, 0, 448, 639, 479), 0) << "level " << level;
  }
}

}  // namespace
