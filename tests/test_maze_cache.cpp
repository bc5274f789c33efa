// The wall sprite must not change a single pixel: the wall probes read the picture back.
#include <gtest/gtest.h>

#include <cstring>

#include "game/game_loop.h"
#include "game/game_state.h"
#include "headless.h"
#include "render/assets.h"
#include "render/draw_frame.h"
#include "render/maze_cache.h"

namespace {

int background = 0;  // what the back buffer holds before a frame is composed

// A frame composed by `compose` with the cache, then the same state composed without it: do the pictures and the
// blink counters agree?
bool cache_agrees(void (*compose)() = [] { clear_to_color(back_buffer, background), draw_frame(); }) {
  static BITMAP *cached = create_bitmap(640, 480);
  const int blink_before = blink_counter;
  compose();
  blit(back_buffer, cached, 0, 0, 0, 0, 640, 480);
  const int blink_cached = blink_counter;
  blink_counter = blink_before;
  maze_cache_enabled = false;
  clear_to_color(back_buffer, background), draw_frame();
  maze_cache_enabled = true;
  bool same = blink_counter == blink_cached;
  for (int y = 0; y < 480; ++y) same = same && memcmp(cached->line[y], back_buffer->line[y], 640 * 2) == 0;
  return same;
}

TEST(MazeCache, AScriptedGameComposesTheSamePictureEitherWay) {
  use_fake_platform();
  int builds = maze_cache_builds, dots = 0, deaths = 0, levels = 0, pill_resets = 0;
  static FrameResult result = FRAME_GAME_ENDED;
  for (int frame = 0; frame < 3000; ++frame) {
    if (result == FRAME_GAME_ENDED) clear_to_color(back_buffer, 0), start_game();  // as the title leaves it
    if (frame % 1000 == 700)  // eat what is left: the next frame clears the level
      for (auto &row : game.maze)
        for (auto &cell : row) cell = cell == TILE_DOT || cell == TILE_PILL ? TILE_EMPTY : cell;
    if (frame % 400 == 350) game.player_x = game.ghost_x[0], game.player_y = game.ghost_y[0];  // to be caught
    for (int k = 0; k < 4; ++k) key[KEY_LEFT + k] = k == (frame / 37 + frame / 101) % 4;  // arrows: wander about
    const GameState before = game;
    // A game lost with its last life shows the place it was lost, not the actors put back.
    bool agrees = cache_agrees([] { result = game_frame(); });
    ASSERT_TRUE(agrees || result == FRAME_GAME_ENDED) << "frame " << frame;
    dots += game.score > before.score, deaths += game.lives < before.lives;
    levels += game.level > before.level, pill_resets += blink_counter == 0;
  }
  EXPECT_TRUE(dots >= 20 && deaths >= 2 && levels >= 2 && pill_resets >= 10)
      << dots << " dots, " << deaths << " deaths, " << levels << " levels, " << pill_resets << " pill resets";
  EXPECT_EQ(maze_cache_builds - builds, 1);  // the walls never changed
}

TEST(MazeCache, FollowsNewOrChangedWallPicturesAndWalls) {
  use_fake_platform();
  reset_maze();
  blink_counter = 40;  // pills shown
  ASSERT_TRUE(cache_agrees());
  background = 0x1234;  // what lay under a frame never shows through
  EXPECT_TRUE(cache_agrees());
  background = 0;
  const AssetSet saved = assets;
  int builds = maze_cache_builds;
  for (BITMAP **piece : {&assets.straight_wall, &assets.wall_corner}) {  // marked so that old walls would show
    BITMAP *old = *piece;
    blit(old, *piece = create_bitmap(16, 16), 0, 0, 0, 0, 16, 16);
    for (int i = 0; i < 16; ++i) putpixel(*piece, i, i, i % 2 ? WALL_COLOUR : makecol(0, 0, 255));
    EXPECT_TRUE(cache_agrees());
  }
  rectfill(assets.wall_corner, 4, 4, 11, 11, makecol(255, 0, 0));
  forget_maze_cache();  // needed for pictures changed in place
  EXPECT_TRUE(cache_agrees());
  game.maze[10][0] = TILE_CORNER_TR, game.maze[0][5] = TILE_DOT;  // a corner in a corridor, a dot on a block
  EXPECT_TRUE(cache_agrees());
  EXPECT_EQ(maze_cache_builds, builds + 4);
  destroy_bitmap(assets.straight_wall), destroy_bitmap(assets.wall_corner);
  assets = saved;
  forget_maze_cache();
}

// The copy made before any dot relies on this: each wall piece, turned or not, lands in its own cell only, so a
// later wall never covers an earlier dot or pill. Pieces are drawn fully opaque, so any pixel they could reach shows.
TEST(MazeCache, EveryWallPieceStaysInsideItsCell) {
  use_fake_platform();
  const AssetSet saved = assets;
  assets.straight_wall = create_bitmap(16, 16), assets.wall_corner = create_bitmap(16, 16);
  for (int i = 0; i < 256; ++i) {
    putpixel(assets.straight_wall, i % 16, i / 16, makecol(i, 255 - i, 0));
    putpixel(assets.wall_corner, i / 16, i % 16, makecol(0, i, 128));
  }
  for (auto &row : game.maze)
    for (auto &cell : row) cell = TILE_EMPTY;
  const int background = makecol(10, 20, 30);
  BITMAP *picture = create_bitmap(3 * CELL, 3 * CELL);
  for (int code = TILE_EMPTY; code <= TILE_CORNER_BL; ++code) {
    if (!is_wall_tile(code)) continue;
    game.maze[1][1] = code;  // the middle cell of a 3x3 corner of the maze
    clear_to_color(picture, background);
    draw_maze_uncached(picture);
    int outside = 0, inside = 0;
    for (int y = 0; y < picture->h; ++y)
      for (int x = 0; x < picture->w; ++x) {
        bool in_cell = x >= CELL && x < 2 * CELL && y >= CELL && y < 2 * CELL;
        (in_cell ? inside : outside) += getpixel(picture, x, y) != background;
      }
    EXPECT_EQ(outside, 0) << "code " << code;
    EXPECT_GT(inside, 200) << "code " << code;  // and it was drawn
  }
  destroy_bitmap(picture);
  destroy_bitmap(assets.straight_wall), destroy_bitmap(assets.wall_corner);
  assets = saved;
}

}  // namespace
