// The wall cache must not change a single pixel: the wall tests read the
// picture back.
#include <gtest/gtest.h>

#include <cstring>

#include "game/game_loop.h"
#include "game/game_state.h"
#include "headless.h"
#include "render/assets.h"
#include "render/draw_frame.h"
#include "render/maze_cache.h"

namespace {

// Composes the frame the plain way, then by `compose` through the cache;
// true when the pictures and the blink counters after them agree.
template <class Compose>
bool cache_agrees(Compose compose) {
  static BITMAP *plain = create_bitmap(640, 480);
  const int blink_before = blink_counter;
  clear_to_color(back_buffer, 0);
  maze_cache_enabled = false;
  draw_frame();
  maze_cache_enabled = true;
  blit(back_buffer, plain, 0, 0, 0, 0, 640, 480);
  const int blink_plain = blink_counter;
  blink_counter = blink_before;
  compose();
  bool same = blink_counter == blink_plain;
  for (int y = 0; y < 480; ++y) same = same && memcmp(plain->line[y], back_buffer->line[y], 640 * 2) == 0;
  return same;
}

TEST(MazeCache, AScriptedGameComposesTheSamePictureEitherWay) {
  use_fake_platform();
  const int ARROWS[4] = {KEY_UP, KEY_RIGHT, KEY_DOWN, KEY_LEFT};
  int builds = maze_cache_builds;
  int dots = 0, deaths = 0, level_changes = 0, pill_resets = 0, mismatches = 0;
  FrameResult result = FRAME_GAME_ENDED;
  for (int frame = 0; frame < 3000; ++frame) {
    if (result == FRAME_GAME_ENDED) {
      clear_to_color(back_buffer, 0);  // as the title leaves it
      start_game();
    }
    if (frame % 1000 == 700)  // eat what is left: the next frame clears the level
      for (auto &row : game.maze)
        for (auto &cell : row)
          if (cell == TILE_DOT || cell == TILE_PILL) cell = TILE_EMPTY;
    if (frame % 400 == 350) game.player_x = game.ghost_x[0], game.player_y = game.ghost_y[0];  // to be caught
    for (int k = 0; k < 4; ++k) key[ARROWS[k]] = k == (frame / 37 + frame / 101) % 4;  // wander about

    const GameState before = game;
    if (!cache_agrees([&result] { result = game_frame(); }) && ++mismatches <= 3) ADD_FAILURE() << "frame " << frame;

    dots += game.score > before.score;
    deaths += game.lives < before.lives;
    level_changes += game.level > before.level;
    pill_resets += blink_counter == 0;
  }
  EXPECT_EQ(mismatches, 0);
  // The run went through what it was meant to; the walls never changed.
  EXPECT_GE(dots, 20);
  EXPECT_GE(deaths, 2);
  EXPECT_GE(level_changes, 2);
  EXPECT_GE(pill_resets, 10);
  EXPECT_EQ(maze_cache_builds - builds, 1);
}

TEST(MazeCache, FollowsNewOrChangedWallPicturesAndWalls) {
  use_fake_platform();
  auto draw_cached = [] {
    clear_to_color(back_buffer, 0);
    draw_frame();
  };
  reset_maze();
  blink_counter = 40;  // pills shown
  ASSERT_TRUE(cache_agrees(draw_cached));
  const AssetSet saved = assets;
  int builds = maze_cache_builds;
  // New pictures, marked so that walls from the old ones would show.
  for (BITMAP **piece : {&assets.straight_wall, &assets.wall_corner}) {
    BITMAP *old = *piece;
    blit(old, *piece = create_bitmap(16, 16), 0, 0, 0, 0, 16, 16);
    for (int i = 0; i < 16; ++i) putpixel(*piece, i, i, i % 2 ? WALL_COLOUR : makecol(0, 0, 255));
  }
  EXPECT_TRUE(cache_agrees(draw_cached));
  rectfill(assets.wall_corner, 4, 4, 11, 11, makecol(255, 0, 0));
  forget_maze_cache();  // needed for pictures changed in place
  EXPECT_TRUE(cache_agrees(draw_cached));
  game.maze[10][0] = TILE_CORNER_TR;  // a corner where there was a corridor
  game.maze[0][5] = TILE_DOT;         // a dot where there was a block
  EXPECT_TRUE(cache_agrees(draw_cached));
  EXPECT_EQ(maze_cache_builds, builds + 3);
  destroy_bitmap(assets.straight_wall);
  destroy_bitmap(assets.wall_corner);
  assets = saved;
  forget_maze_cache();
}

}  // namespace
