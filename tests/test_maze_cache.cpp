// The wall cache must not change a single pixel: the wall tests read the
// picture back. Every frame of scripted games is composed both ways and the
// two pictures compared, through dots eaten, blinking pills, deaths, game
// overs and level changes; then the cache must follow changed walls, new
// wall pictures and targets it only partly covers.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdint>
#include <cstring>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "game/game_loop.h"
#include "game/game_state.h"
#include "headless.h"
#include "render/assets.h"
#include "render/draw_frame.h"
#include "render/maze_cache.h"

namespace {

// Arrow keys from a seeded generator of the test's own (the game owns rand()).
struct KeyScript {
  uint32_t state;
  int held = -1;
  int frames_left = 0;

  explicit KeyScript(uint32_t seed) : state(seed) {}
  uint32_t next() {
    state = state * 1664525u + 1013904223u;
    return state >> 8;
  }
  // Presses this frame's key: one arrow (or none) held for 8 to 39 frames.
  void press() {
    static const int ARROWS[4] = {KEY_UP, KEY_RIGHT, KEY_DOWN, KEY_LEFT};
    if (frames_left-- <= 0) {
      uint32_t pick = next() % 5;
      held = pick < 4 ? ARROWS[pick] : -1;
      frames_left = 8 + static_cast<int>(next() % 32);
    }
    for (int k : ARROWS) key[k] = 0;
    if (held >= 0) key[held] = 1;
  }
};

// Where two 640x480 pictures first differ, or an empty string.
std::string first_difference(BITMAP *a, BITMAP *b) {
  for (int y = 0; y < a->h; ++y) {
    if (memcmp(a->line[y], b->line[y], a->w * 2) == 0) continue;
    for (int x = 0; x < a->w; ++x)
      if (getpixel(a, x, y) != getpixel(b, x, y)) {
        std::ostringstream s;
        s << "(" << x << ", " << y << "): 0x" << std::hex << getpixel(a, x, y) << " against 0x" << getpixel(b, x, y);
        return s.str();
      }
  }
  return "";
}

// The maze alone, into `target`, by one path or the other.
void maze_into(BITMAP *target, bool cached, int blink) {
  clear_to_color(target, 0);
  blink_counter = blink;
  if (cached)
    draw_maze_cached(target);
  else
    draw_maze_uncached(target);
}

class MazeCache : public ::testing::Test {
 protected:
  void SetUp() override {
    use_fake_platform();
    maze_cache_enabled = true;
    forget_maze_cache();
    cached = create_bitmap(640, 480);
    plain = create_bitmap(640, 480);
  }
  void TearDown() override {
    maze_cache_enabled = true;
    destroy_bitmap(cached);
    destroy_bitmap(plain);
    release_all_keys();
  }
  BITMAP *cached = nullptr;
  BITMAP *plain = nullptr;
};

TEST_F(MazeCache, WholeGamesComposeTheSamePictureEitherWay) {
  const int FRAMES = 5000;
  KeyScript script(20240611u);
  int builds_before = maze_cache_builds;
  int copies_before = maze_cache_copies;
  int games = 0, deaths = 0, level_changes = 0, pill_resets = 0;
  int frames_pills_hidden = 0, frames_pills_shown = 0;
  bool dots_eaten = false;
  int mismatched_frames = 0;

  game.hi_score = 0;
  bool in_game = false;
  for (int frame = 0; frame < FRAMES; ++frame) {
    if (!in_game) {
      // The title parade leaves the buffer cleared for the first picture.
      clear_to_color(back_buffer, 0);
      game.score = 0;
      start_game();
      in_game = true;
      ++games;
    }
    // Twice in each game the maze is emptied of what is left, so that the
    // next frame clears the level.
    if (frame % 1300 == 700 || frame % 1300 == 1000)
      for (int r = 0; r < MAZE_ROWS; ++r)
        for (int c = 0; c < MAZE_COLS; ++c)
          if (game.maze[r][c] == TILE_DOT || game.maze[r][c] == TILE_PILL) game.maze[r][c] = TILE_EMPTY;

    // Now and then the player is put on a ghost's square, to be caught.
    if (frame % 400 == 350)
      for (int k = 0; k < GHOSTS; ++k)
        if (game.ghost_mode[k] == GHOST_NORMAL) {
          game.player_x = game.ghost_x[k];
          game.player_y = game.ghost_y[k];
          break;
        }

    script.press();
    const GameState before = game;
    const int blink_before = blink_counter;
    bool pills_left = false;
    for (int r = 0; r < MAZE_ROWS; ++r)
      for (int c = 0; c < MAZE_COLS; ++c) pills_left = pills_left || game.maze[r][c] == TILE_PILL;

    FrameResult result = game_frame();
    // The rules after the picture never draw into the back buffer.
    blit(back_buffer, cached, 0, 0, 0, 0, 640, 480);
    const GameState after = game;
    const int blink_after = blink_counter;

    // The same frame's picture the plain way, from the state it started with.
    game = before;
    blink_counter = blink_before;
    clear_to_color(back_buffer, 0);
    maze_cache_enabled = false;
    draw_frame();
    maze_cache_enabled = true;
    blit(back_buffer, plain, 0, 0, 0, 0, 640, 480);
    EXPECT_EQ(blink_counter, blink_after) << "frame " << frame;
    std::string difference = first_difference(cached, plain);
    if (!difference.empty() && ++mismatched_frames <= 5)
      ADD_FAILURE() << "frame " << frame << ", cached against plain picture at " << difference;
    game = after;
    blink_counter = blink_after;

    if (pills_left) {
      if (blink_before + 1 > 32) ++frames_pills_shown;
      else ++frames_pills_hidden;
      if (blink_after == 0) ++pill_resets;
    }
    if (after.score > before.score) dots_eaten = true;
    if (after.lives < before.lives) ++deaths;
    if (after.level > before.level) ++level_changes;
    if (result == FRAME_GAME_ENDED) in_game = false;
  }
  EXPECT_EQ(mismatched_frames, 0);

  // The run went through what it was meant to.
  EXPECT_TRUE(dots_eaten);
  EXPECT_GE(games, 2) << "no game over in " << FRAMES << " frames";
  EXPECT_GE(deaths, 3);
  EXPECT_GE(level_changes, 2);
  EXPECT_GE(pill_resets, 10);
  EXPECT_GE(frames_pills_hidden, 300);
  EXPECT_GE(frames_pills_shown, 300);
  // Built once and then only copied: the walls never changed.
  EXPECT_EQ(maze_cache_builds - builds_before, 1);
  EXPECT_EQ(maze_cache_copies - copies_before, FRAMES + games);
}

TEST_F(MazeCache, FollowsChangedWalls) {
  reset_maze();
  maze_into(cached, true, 40);
  int builds = maze_cache_builds;

  // A corner where there was a corridor, a dot where there was a block, a
  // pill whose square reaches into the walls left of and above it.
  game.maze[10][0] = TILE_CORNER_TR;
  game.maze[0][5] = TILE_DOT;
  game.maze[4][4] = TILE_PILL;
  game.maze[16][2] = TILE_BAR_LEFT_END;
  maze_into(cached, true, 40);
  maze_into(plain, false, 40);
  EXPECT_EQ(first_difference(cached, plain), "");
  EXPECT_EQ(maze_cache_builds, builds + 1);
  EXPECT_EQ(getpixel(cached, 5 * 16, 0), DOT_COLOUR);

  // Eating dots and pills never rebuilds it.
  game.maze[0][5] = TILE_EMPTY;
  game.maze[2][3] = TILE_EMPTY;
  maze_into(cached, true, 40);
  maze_into(plain, false, 40);
  EXPECT_EQ(first_difference(cached, plain), "");
  EXPECT_EQ(maze_cache_builds, builds + 1);

  reset_maze();
  maze_into(cached, true, 40);
  maze_into(plain, false, 40);
  EXPECT_EQ(first_difference(cached, plain), "");
  EXPECT_EQ(maze_cache_builds, builds + 2);
}

TEST_F(MazeCache, FollowsNewWallPictures) {
  reset_maze();
  maze_into(cached, true, 40);

  // Loading the pictures again gives new ones; mark them before the next
  // frame so that walls from the old pictures would show.
  char here[4096];
  ASSERT_TRUE(getcwd(here, sizeof here));
  ASSERT_EQ(chdir(GOBBLER_DATA_DIR), 0);
  std::string error;
  ASSERT_TRUE(load_assets(&error)) << error;
  ASSERT_EQ(chdir(here), 0);
  for (int i = 0; i < 16; ++i) {
    putpixel(assets.straight_wall, i, i, makecol(0, 0, 255));
    putpixel(assets.wall_corner, 15 - i, i, WALL_COLOUR);
  }
  maze_into(cached, true, 40);
  maze_into(plain, false, 40);
  EXPECT_EQ(first_difference(cached, plain), "");

  // Pictures changed in place need the cache forgotten.
  rectfill(assets.wall_corner, 4, 4, 11, 11, makecol(255, 0, 0));
  forget_maze_cache();
  maze_into(cached, true, 40);
  maze_into(plain, false, 40);
  EXPECT_EQ(first_difference(cached, plain), "");

  // Back to the real pictures for the other tests of this program.
  ASSERT_EQ(chdir(GOBBLER_DATA_DIR), 0);
  ASSERT_TRUE(load_assets(&error)) << error;
  ASSERT_EQ(chdir(here), 0);
}

// In the 65th frame of the blink cycle the first pill left in row order is
// drawn and resets the counter; which one that is depends on those eaten.
TEST_F(MazeCache, PillResetFollowsRowOrderWhateverPillsAreEaten) {
  reset_maze();
  std::vector<std::pair<int, int>> pills;
  for (int r = 0; r < MAZE_ROWS; ++r)
    for (int c = 0; c < MAZE_COLS; ++c)
      if (game.maze[r][c] == TILE_PILL) pills.emplace_back(r, c);
  ASSERT_EQ(pills.size(), 4u);
  for (int eaten = 0; eaten < 16; ++eaten) {
    reset_maze();
    for (int p = 0; p < 4; ++p)
      if (eaten & (1 << p)) game.maze[pills[p].first][pills[p].second] = TILE_EMPTY;
    for (int blink : {32, 33, 64, 65}) {
      maze_into(cached, true, blink);
      int after_cached = blink_counter;
      maze_into(plain, false, blink);
      EXPECT_EQ(after_cached, blink_counter) << "eaten " << eaten << ", blink " << blink;
      EXPECT_EQ(first_difference(cached, plain), "") << "eaten " << eaten << ", blink " << blink;
    }
  }
}

TEST_F(MazeCache, SmallAndClippedTargetsGetTheSameMaze) {
  reset_maze();
  int blink = 70;  // pills shown, and the first one resets the counter
  int copies = maze_cache_copies;

  BITMAP *small_cached = create_bitmap(200, 150);
  BITMAP *small_plain = create_bitmap(200, 150);
  maze_into(small_cached, true, blink);
  int blink_cached = blink_counter;
  maze_into(small_plain, false, blink);
  EXPECT_EQ(blink_counter, blink_cached);
  EXPECT_EQ(blink_counter, 0);
  EXPECT_EQ(maze_cache_copies, copies + 1);
  for (int y = 0; y < 150; ++y)
    ASSERT_EQ(memcmp(small_cached->line[y], small_plain->line[y], 200 * 2), 0) << "row " << y;
  destroy_bitmap(small_cached);
  destroy_bitmap(small_plain);

  // Nothing outside the clip rectangle is touched; its edges cut through
  // dots and a pill.
  clear_to_color(cached, 0);
  clear_to_color(plain, 0);
  set_clip_rect(cached, 34, 34, 290, 274);
  set_clip_rect(plain, 34, 34, 290, 274);
  maze_into(cached, true, blink);
  maze_into(plain, false, blink);
  set_clip_rect(cached, 0, 0, 639, 479);
  set_clip_rect(plain, 0, 0, 639, 479);
  EXPECT_EQ(first_difference(cached, plain), "");
  for (int y = 0; y < 480; ++y)
    for (int x = 0; x < 640; ++x) {
      bool inside = x >= 34 && x <= 290 && y >= 34 && y <= 274;
      if (!inside) {
        ASSERT_EQ(getpixel(cached, x, y), 0) << x << ", " << y;
      }
    }
  EXPECT_EQ(getpixel(cached, 34, 34), DOT_COLOUR);  // the corner of a pill
  EXPECT_EQ(getpixel(cached, 290, 274), DOT_COLOUR);  // of a dot
}

}  // namespace
