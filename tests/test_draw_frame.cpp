// The composed game picture, read back pixel by pixel: the wall probes depend on exactly what lands where.
#include <gtest/gtest.h>

#include "game/game_state.h"
#include "headless.h"
#include "render/assets.h"
#include "render/draw_frame.h"

namespace {

const int MASK16 = 0xf81f, LIGHT_YELLOW = 0xfff8;  // makecol(255, 255, 192)
enum Turn { NONE, QUARTER, HALF, THREE_QUARTERS, FACING_LEFT };  // clockwise; facing left: QUARTER mirrored
BITMAP *want;  // the expected picture

// Paints picture p, turned, masked, into `want` with its corner at (x, y).
void paint(BITMAP *p, int x, int y, Turn t = NONE) {
  int n = p->w - 1;
  for (int v = 0; v < p->h; ++v)
    for (int u = 0; u < p->w; ++u) {
      int m = t == FACING_LEFT ? n - u : u;
      const int su[] = {m, v, n - m, n - v, v}, sv[] = {v, n - m, n - v, m, n - m};
      if (int c = getpixel(p, su[t], sv[t]); c != MASK16) putpixel(want, x + u, y + v, c);
    }
}

// Back-buffer pixels of a rectangle (inclusive) in `colour`; by default those differing from `want`.
int count(int x0, int y0, int x1, int y1, int colour = -1) {
  int n = 0;
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x)
      n += colour < 0 ? back_pixel(x, y) != getpixel(want, x, y) : back_pixel(x, y) == colour;
  return n;
}

// Composes a frame; the expected picture starts again from black.
void draw() {
  headless_setup();
  if (!want) want = create_bitmap(640, 480);
  clear_to_color(want, 0), clear_to_color(back_buffer, 0), draw_frame();
}

TEST(DrawFrame, PillsBlinkAndTheCycleEndsAtTheFirstPillInRowOrder) {
  game = GameState(), blink_counter = 0;
  game.maze[6][3] = game.maze[5][20] = TILE_PILL;  // column order would pick (6,3)
  // Black pixels around a pill: 121 while hidden, 40 around its 9x9 square.
  auto dark = [](int r, int c) { return count(c * 16 - 5, r * 16 - 5, c * 16 + 5, r * 16 + 5, 0); };
  for (int frame = 1; frame <= 65; ++frame) {  // the 65th: the first pill alone, and the counter restarts
    draw();
    ASSERT_EQ(blink_counter, frame % 65);
    ASSERT_EQ(dark(5, 20), frame > 32 ? 40 : 121) << frame;
    ASSERT_EQ(dark(6, 3), frame > 32 && frame < 65 ? 40 : 121) << frame;
  }
  // {pills, counter before, after}: far past the cycle it restarts too; with no pills it keeps growing.
  const int END[][3] = {{TILE_PILL, 5000, 0}, {TILE_EMPTY, 100, 101}};
  for (auto &e : END) {
    game.maze[6][3] = game.maze[5][20] = e[0], blink_counter = e[1];
    draw();
    EXPECT_EQ(blink_counter, e[2]);
  }
}

TEST(DrawFrame, OneSceneOfMazeFruitPlayerSpareLivesGhostsScoreBoxesAndLevelFruit) {
  reset_maze();
  // Per pass: level, fright timer, flashing picture expected (passes 0-3: not frightened), the player's position
  // along its way and the player slot it picks (frames 0 1 2 3 2 1 every 8 pixels).
  const int PASS[][5] = {{0, 0, 0, 240, 0}, {1, 0, 0, 255, 1}, {3, 0, 0, 256, 2}, {7, 0, 0, 264, 3},
      {8, 100, 0, 279, 4}, {12, 99, 0, 280, 5}, {127, 97, 0, 288, 0}, {4, 96, 1, 263, 2}, {9, 4, 1, 247, 0},
      {11, 0, 1, 272, 4}};
  const int GX[GHOSTS] = {40, 150, 260, 280}, GY[GHOSTS] = {60, 130, 200, 290};  // 2 over the fruit, 3 over the player
  const Turn WALL_TURN[6] = {NONE, HALF, NONE, QUARTER, HALF, THREE_QUARTERS};  // codes 4..9
  const Turn FACING[4] = {NONE, QUARTER, HALF, FACING_LEFT};
  for (int p = 0; p < 10; ++p) {
    const int *w = PASS[p] + 3;
    bool vertical = p % 2 == 0;  // up or down; the other coordinate would pick frame 3 (x 264) or 1 (y 296)
    game.level = PASS[p][0], game.fright_timer = PASS[p][1], game.fruit_state = p % 3, game.lives = p % 4 + 1;
    game.player_dir = p % 4, game.player_x = vertical ? 264 : w[0], game.player_y = vertical ? w[0] : 296;
    game.score = 4321 * p, game.hi_score = 98765 - p;
    for (int k = 0; k < GHOSTS; ++k) {
      game.ghost_x[k] = GX[k], game.ghost_y[k] = GY[k], game.ghost_dir[k] = (k + p) % 4;
      game.ghost_mode[k] = p >= 4 && k != 2 ? GHOST_FRIGHTENED : GHOST_NORMAL;  // 2 eaten and back to normal
    }
    blink_counter = 39;  // pills shown
    draw();
    for (int r = 0; r < MAZE_ROWS; ++r)
      for (int c = 0; c < MAZE_COLS; ++c) {
        int code = game.maze[r][c], x = c * CELL, y = r * CELL;
        if (code == TILE_BLOCK) rectfill(want, x, y, x + 15, y + 15, WALL_COLOUR);
        if (code == TILE_DOT) rectfill(want, x, y, x + 3, y + 3, DOT_COLOUR);
        if (code == TILE_PILL) rectfill(want, x - 4, y - 4, x + 4, y + 4, DOT_COLOUR);
        if (code >= TILE_BAR_RIGHT_END)
          paint(code < TILE_CORNER_TL ? assets.straight_wall : assets.wall_corner, x, y, WALL_TURN[code - 4]);
        EXPECT_TRUE(p > 0 || code == TILE_BLOCK || code >= 4 || !count(x, y, x + 15, y + 15, WALL_COLOUR))
            << "wall colour outside the wall cells, at " << r << "," << c;
      }
    if (game.fruit_state == FRUIT_SHOWN) paint(assets.fruit[game.level], 244, 212);
    paint(assets.player[w[1]], game.player_x, game.player_y, FACING[p % 4]);
    for (int j = 1; j < game.lives; ++j) paint(assets.player[vertical ? 3 : w[1]], (j - 1) * 32, 448, FACING_LEFT);
    for (int k = 0; k < GHOSTS; ++k)
      paint(game.ghost_mode[k] ? PASS[p][2] ? assets.frightened_flash : assets.frightened
                               : assets.ghost[k][game.ghost_dir[k]], GX[k] + 1, GY[k] + 1);
    for (int b = 0, top = 88; b < 2; ++b, top += 32) {  // light yellow frames, black inside but for label and number
      rectfill(want, 530, top, 617, top + 31, LIGHT_YELLOW);
      rectfill(want, 538, top + 8, 609, top + 23, 0);
      textout_ex(want, font, b ? "Score" : "Hi Score", b ? 554 : 546, top + 8, 0xffff, -1);
      textprintf_ex(want, font, 562, top + 16, LIGHT_YELLOW, -1, "%d", b ? game.score : game.hi_score);
    }
    int first = game.level < 8 ? 0 : game.level - 8;  // at most nine fruits, from x 480 leftward
    for (int i = first; i <= game.level; ++i) paint(assets.fruit[i], 480 - 32 * (i - first), 452);
    EXPECT_EQ(count(0, 0, 639, 479), 0) << "pass " << p;
  }
}

}  // namespace
