// Ghost movement: one pixel a frame through the pixel wall test, new
// choices when blocked, turning chances at junctions, and the order of the
// random draws that makes a game repeatable.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "game/game_loop.h"
#include "game/game_state.h"
#include "game/ghosts.h"
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

void compose() {
  clear_to_color(back_buffer, 0);
  draw_frame();
}

void blank_picture() { clear_to_color(back_buffer, 0); }

void place_ghost(int k, int x, int y, int dir) {
  game.ghost_x[k] = x;
  game.ghost_y[k] = y;
  game.ghost_dir[k] = dir;
}

// Ghosts that play no part in a test: on an open picture, moving up with x
// on the grid and y off it, so each steps at once and never turns; each
// still draws two numbers in its turning chances.
void park_other_ghosts(int except) {
  for (int k = 0; k < GHOSTS; ++k)
    if (k != except) place_ghost(k, 320 + 32 * k, 301, DIR_UP);
}

// Where one ghost step in `dir` leads, with the ghosts' wrap.
void ghost_step(int x, int y, int dir, int *nx, int *ny) {
  *nx = x, *ny = y;
  if (dir == DIR_RIGHT) *nx = x + 1 > 501 ? 0 : x + 1;
  if (dir == DIR_LEFT) *nx = x - 1 < 0 ? 500 : x - 1;
  if (dir == DIR_UP) *ny = y - 1;
  if (dir == DIR_DOWN) *ny = y + 1;
}

int opposite(int dir) { return (dir + 2) % 4; }
bool horizontal(int dir) { return dir == DIR_LEFT || dir == DIR_RIGHT; }

// Paints the wall colour over the strip outside one side of a cell.
void wall_side(int side, int x, int y) {
  switch (side) {
    case DIR_LEFT: vline(back_buffer, x - 1, y, y + 30, WALL_COLOUR); break;
    case DIR_RIGHT: vline(back_buffer, x + 32, y, y + 30, WALL_COLOUR); break;
    case DIR_UP: hline(back_buffer, x, y - 1, x + 30, WALL_COLOUR); break;
    default: hline(back_buffer, x, y + 32, x + 30, WALL_COLOUR); break;
  }
}

}  // namespace

TEST(GhostStart, FirstFrameDrawsEightNumbersAndTurnsNoGhost) {
  fresh_game();
  long seeds = random_seeds;
  start_game();
  EXPECT_EQ(random_seeds, seeds + 1);
  long before = random_draws;
  ASSERT_EQ(game_frame(), FRAME_GO_ON);
  EXPECT_EQ(random_draws - before, 8);
  const int x[GHOSTS] = {240, 241, 239, 240}, y[GHOSTS] = {159, 160, 160, 159};
  const int dir[GHOSTS] = {DIR_UP, DIR_RIGHT, DIR_LEFT, DIR_UP};
  for (int k = 0; k < GHOSTS; ++k) {
    EXPECT_EQ(game.ghost_x[k], x[k]) << k;
    EXPECT_EQ(game.ghost_y[k], y[k]) << k;
    EXPECT_EQ(game.ghost_dir[k], dir[k]) << k;
  }
}

TEST(GhostStart, GhostsZeroAndThreeLeaveThePenStraightUp) {
  fresh_game();
  start_game();
  for (int f = 1; f <= 48; ++f) {
    ASSERT_EQ(game_frame(), FRAME_GO_ON);
    for (int k : {0, 3}) {
      ASSERT_EQ(game.ghost_x[k], 240) << "ghost " << k << " frame " << f;
      ASSERT_EQ(game.ghost_y[k], 160 - f) << "ghost " << k << " frame " << f;
    }
  }
  // Out above the pen's opening (maze row 9).
  EXPECT_LT(game.ghost_y[0] + 32, 9 * 16 + 1);
}

TEST(GhostMovement, WrapsBetween0And501) {
  struct Case {
    int x, dir, after;
  };
  const Case cases[] = {{501, DIR_RIGHT, 0}, {500, DIR_RIGHT, 501}, {0, DIR_LEFT, 500}, {1, DIR_LEFT, 0},
                        {499, DIR_RIGHT, 500}, {500, DIR_LEFT, 499}};
  for (int k = 0; k < GHOSTS; ++k)
    for (const Case &c : cases) {
      fresh_game();
      blank_picture();
      park_other_ghosts(k);
      place_ghost(k, c.x, 160, c.dir);
      move_ghosts();
      EXPECT_EQ(game.ghost_x[k], c.after) << "ghost " << k << " from " << c.x;
      EXPECT_EQ(game.ghost_y[k], 160);
    }
  // In the maze's own tunnel: left from x 0 the strip lies outside the
  // picture and is open; right from 501 the strip lies right of the maze.
  for (int k = 0; k < GHOSTS; ++k) {
    fresh_game();
    park_other_ghosts(k);
    place_ghost(k, 0, 160, DIR_LEFT);
    compose();
    move_ghosts();
    EXPECT_EQ(game.ghost_x[k], 500) << k;
    place_ghost(k, 501, 160, DIR_RIGHT);
    compose();
    move_ghosts();
    EXPECT_EQ(game.ghost_x[k], 0) << k;
  }
}

TEST(GhostChoice, BlockedChaserWithThePlayerLeftAtTheSameHeightTurnsBack) {
  for (int k : {0, 1})
    for (unsigned seed = 1; seed <= 40; ++seed) {
      fresh_game();
      blank_picture();
      park_other_ghosts(k);
      place_ghost(k, 160, 96, DIR_RIGHT);
      wall_side(DIR_RIGHT, 160, 96);
      game.player_x = 64;
      game.player_y = 96;
      srand(seed);
      move_ghosts();
      EXPECT_EQ(game.ghost_x[k], 159) << "ghost " << k << " seed " << seed;
      EXPECT_EQ(game.ghost_y[k], 96);
      EXPECT_EQ(game.ghost_dir[k], DIR_LEFT) << "ghost " << k << " seed " << seed;
    }
}

TEST(GhostChoice, BlockedChaserTakesTheOpenVerticalWayTowardThePlayerFirst) {
  struct Case {
    int player_x, player_y, dir, x, y;
  };
  // Ghost at (160, 96) moving right into a wall.
  const Case cases[] = {
      {64, 200, DIR_DOWN, 160, 97},  // below and to the left: down beats left
      {64, 8, DIR_UP, 160, 95},      // above and to the left: up beats left
      {300, 200, DIR_DOWN, 160, 97}, // below and to the right (right is walled)
      {160, 8, DIR_UP, 160, 95},     // straight above
  };
  for (int k : {0, 1})
    for (const Case &c : cases)
      for (unsigned seed = 1; seed <= 10; ++seed) {
        fresh_game();
        blank_picture();
        park_other_ghosts(k);
        place_ghost(k, 160, 96, DIR_RIGHT);
        wall_side(DIR_RIGHT, 160, 96);
        game.player_x = c.player_x;
        game.player_y = c.player_y;
        srand(seed);
        long before = random_draws;
        move_ghosts();
        EXPECT_EQ(game.ghost_x[k], c.x);
        EXPECT_EQ(game.ghost_y[k], c.y);
        EXPECT_EQ(game.ghost_dir[k], c.dir) << "ghost " << k << " player " << c.player_x << "," << c.player_y;
        // One draw for the choice, then the turning chances: the ghost is
        // off the grid across its way, so two more draws; the others two each.
        EXPECT_EQ(random_draws - before, 1 + 2 + 3 * 2);
      }
  // Walled in on three sides with the player ahead: only the way back is
  // open; the draws repeat until the step back is made.
  for (unsigned seed = 1; seed <= 20; ++seed) {
    fresh_game();
    blank_picture();
    park_other_ghosts(0);
    place_ghost(0, 160, 96, DIR_RIGHT);
    for (int side : {DIR_RIGHT, DIR_UP, DIR_DOWN}) wall_side(side, 160, 96);
    game.player_x = 400;
    game.player_y = 96;
    srand(seed);
    move_ghosts();
    EXPECT_EQ(game.ghost_x[0], 159) << seed;
    EXPECT_EQ(game.ghost_dir[0], DIR_LEFT) << seed;
  }
}

TEST(GhostChoice, BlockedWandererChoosesAtRandomAmongTheOpenWays) {
  int chosen[4] = {};
  for (unsigned seed = 1; seed <= 60; ++seed) {
    fresh_game();
    blank_picture();
    park_other_ghosts(2);
    place_ghost(2, 160, 96, DIR_RIGHT);
    wall_side(DIR_RIGHT, 160, 96);
    game.player_x = 64;
    game.player_y = 96;
    srand(seed);
    move_ghosts();
    // The position tells the step it made.
    bool matched = false;
    for (int m = 0; m < 4; ++m) {
      int nx, ny;
      ghost_step(160, 96, m, &nx, &ny);
      if (nx == game.ghost_x[2] && ny == game.ghost_y[2]) {
        ++chosen[m];
        matched = true;
      }
    }
    EXPECT_TRUE(matched) << seed;
  }
  EXPECT_EQ(chosen[DIR_RIGHT], 0);
  EXPECT_GT(chosen[DIR_LEFT], 0);
  EXPECT_GT(chosen[DIR_UP], 0);
  EXPECT_GT(chosen[DIR_DOWN], 0);
}

// The turning chances drawn in their fixed order, modelled with the same
// generator: a chaser at a junction with the player at its own height.
TEST(GhostTurns, ChaserDrawsInOrderAndTurnsTowardThePlayer) {
  int outcomes[4] = {};
  for (unsigned seed = 1; seed <= 200; ++seed) {
    // Moving right into the junction at (160, 96), open all round.
    for (int py_offset : {0, 50, -50}) {
      srand(seed);
      int r1 = rand() % 2;
      int r2 = rand() % 2;
      int expected;
      int draws;
      if (py_offset > 0) {
        expected = DIR_DOWN, draws = 1;  // player below: always down
      } else if (r1 == 1) {
        expected = DIR_DOWN, draws = 1;
      } else if (py_offset < 0 || r2 == 1) {
        expected = DIR_UP, draws = 2;
      } else {
        expected = DIR_RIGHT, draws = 2;
      }
      fresh_game();
      blank_picture();
      park_other_ghosts(0);
      place_ghost(0, 159, 96, DIR_RIGHT);
      game.player_x = 40;
      game.player_y = 96 + py_offset;
      srand(seed);
      long before = random_draws;
      move_ghosts();
      ASSERT_EQ(game.ghost_x[0], 160);
      EXPECT_EQ(game.ghost_dir[0], expected) << "seed " << seed << " player dy " << py_offset;
      EXPECT_EQ(random_draws - before, draws + 3 * 2) << seed;
      if (py_offset == 0) ++outcomes[game.ghost_dir[0]];
    }
    // Moving up into the same junction, player at its own x.
    for (int px_offset : {0, 50, -50}) {
      srand(seed);
      rand();  // ghost 0, parked, draws first
      rand();
      int r1 = rand() % 2;
      int r2 = rand() % 2;
      int expected;
      if (px_offset > 0 || r1 == 1)
        expected = DIR_RIGHT;
      else if (px_offset < 0 || r2 == 1)
        expected = DIR_LEFT;
      else
        expected = DIR_UP;
      fresh_game();
      blank_picture();
      park_other_ghosts(1);
      place_ghost(1, 160, 97, DIR_UP);
      game.player_x = 160 + px_offset;
      game.player_y = 300;
      srand(seed);
      move_ghosts();
      ASSERT_EQ(game.ghost_y[1], 96);
      EXPECT_EQ(game.ghost_dir[1], expected) << "seed " << seed << " player dx " << px_offset;
    }
  }
  // Down one time in two, up one in four, straight on one in four.
  EXPECT_NEAR(outcomes[DIR_DOWN], 100, 30);
  EXPECT_NEAR(outcomes[DIR_UP], 50, 25);
  EXPECT_NEAR(outcomes[DIR_RIGHT], 50, 25);
}

TEST(GhostTurns, ChaserTurnsOnlyIntoOpenWays) {
  // Player below but the way down walled: one in two up, else straight on.
  for (unsigned seed = 1; seed <= 30; ++seed) {
    srand(seed);
    rand();
    int r2 = rand() % 2;
    fresh_game();
    blank_picture();
    park_other_ghosts(0);
    place_ghost(0, 159, 96, DIR_RIGHT);
    wall_side(DIR_DOWN, 160, 96);
    game.player_x = 40;
    game.player_y = 300;
    srand(seed);
    long before = random_draws;
    move_ghosts();
    EXPECT_EQ(game.ghost_dir[0], r2 == 1 ? DIR_UP : DIR_RIGHT) << seed;
    EXPECT_EQ(random_draws - before, 2 + 3 * 2);
  }
  // Both ways walled: no turn, two draws all the same.
  for (unsigned seed = 1; seed <= 10; ++seed) {
    fresh_game();
    blank_picture();
    park_other_ghosts(0);
    place_ghost(0, 159, 96, DIR_RIGHT);
    wall_side(DIR_DOWN, 160, 96);
    wall_side(DIR_UP, 160, 96);
    game.player_x = 40;
    game.player_y = 300;
    srand(seed);
    long before = random_draws;
    move_ghosts();
    EXPECT_EQ(game.ghost_dir[0], DIR_RIGHT);
    EXPECT_EQ(random_draws - before, 2 + 3 * 2);
  }
}

TEST(GhostTurns, WanderersDrawOneInThreeAfterTheChasers) {
  for (unsigned seed = 1; seed <= 200; ++seed) {
    // Chasers moving down off the grid: two draws each, never a turn.
    // Ghost 2 arrives moving right at (304, 224), ghost 3 moving up at
    // (400, 288); both junctions are open all round.
    srand(seed);
    for (int i = 0; i < 4; ++i) rand();
    int expected2 = DIR_RIGHT, draws = 4;
    ++draws;
    if (rand() % 3 == 1) {
      expected2 = DIR_DOWN;
    } else {
      ++draws;
      if (rand() % 3 == 1) expected2 = DIR_UP;
    }
    int expected3 = DIR_UP;
    ++draws;
    if (rand() % 3 == 1) {
      expected3 = DIR_RIGHT;
    } else {
      ++draws;
      if (rand() % 3 == 1) expected3 = DIR_LEFT;
    }
    fresh_game();
    blank_picture();
    place_ghost(0, 96, 99, DIR_DOWN);
    place_ghost(1, 32, 35, DIR_DOWN);
    place_ghost(2, 303, 224, DIR_RIGHT);
    place_ghost(3, 400, 289, DIR_UP);
    game.player_x = 40;
    game.player_y = 300;
    srand(seed);
    long before = random_draws;
    move_ghosts();
    EXPECT_EQ(game.ghost_dir[0], DIR_DOWN);
    EXPECT_EQ(game.ghost_dir[1], DIR_DOWN);
    EXPECT_EQ(game.ghost_x[2], 304);
    EXPECT_EQ(game.ghost_y[3], 288);
    EXPECT_EQ(game.ghost_dir[2], expected2) << seed;
    EXPECT_EQ(game.ghost_dir[3], expected3) << seed;
    EXPECT_EQ(random_draws - before, draws) << seed;
  }
}

TEST(GhostChoice, GhostWalledInOnEverySideStaysPutForTheFrame) {
  for (int k = 0; k < GHOSTS; ++k) {
    fresh_game();
    blank_picture();
    park_other_ghosts(k);
    place_ghost(k, 160, 96, k % 2 ? DIR_LEFT : DIR_RIGHT);
    for (int side = 0; side < 4; ++side) wall_side(side, 160, 96);
    game.player_x = 40;
    game.player_y = 300;
    int others_before[GHOSTS];
    for (int j = 0; j < GHOSTS; ++j) others_before[j] = game.ghost_y[j];
    long before = random_draws;
    move_ghosts();
    EXPECT_EQ(game.ghost_x[k], 160) << k;
    EXPECT_EQ(game.ghost_y[k], 96) << k;
    EXPECT_GE(game.ghost_dir[k], 0);
    EXPECT_LE(game.ghost_dir[k], 3);
    long draws = random_draws - before;
    EXPECT_GE(draws, GHOST_MAX_TRIES - 1) << k;
    EXPECT_LE(draws, GHOST_MAX_TRIES + 4 * 2) << k;
    // The others went on as usual.
    for (int j = 0; j < GHOSTS; ++j) {
      if (j != k) {
        EXPECT_EQ(game.ghost_y[j], others_before[j] - 1) << j;
      }
    }
  }
}

namespace {

// A seeded stand-in for the player's hands: holds one arrow key (or none)
// for a few frames at a time. Its own generator, so the game's is untouched.
struct Hands {
  uint32_t state;
  int held = -1, left = 0;
  explicit Hands(uint32_t seed) : state(seed * 2654435761u + 1) {}
  uint32_t next() {
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return state;
  }
  void press() {
    if (left-- <= 0) {
      const int keys[5] = {KEY_LEFT, KEY_RIGHT, KEY_UP, KEY_DOWN, -1};
      held = keys[next() % 5];
      left = 4 + next() % 40;
    }
    release_all_keys();
    if (held >= 0) key[held] = 1;
  }
};

struct Snapshot {
  int x[GHOSTS], y[GHOSTS], dir[GHOSTS];
  int lives, level;
  Snapshot() {
    for (int k = 0; k < GHOSTS; ++k) x[k] = game.ghost_x[k], y[k] = game.ghost_y[k], dir[k] = game.ghost_dir[k];
    lives = game.lives;
    level = game.level;
  }
};

}  // namespace

// Over whole games the ghosts keep every movement rule, checked against the
// picture each frame was played on (still in the back buffer afterwards).
TEST(GhostMovement, WholeGamesKeepTheMovementRules) {
  int frames = 0, turns = 0, reversals = 0, chaser_forced = 0, wraps = 0;
  std::string first_problem;
  int problems = 0;
  auto problem = [&](const std::string &what) {
    if (problems++ == 0) first_problem = what;
  };
  for (uint32_t seed = 1; seed <= 6; ++seed) {
    fresh_game();
    start_game();
    Hands hands(seed);
    for (int f = 0; f < 2500; ++f) {
      hands.press();
      Snapshot before;
      size_t sounds = fake.sounds.size();
      if (game_frame() == FRAME_GAME_ENDED) break;
      ++frames;
      bool ghost_eaten = false;
      for (size_t i = sounds; i < fake.sounds.size(); ++i) ghost_eaten |= fake.sounds[i] == assets.eat_ghost;
      if (ghost_eaten || game.lives != before.lives || game.level != before.level) continue;
      for (int k = 0; k < GHOSTS; ++k) {
        std::ostringstream where;
        where << "game " << seed << " frame " << f << " ghost " << k << " from (" << before.x[k] << ", "
              << before.y[k] << ") dir " << before.dir[k] << " to (" << game.ghost_x[k] << ", " << game.ghost_y[k]
              << ") dir " << game.ghost_dir[k] << ": ";
        int gx = game.ghost_x[k], gy = game.ghost_y[k], d = game.ghost_dir[k];
        if (gx < 0 || gx > 501) problem(where.str() + "x out of range");
        // The step made in phase A.
        int moved = -1;
        for (int m = 0; m < 4; ++m) {
          int nx, ny;
          ghost_step(before.x[k], before.y[k], m, &nx, &ny);
          if (nx == gx && ny == gy) moved = m;
        }
        if (moved < 0) {
          problem(where.str() + "did not make one step");
          continue;
        }
        if (std::abs(gx - before.x[k]) > 1) ++wraps;
        bool ahead_open = probe_clear(before.dir[k], before.x[k], before.y[k]);
        if (ahead_open && moved != before.dir[k]) problem(where.str() + "left an open way ahead");
        if (!ahead_open) {
          if (moved == opposite(before.dir[k])) ++reversals;
          if (k < 2) {
            // The last of the chase tests that holds decides the way.
            int forced = -1, bx = before.x[k], by = before.y[k];
            if (bx > game.player_x && probe_clear(DIR_LEFT, bx, by)) forced = DIR_LEFT;
            if (bx < game.player_x && probe_clear(DIR_RIGHT, bx, by)) forced = DIR_RIGHT;
            if (by > game.player_y && probe_clear(DIR_UP, bx, by)) forced = DIR_UP;
            if (by < game.player_y && probe_clear(DIR_DOWN, bx, by)) forced = DIR_DOWN;
            if (forced >= 0) {
              ++chaser_forced;
              if (moved != forced) problem(where.str() + "chaser did not take the way toward the player");
            }
          }
        }
        // Turning chances: never back, only sideways into an open way.
        if (d != moved) {
          ++turns;
          if (d == opposite(moved)) problem(where.str() + "reversed in a turning chance");
          if (!probe_clear(d, gx, gy)) problem(where.str() + "turned into a wall");
        }
        if (k < 2) {
          bool down = probe_clear(DIR_DOWN, gx, gy), up = probe_clear(DIR_UP, gx, gy);
          bool right = probe_clear(DIR_RIGHT, gx, gy), left = probe_clear(DIR_LEFT, gx, gy);
          int must = -1;
          if (horizontal(moved)) {
            if (gy < game.player_y && down) must = DIR_DOWN;
            else if (!down && up && gy > game.player_y) must = DIR_UP;
            else if (!down && !up) must = moved;
          } else {
            if (gx < game.player_x && right) must = DIR_RIGHT;
            else if (!right && left && gx > game.player_x) must = DIR_LEFT;
            else if (!right && !left) must = moved;
          }
          if (must >= 0 && d != must) problem(where.str() + "chaser missed a sure turn");
        }
      }
    }
  }
  EXPECT_EQ(problems, 0) << first_problem;
  EXPECT_GT(frames, 3000);
  EXPECT_GT(turns, 50);
  EXPECT_GT(reversals, 5);
  EXPECT_GT(chaser_forced, 20);
  RecordProperty("frames", frames);
  RecordProperty("wraps", wraps);
}
