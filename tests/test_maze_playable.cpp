// The maze as drawn must be playable: walking the composed picture with the
// pixel wall test, the player reaches every dot and pill and both tunnel
// ends, never walks into a wall cell, and the ghosts can leave their pen.
#include <gtest/gtest.h>

#include <deque>
#include <sstream>
#include <string>
#include <vector>

#include "game/game_state.h"
#include "game/player.h"
#include "headless.h"
#include "render/draw_frame.h"

namespace {

// Positions searched: x 0 .. 511, y -64 .. 543 (anything beyond is an escape).
const int X_MIN = 0, X_MAX = 511, Y_MIN = -64, Y_MAX = 543;

// The starting picture with nothing but the maze in it: the actors stand
// far outside the picture and no spare life or fruit is shown.
void compose_bare_maze() {
  use_fake_platform();
  game = GameState();
  game.lives = 1;
  reset_actors();
  reset_maze();
  game.player_x = game.player_y = 704;
  for (int k = 0; k < GHOSTS; ++k) game.ghost_x[k] = game.ghost_y[k] = 704;
  clear_to_color(back_buffer, 0);
  draw_frame();
}

// The wall test written out from the rules of the game: 31 pixels just
// outside the side, only when aligned across the direction of the test.
bool strip_free(int side, int x, int y) {
  int px, py, dx, dy;
  switch (side) {
    case DIR_LEFT: px = x - 1, py = y, dx = 0, dy = 1; break;
    case DIR_RIGHT: px = x + 32, py = y, dx = 0, dy = 1; break;
    case DIR_UP: px = x, py = y - 1, dx = 1, dy = 0; break;
    default: px = x, py = y + 32, dx = 1, dy = 0; break;
  }
  bool vertical_side = side == DIR_LEFT || side == DIR_RIGHT;
  if ((vertical_side ? y : x) % 16 != 0) return false;
  for (int i = 0; i <= 30; ++i) {
    int gx = px + i * dx, gy = py + i * dy;
    if (gx < 0 || gy < 0 || gx >= back_buffer->w || gy >= back_buffer->h) continue;
    if (back_pixel(gx, gy) == WALL_COLOUR) return false;
  }
  return true;
}

struct Walk {
  std::vector<std::vector<bool>> seen;  // [y - Y_MIN][x - X_MIN]
  std::vector<std::string> problems;
  int positions = 0;
  bool escaped = false;
  int probe_mismatches = 0;

  Walk() : seen(Y_MAX - Y_MIN + 1, std::vector<bool>(X_MAX - X_MIN + 1, false)) {}
  bool reached(int x, int y) const {
    return x >= X_MIN && x <= X_MAX && y >= Y_MIN && y <= Y_MAX && seen[y - Y_MIN][x - X_MIN];
  }
};

bool is_wall_code(int code) { return code == TILE_BLOCK || (code >= TILE_BAR_RIGHT_END && code <= TILE_CORNER_BL); }

// Every position reachable from (x0, y0) by one-pixel steps through open
// strips, with the given horizontal wrap. Checks as it goes that the
// actor's square never covers a wall cell and that the game's probe agrees
// with the one written out above.
Walk walk_from(int x0, int y0, int (*step_left)(int), int (*step_right)(int)) {
  Walk w;
  std::deque<std::pair<int, int>> queue;
  w.seen[y0 - Y_MIN][x0 - X_MIN] = true;
  queue.push_back({x0, y0});
  while (!queue.empty()) {
    auto [x, y] = queue.front();
    queue.pop_front();
    ++w.positions;
    for (int r = y / 16; r <= (y + 31) / 16; ++r)
      for (int c = x / 16; c <= (x + 31) / 16; ++c)
        if (r >= 0 && r < MAZE_ROWS && c < MAZE_COLS && is_wall_code(INITIAL_LAYOUT[r][c] - '0') &&
            w.problems.size() < 20) {
          std::ostringstream s;
          s << "square at (" << x << ", " << y << ") covers wall cell row " << r << " column " << c << " (code "
            << INITIAL_LAYOUT[r][c] << ")";
          w.problems.push_back(s.str());
        }
    for (int side = 0; side < 4; ++side) {
      bool open = strip_free(side, x, y);
      if (open != probe_clear(side, x, y)) ++w.probe_mismatches;
      if (!open) continue;
      int nx = x, ny = y;
      if (side == DIR_LEFT) nx = step_left(x);
      if (side == DIR_RIGHT) nx = step_right(x);
      if (side == DIR_UP) ny = y - 1;
      if (side == DIR_DOWN) ny = y + 1;
      if (nx < X_MIN || nx > X_MAX || ny < Y_MIN || ny > Y_MAX) {
        w.escaped = true;
        continue;
      }
      if (w.seen[ny - Y_MIN][nx - X_MIN]) continue;
      w.seen[ny - Y_MIN][nx - X_MIN] = true;
      queue.push_back({nx, ny});
    }
  }
  return w;
}

int player_left(int x) { return x - 1 > 7 ? x - 1 : 480; }
int player_right(int x) { return x + 1 <= 479 ? x + 1 : 8; }
int ghost_left(int x) { return x - 1 < 0 ? 500 : x - 1; }
int ghost_right(int x) { return x + 1 > 501 ? 0 : x + 1; }

}  // namespace

TEST(MazePlayable, PlayerReachesEveryPickUpAndBothTunnelEndsWithoutEnteringWalls) {
  compose_bare_maze();
  Walk w = walk_from(PLAYER_START_X, PLAYER_START_Y, player_left, player_right);

  EXPECT_FALSE(w.escaped) << "the player can walk out of the maze";
  EXPECT_EQ(w.probe_mismatches, 0) << "probe_clear disagrees with the strip rule";
  for (const std::string &p : w.problems) ADD_FAILURE() << p;

  // Pick-ups eaten at aligned positions by the five cells under the player.
  bool eaten[MAZE_ROWS][MAZE_COLS] = {};
  for (int y = 0; y <= X_MAX; y += 16)
    for (int x = 0; x <= X_MAX; x += 16) {
      if (!w.reached(x, y)) continue;
      const int cells[5][2] = {{0, 0}, {1, 0}, {0, 1}, {1, 1}, {1, 2}};
      for (auto &cell : cells) {
        int r = y / 16 + cell[0], c = x / 16 + cell[1];
        if (r < MAZE_ROWS && c < MAZE_COLS) eaten[r][c] = true;
      }
    }
  int pickups = 0;
  for (int r = 0; r < MAZE_ROWS; ++r)
    for (int c = 0; c < MAZE_COLS; ++c) {
      int code = INITIAL_LAYOUT[r][c] - '0';
      if (code != TILE_DOT && code != TILE_PILL) continue;
      ++pickups;
      EXPECT_TRUE(eaten[r][c]) << "pick-up at row " << r << " column " << c << " can never be eaten";
    }
  EXPECT_EQ(pickups, FULL_MAZE_PICKUPS);

  // Both tunnel ends, and the wrap between them is open.
  EXPECT_TRUE(w.reached(8, 160));
  EXPECT_TRUE(w.reached(480, 160));
  EXPECT_TRUE(probe_clear(DIR_LEFT, 8, 160));
  EXPECT_TRUE(probe_clear(DIR_RIGHT, 480, 160));
  // The pen's opening lets the player in, onto the ghosts' home.
  EXPECT_TRUE(w.reached(GHOST_HOME_X, GHOST_HOME_Y));
  // Corridors are 32 pixels wide: off the grid in both directions nowhere.
  for (int y = 0; y <= 448; ++y)
    for (int x = 8; x <= 480; ++x) {
      if (w.reached(x, y)) {
        ASSERT_TRUE(x % 16 == 0 || y % 16 == 0) << x << "," << y;
      }
    }
}

TEST(MazePlayable, GhostsLeaveThePenAndStayInsideTheCorridors) {
  compose_bare_maze();
  // At home the ways up, left and right are open, the way down is not.
  EXPECT_TRUE(probe_clear(DIR_UP, GHOST_HOME_X, GHOST_HOME_Y));
  EXPECT_TRUE(probe_clear(DIR_LEFT, GHOST_HOME_X, GHOST_HOME_Y));
  EXPECT_TRUE(probe_clear(DIR_RIGHT, GHOST_HOME_X, GHOST_HOME_Y));
  EXPECT_FALSE(probe_clear(DIR_DOWN, GHOST_HOME_X, GHOST_HOME_Y));

  Walk w = walk_from(GHOST_HOME_X, GHOST_HOME_Y, ghost_left, ghost_right);
  EXPECT_FALSE(w.escaped) << "a ghost can walk out of the maze";
  EXPECT_EQ(w.probe_mismatches, 0);
  for (const std::string &p : w.problems) ADD_FAILURE() << p;
  EXPECT_TRUE(w.reached(PLAYER_START_X, PLAYER_START_Y)) << "the ghosts cannot leave their pen";
  // Through the tunnel to both wrap values; 502 is never a position.
  EXPECT_TRUE(w.reached(0, 160));
  EXPECT_TRUE(w.reached(501, 160));
  EXPECT_TRUE(w.reached(500, 160));
  for (int y = Y_MIN; y <= Y_MAX; ++y)
    for (int x = 502; x <= X_MAX; ++x) ASSERT_FALSE(w.reached(x, y)) << x << "," << y;

  // The player's walk from its start covers exactly the ghosts' corridors
  // inside the player's wrap range.
  Walk p = walk_from(PLAYER_START_X, PLAYER_START_Y, player_left, player_right);
  int differ = 0;
  for (int y = 0; y <= 448; ++y)
    for (int x = 8; x <= 480; ++x) differ += p.reached(x, y) != w.reached(x, y);
  EXPECT_EQ(differ, 0);
}
